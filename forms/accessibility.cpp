#include "forms/accessibility.h"

#include <string>

#include "forms/dispatch.h"

namespace forms {
namespace {

// A picture or text opens something when its press is wired to a handler
// that does something.
bool pressable(const LoadedWindow& window, const ControlState& c) {
    if (c.kind != Kind::PicBox && c.kind != Kind::Label && c.kind != Kind::TransLabel) return false;
    const Wire* wire = wire_of(window, c.id, event::LeftButtonDown);
    return wire != nullptr && wire->handler != nullptr && wire->handler != &do_nothing;
}

Role role_of(Kind kind) {
    switch (kind) {
        case Kind::Window: return Role::Window;
        case Kind::EditBox: return Role::EditableText;
        case Kind::PicBox: return Role::Graphic;
        case Kind::GroupBox: return Role::Group;
        case Kind::Label:
        case Kind::TransLabel: return Role::StaticText;
        case Kind::Button: return Role::PushButton;
        case Kind::ComboBox: return Role::ComboBox;
        case Kind::ProgressBar: return Role::ProgressBar;
        case Kind::Tab: return Role::PageTabList;
        case Kind::Timer: return Role::Pane;
    }
    return Role::Pane;
}

// What the control shows as its own text, which names it unless the layout
// gives it a name to be spoken. A tab control's pages are named by their
// titles, which each platform's tab strip gives its readers itself.
Text shown_name(const LoadedWindow& window, const ControlState& c) {
    if (c.kind == Kind::Window) return c.text.empty() ? Text(window.desc->spoken) : c.text;
    if (c.desc != nullptr && !c.desc->spoken.empty()) return Text(c.desc->spoken);
    switch (c.kind) {
        case Kind::GroupBox:
        case Kind::Label:
        case Kind::TransLabel:
        case Kind::Button: return c.text;
        default: return {};
    }
}

// The layouts pad captions and end texts with spaces and line breaks for
// the eye; a reader would say them. GBK's second bytes are never below 0x40,
// so no character ends in one of these.
Text trimmed(Text text) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\r' || ch == '\n' || ch == '\t'; };
    while (!text.empty() && blank(text.back())) text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && blank(text[start])) ++start;
    return text.substr(start);
}

Text description_of(const ControlState& c) {
    if (c.desc == nullptr || c.desc->purpose.empty()) return c.tool_tip;
    Text said(c.desc->purpose);
    if (!c.tool_tip.empty()) said += "。" + c.tool_tip;
    return said;
}

Text value_of(const ControlState& c) {
    switch (c.kind) {
        case Kind::EditBox: return c.text;
        case Kind::ComboBox: return c.item(c.selection);
        case Kind::ProgressBar: return Text(std::to_string(c.position));
        default: return {};
    }
}

}  // namespace

AccessibleInfo accessible_of(const LoadedWindow& window, const ControlState& c) {
    AccessibleInfo info;
    const bool link = pressable(window, c);
    info.role = link ? Role::Link : role_of(c.kind);
    info.name = trimmed(shown_name(window, c));
    info.description = description_of(c);
    info.value = value_of(c);
    if ((link || c.kind == Kind::Button) && window.visible_now(c)) info.action = Action::Press;
    return info;
}

Served served(const ControlState& c) {
    switch (c.kind) {
        case Kind::Timer: return Served::Nothing;
        case Kind::Window:
        case Kind::GroupBox:
        case Kind::PicBox:
        case Kind::Label:
        case Kind::TransLabel: return Served::Own;
        default: return Served::Annotated;
    }
}

bool do_default_action(WindowId window, ControlId control) {
    const LoadedWindow* w = find_loaded(window);
    const ControlState* c = w != nullptr ? w->find(control) : nullptr;
    if (c == nullptr || c->disabled || !w->visible_now(*c)) return false;
    if (c->kind == Kind::Button) {
        button_clicked(window, control);
        return true;
    }
    if (!pressable(*w, *c)) return false;
    left_button_down(window, control, c->geometry.width / 2, c->geometry.height / 2, 0);
    return true;
}

}  // namespace forms
