#include "forms/dispatch.h"

#include "forms/host_hooks.h"
#include "forms/page_keys.h"
#include "forms/view.h"

namespace forms {

namespace {

std::optional<ControlId> default_button(const LoadedWindow& w) {
    for (const auto& c : w.controls)
        if (c.kind == Kind::Button && c.desc->default_button && !c.disabled && w.visible_now(c)) return c.id;
    return std::nullopt;
}

}  // namespace

const Wire* wire_of(const LoadedWindow& w, ControlId control, int event) {
    for (const Wire& wire : w.wiring)
        if (wire.control == control && wire.event == event) return &wire;
    return nullptr;
}

std::optional<bool> raise(WindowId window, ControlId control, int event, EventArgs args) {
    LoadedWindow* w = find_loaded(window);
    if (w == nullptr || w->creating || host::program_ending()) return std::nullopt;
    const Wire* wire = wire_of(*w, control, event);
    if (wire == nullptr || wire->handler == nullptr) return std::nullopt;
    args.window = window;
    args.control = control;
    args.item = wire->item;
    return wire->handler(args);
}

bool opens_menu(int key, int function_keys) {
    return (key == key_menu && function_keys == 0) || (key == key_f10 && function_keys == keys::Shift);
}

bool menu_requested(WindowId window, ControlId control, bool by_pointer) {
    LoadedWindow* w = find_loaded(window);
    const ControlState* c = w != nullptr ? w->find(control) : nullptr;
    if (c == nullptr || c->desc == nullptr || c->desc->menu.empty()) return false;
    if (by_pointer && !c->disabled && w->view) w->view->show_menu(control, true);
    return true;
}

void menu_chosen(WindowId window, ControlId control, int entry) {
    raise(window, control, event::MenuChosen, {.chosen = entry});
}

bool key_pressed(WindowId window, ControlId focused, int key, int function_keys, bool takes_key) {
    LoadedWindow* w = find_loaded(window);
    if (w == nullptr) return false;
    if (opens_menu(key, function_keys)) {
        const ControlState* f = w->find(focused);
        if (f != nullptr && f->desc != nullptr && !f->desc->menu.empty()) {
            if (w->view) w->view->show_menu(focused, false);
            return true;
        }
    }
    if (function_keys == 0 && !takes_key) {
        if (key == key_tab) return false;  // the display moves the focus; no KeyDown
        if (key == key_escape && w->desc->esc_closes) {
            if (!host::program_ending()) close_requested(window);
            return true;
        }
        if (key == key_enter) {
            const ControlState* f = w->find(focused);
            if (f != nullptr && f->kind == Kind::Button && f->desc->default_button) {
                button_clicked(window, focused);
                return true;
            }
            if (w->desc->enter_moves_focus) {
                if (w->view) w->view->focus_next();
                return true;
            }
            if (auto b = default_button(*w)) {
                button_clicked(window, *b);
                return true;
            }
        }
    }
    if (!takes_key && turn_page_by_key(*w, focused, key, function_keys)) return true;
    auto result = raise(window, focused, event::KeyDown, {.key = key, .function_keys = function_keys});
    return result.has_value() && !*result;
}

bool left_button_down(WindowId window, ControlId control, int x, int y, int function_keys) {
    auto result = raise(window, control, event::LeftButtonDown, {.x = x, .y = y, .function_keys = function_keys});
    return result.has_value() && !*result;
}

void button_clicked(WindowId window, ControlId button) { raise(window, button, event::Click); }

void text_edited(WindowId window, ControlId edit, const Text& content) {
    if (LoadedWindow* w = find_loaded(window))
        if (ControlState* c = w->find(edit)) c->text = content;
}

void selection_changed(WindowId window, ControlId combo, int index) {
    LoadedWindow* w = find_loaded(window);
    ControlState* c = w != nullptr ? w->find(combo) : nullptr;
    if (c == nullptr || c->selection == index) return;
    c->selection = index;
    raise(window, combo, event::SelectionChanged);
}

void selection_committed(WindowId window, ControlId combo, int index) {
    selection_changed(window, combo, index);
    raise(window, combo, event::SelectionMade);
}

void tab_strip_clicked(WindowId window, ControlId tab) { raise(window, tab, event::Click); }

void page_chosen(WindowId window, ControlId tab, int page) {
    LoadedWindow* w = find_loaded(window);
    if (w == nullptr) return;
    ControlState* c = w->find(tab);
    if (c == nullptr || c->selection == page) return;
    c->selection = page;
    if (w->view) w->view->refresh_pages(tab, true);
}

void timer_ticked(WindowId window, ControlId timer) { raise(window, timer, event::Tick); }

void window_placed(WindowId window, Geometry outer) {
    LoadedWindow* w = find_loaded(window);
    if (w == nullptr) return;
    Geometry& g = w->self().geometry;
    const bool moved = g.left != outer.left || g.top != outer.top;
    const bool resized = g.width != outer.width || g.height != outer.height;
    g = outer;
    const ControlId self = w->desc->self;
    if (moved) raise(window, self, event::Moved);
    if (resized) raise(window, self, event::Resized);
}

bool close_requested(WindowId window) {
    LoadedWindow* w = find_loaded(window);
    if (w == nullptr || w->destroying) return false;
    auto result = raise(window, w->desc->self, event::MayClose);
    if (result.has_value() && !*result) return false;
    destroy_window(window);
    return true;
}

}  // namespace forms
