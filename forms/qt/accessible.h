#pragma once
// Screen readers in the Qt view (forms/accessibility.h decides what they are
// told and whose object answers). Controls the program answers for get an
// interface of ours, made only when a reader asks for one, that reads the
// table as it is then; so do lists, whose name Qt's own interface would take
// from their current item on this platform. The other standard widgets keep
// Qt's interfaces, named from the table.
#include <QWidget>

#include "forms/window_state.h"

namespace forms::qt {

// Registers the interface maker with Qt, once.
void serve_screen_readers();
// Introduces a control's widget, once it carries its marks, to readers as
// the table says now: names a standard widget, and makes sure a reader
// already looking gets our interface where one is due.
void name_for_readers(const LoadedWindow& window, const ControlState& c, QWidget* widget);

}  // namespace forms::qt
