#pragma once
// What a change of a tab control's current page shows and hides, decided
// here once; each view (forms/qt, forms/win32) carries it out with its own
// widgets.
#include <optional>
#include <vector>

#include "forms/window_state.h"

namespace forms {

// The controls on the tab to hide (those of the other pages, and any hidden
// by their own flag) before those to show, so that the old page never shows
// over the new one; and, when the reader turned the page, the control that
// takes the keyboard focus.
struct PageChange {
    int page = 0;
    std::vector<ControlId> hide, show;
    std::optional<ControlId> focus;
};
PageChange page_change(const LoadedWindow& window, const ControlState& tab, bool by_user);

}  // namespace forms
