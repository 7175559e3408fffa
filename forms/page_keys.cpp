#include "forms/page_keys.h"

#include "forms/view.h"

namespace forms {
namespace {

inline constexpr int key_tab = 9, key_page_up = 33, key_page_down = 34;

// +1, -1, or 0 for a key that turns no page.
int step_of(int key, int function_keys) {
    if ((function_keys & keys::Ctrl) == 0 || (function_keys & keys::Alt) != 0) return 0;
    const bool shift = (function_keys & keys::Shift) != 0;
    if (key == key_tab) return shift ? -1 : 1;
    if (shift) return 0;
    if (key == key_page_down) return 1;
    if (key == key_page_up) return -1;
    return 0;
}

ControlState* tab_to_turn(LoadedWindow& w, ControlId focused) {
    for (ControlState* at = w.find(focused); at != nullptr && at->desc != nullptr; at = w.find(at->parent)) {
        if (at->kind == Kind::Tab) return at;
        if (at->parent == 0) break;
    }
    for (ControlState& c : w.controls)
        if (c.kind == Kind::Tab && c.parent == 0) return &c;
    return nullptr;
}

}  // namespace

bool turn_page_by_key(LoadedWindow& w, ControlId focused, int key, int function_keys) {
    const int step = step_of(key, function_keys);
    if (step == 0) return false;
    ControlState* tab = tab_to_turn(w, focused);
    if (tab == nullptr || tab->desc->items.empty() || tab->disabled || !w.visible_now(*tab)) return false;
    const int pages = int(tab->desc->items.size());
    tab->selection = ((tab->selection + step) % pages + pages) % pages;
    // The focus goes onto the new page only from the page it was on.
    const ControlState* f = w.find(focused);
    const bool from_inside = f != nullptr && f->desc != nullptr && w.is_inside(*f, tab->id);
    if (w.view) w.view->refresh_pages(tab->id, from_inside);
    return true;
}

}  // namespace forms
