#include "forms/page_change.h"

namespace forms {

PageChange page_change(const LoadedWindow& window, const ControlState& tab, bool by_user) {
    PageChange change;
    change.page = tab.selection;
    for (const ControlState& c : window.controls)
        if (c.parent == tab.id && c.desc != nullptr)
            (window.shown_on_parent(c) ? change.show : change.hide).push_back(c.id);
    if (by_user) change.focus = window.first_focusable_on_page(tab.id, tab.selection);
    return change;
}

}  // namespace forms
