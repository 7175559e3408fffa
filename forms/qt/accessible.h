#pragma once
// Screen readers in the Qt view (forms/accessibility.h decides what they are
// told). Qt's own interfaces serve the standard widgets, named from the
// table; pictures, labels and transparent labels get an interface of ours,
// made only when a reader asks for one, that reads the table as it is then
// and runs the control's action as the mouse would.
#include <QWidget>

#include "forms/window_state.h"

namespace forms::qt {

// Registers the interface maker with Qt, once.
void serve_screen_readers();
// Names a standard widget for readers as the table does now.
void name_for_readers(const LoadedWindow& window, const ControlState& c, QWidget* widget);

}  // namespace forms::qt
