#include "forms/window_state.h"

#include <algorithm>

#include "forms/view.h"

namespace forms {

namespace {

// Loaded windows last as long as the process, like the application object:
// static destruction runs after Qt's own globals are gone, so windows still
// loaded then must not be torn down by it.
std::map<WindowId, std::unique_ptr<LoadedWindow>>& table() {
    static auto* windows = new std::map<WindowId, std::unique_ptr<LoadedWindow>>;
    return *windows;
}

// The layout's values, held within the bounds a write would hold them to.
ControlState state_of(const ControlDesc& d) {
    ControlState c;
    static_cast<ControlProperties&>(c) = d;
    c.desc = &d;
    c.tag = Text(d.tag);
    c.text = Text(d.text);
    c.geometry = {clamp_position(d.geometry.left), clamp_position(d.geometry.top), clamp_extent(d.geometry.width),
                  clamp_extent(d.geometry.height)};
    if (d.kind == Kind::ComboBox && (c.selection < -1 || c.selection >= static_cast<int>(d.items.size())))
        c.selection = -1;
    if (d.kind == Kind::Tab) c.selection = std::clamp(d.selection, 0, std::max<int>(0, d.items.size() - 1));
    c.minimum = clamp_bar(d.minimum);
    c.maximum = clamp_bar(d.maximum);
    c.position = clamp_bar(d.position);
    c.interval = std::max(0, d.interval);
    return c;
}

}  // namespace

int ControlState::item_count() const {
    if (written_items) return static_cast<int>(written_items->size());
    return desc != nullptr ? static_cast<int>(desc->items.size()) : 0;
}

Text ControlState::item(int index) const {
    if (index < 0 || index >= item_count()) return {};
    return written_items ? (*written_items)[index] : Text(desc->items[index]);
}

LoadedWindow::~LoadedWindow() = default;

ControlState* LoadedWindow::find(ControlId control) {
    for (auto& c : controls)
        if (c.id == control) return &c;
    return nullptr;
}

const ControlState* LoadedWindow::find(ControlId control) const {
    for (auto& c : controls)
        if (c.id == control) return &c;
    return nullptr;
}

bool LoadedWindow::shown_on_parent(const ControlState& c) const {
    if (!c.visible) return false;
    if (c.desc == nullptr || c.parent == 0) return true;
    const ControlState* p = find(c.parent);
    if (p != nullptr && p->kind == Kind::Tab) return p->selection == c.page;
    return true;
}

bool LoadedWindow::visible_now(const ControlState& c) const {
    if (c.desc == nullptr) return c.visible;
    const ControlState* at = &c;
    for (int depth = 0; at != nullptr && at->desc != nullptr && depth < 64; ++depth) {
        if (!shown_on_parent(*at)) return false;
        if (at->parent == 0) break;
        at = find(at->parent);
    }
    return controls.front().visible;
}

bool LoadedWindow::is_inside(const ControlState& c, ControlId ancestor) const {
    const ControlState* at = &c;
    for (int depth = 0; at != nullptr && at->parent != 0 && depth < 64; ++depth) {
        if (at->parent == ancestor) return true;
        at = find(at->parent);
    }
    return false;
}

std::optional<ControlId> LoadedWindow::first_focusable_on_page(ControlId tab, int page) const {
    for (const auto& c : controls) {
        if (c.kind != Kind::Button && c.kind != Kind::EditBox && c.kind != Kind::ComboBox) continue;
        if (c.disabled || !is_inside(c, tab)) continue;
        // The control's chain up to the tab must start on the page and be shown.
        const ControlState* at = &c;
        bool reachable = true;
        while (at != nullptr && at->parent != tab) {
            if (!shown_on_parent(*at)) reachable = false;
            at = find(at->parent);
        }
        if (at == nullptr || at->page != page || !at->visible) reachable = false;
        if (reachable) return c.id;
    }
    return std::nullopt;
}

std::unique_ptr<LoadedWindow> make_window_state(const WindowDesc& desc, int screen_width, int screen_height) {
    auto w = std::make_unique<LoadedWindow>();
    w->desc = &desc;
    w->id = desc.id;
    ControlState self;
    self.kind = Kind::Window;
    self.id = desc.self;
    self.text = Text(desc.title);
    self.visible = false;  // shown at the end of loading
    const int width = clamp_extent(desc.geometry.width), height = clamp_extent(desc.geometry.height);
    // Integer division truncates toward zero, as the layouts ask.
    self.geometry = desc.centred ? Geometry{(screen_width - width) / 2, (screen_height - height) / 2, width, height}
                                 : Geometry{desc.geometry.left, desc.geometry.top, width, height};
    w->controls.push_back(self);
    for (const auto& d : desc.controls) w->controls.push_back(state_of(d));
    return w;
}

LoadedWindow* find_loaded(WindowId window) {
    auto it = table().find(window);
    return it == table().end() ? nullptr : it->second.get();
}

void add_loaded(std::unique_ptr<LoadedWindow> window) {
    const WindowId id = window->id;
    table()[id] = std::move(window);
}

std::unique_ptr<LoadedWindow> take_loaded(WindowId window) {
    auto it = table().find(window);
    if (it == table().end()) return nullptr;
    auto w = std::move(it->second);
    table().erase(it);
    return w;
}

std::vector<WindowId> loaded_ids() {
    std::vector<WindowId> ids;
    for (auto& [id, w] : table()) ids.push_back(id);
    return ids;
}

int clamp_position(int value) { return std::clamp(value, -32627, 32627); }
int clamp_extent(int value) { return std::clamp(value, 0, 32627); }
int clamp_bar(int value) { return std::clamp(value, 0, 32767); }

}  // namespace forms
