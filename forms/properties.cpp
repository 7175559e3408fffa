// Numbered properties: what a read returns and what a write stores and shows.
#include <algorithm>
#include <cctype>
#include <charconv>

#include "forms/dispatch.h"
#include "forms/host_hooks.h"
#include "forms/model.h"
#include "forms/property_values.h"
#include "forms/timers.h"
#include "forms/view.h"

namespace forms {

namespace {

struct Target {
    LoadedWindow* window;
    ControlState* control;
};

Target locate(WindowId window, ControlId control) {
    LoadedWindow* w = find_loaded(window);
    if (w == nullptr) host::fatal_error("未载入欲访问窗口组件所在的窗口");
    ControlState* c = w->find(control);
    if (c == nullptr) host::fatal_error("指定窗口尚未载入");
    catch_up(*w);  // whatever its hidden timers owe comes first
    return {w, c};
}

Text joined_items(const ControlState& c) {
    Text joined;
    for (int i = 0; i < c.item_count(); ++i) joined += (i == 0 ? "" : "\r\n") + c.item(i);
    return joined;
}

std::vector<Text> split_items(const Text& joined) {
    std::vector<Text> items;
    if (joined.empty()) return items;
    for (std::size_t from = 0;;) {
        const std::size_t end = joined.find("\r\n", from);
        items.push_back(joined.substr(from, end - from));
        if (end == Text::npos) return items;
        from = end + 2;
    }
}

std::optional<Value> read_common(const LoadedWindow& w, const ControlState& c, int number) {
    switch (number) {
        case prop::Left: return c.geometry.left;
        case prop::Top: return c.geometry.top;
        case prop::Width: return c.geometry.width;
        case prop::Height: return c.geometry.height;
        case prop::Tag: return c.tag;
        case prop::ToolTip: return c.tool_tip;
        case prop::Visible: return w.visible_now(c);
        case prop::Disabled: return c.disabled;
        case prop::MousePointer: return cursor_number(c.cursor);
    }
    return std::nullopt;
}

std::optional<Value> read_own(const ControlState& c, int number) {
    switch (c.kind) {
        case Kind::Window:
            if (number == prop::WindowCaption) return c.text;
            break;
        case Kind::EditBox:
            if (number == prop::EditContent) return c.text;
            break;
        case Kind::Button:
            if (number == prop::ButtonCaption) return c.text;
            break;
        case Kind::Label:
            if (number == prop::LabelCaption) return c.text;
            break;
        case Kind::TransLabel:
            switch (number) {
                case prop::TransCaption: return c.text;
                case prop::TransEffect: return c.effect;
                case prop::TransColor: return c.text_color;
                case prop::TransAlign: return static_cast<int>(c.align);
                case prop::TransWrap: return c.word_wrap;
                case prop::TransVAlign: return static_cast<int>(c.valign);
            }
            break;
        case Kind::ComboBox:
            if (number == prop::ComboSelection) return c.selection;
            if (number == prop::ComboItems) return joined_items(c);
            break;
        case Kind::ProgressBar:
            switch (number) {
                case prop::BarMinimum: return c.minimum;
                case prop::BarMaximum: return c.maximum;
                case prop::BarPosition: return c.position;
            }
            break;
        case Kind::Timer:
            if (number == prop::TimerInterval) return c.interval;
            break;
        case Kind::PicBox:
            switch (number) {
                case prop::PicBorder: return static_cast<int>(c.border);
                case prop::PicDisplayMode: return static_cast<int>(c.display_mode);
                case prop::PicAnimate: return c.animate;
            }
            break;
        case Kind::GroupBox:
        case Kind::Tab: break;
    }
    return std::nullopt;
}

int in_range(int value, int lowest, int highest) { return value < lowest || value > highest ? lowest : value; }

// Stores a kind's own property; false when the kind has no such property.
bool write_own(ControlState& c, int number, const Value& value) {
    switch (c.kind) {
        case Kind::Window:
            if (number != prop::WindowCaption) return false;
            c.text = as_text(value);
            return true;
        case Kind::EditBox:
            if (number != prop::EditContent) return false;
            c.text = as_text(value);
            return true;
        case Kind::Button:
            if (number != prop::ButtonCaption) return false;
            c.text = as_text(value);
            return true;
        case Kind::Label:
            if (number != prop::LabelCaption) return false;
            c.text = as_text(value);
            return true;
        case Kind::TransLabel:
            switch (number) {
                case prop::TransCaption: c.text = as_text(value); return true;
                case prop::TransEffect: c.effect = in_range(as_integer(value), 0, 3); return true;
                case prop::TransColor: c.text_color = as_integer(value); return true;
                case prop::TransAlign: c.align = static_cast<Align>(in_range(as_integer(value), 0, 2)); return true;
                case prop::TransWrap: c.word_wrap = as_boolean(value); return true;
                case prop::TransVAlign: c.valign = static_cast<VAlign>(in_range(as_integer(value), 0, 2)); return true;
            }
            return false;
        case Kind::ComboBox: {
            if (number == prop::ComboItems) {
                c.written_items = split_items(as_text(value));
                if (c.selection >= c.item_count()) c.selection = -1;
                return true;
            }
            if (number != prop::ComboSelection) return false;
            // An index outside the list leaves nothing selected, as the list control does.
            const int index = as_integer(value);
            c.selection = index >= 0 && index < c.item_count() ? index : -1;
            return true;
        }
        case Kind::ProgressBar:
            switch (number) {
                case prop::BarMinimum: c.minimum = clamp_bar(as_integer(value)); return true;
                case prop::BarMaximum: c.maximum = clamp_bar(as_integer(value)); return true;
                case prop::BarPosition: c.position = clamp_bar(as_integer(value)); return true;
            }
            return false;
        case Kind::Timer:
            if (number != prop::TimerInterval) return false;
            c.interval = std::max(0, as_integer(value));
            return true;
        case Kind::PicBox:
            switch (number) {
                case prop::PicBorder: c.border = static_cast<Border>(in_range(as_integer(value), 0, 5)); return true;
                case prop::PicDisplayMode:
                    c.display_mode = static_cast<DisplayMode>(in_range(as_integer(value), 0, 2));
                    return true;
                case prop::PicAnimate: c.animate = as_boolean(value); return true;
            }
            return false;
        case Kind::GroupBox:
        case Kind::Tab: return false;
    }
    return false;
}

}  // namespace

Value ReadProperty(WindowId window, ControlId control, int number) {
    auto [w, c] = locate(window, control);
    if (auto v = read_common(*w, *c, number)) return *v;
    if (auto v = read_own(*c, number)) return *v;
    return std::int32_t{0};  // a property this kind does not have
}

void WriteProperty(WindowId window, ControlId control, int number, const Value& value) {
    auto [w, c] = locate(window, control);
    const bool is_window = c->desc == nullptr;
    const Geometry before = c->geometry;
    const int interval_before = c->interval;
    const int selection_before = c->selection;
    const Text text_before = c->text;
    switch (number) {
        case prop::Left: c->geometry.left = clamp_position(as_integer(value)); break;
        case prop::Top: c->geometry.top = clamp_position(as_integer(value)); break;
        case prop::Width: c->geometry.width = clamp_extent(as_integer(value)); break;
        case prop::Height: c->geometry.height = clamp_extent(as_integer(value)); break;
        case prop::Tag: c->tag = as_text(value); return;
        case prop::Visible:
            c->visible = as_boolean(value);
            if (is_window) w->visibility_written = true;
            break;
        case prop::Disabled: c->disabled = as_boolean(value); break;
        case prop::MousePointer: c->cursor = cursor_of(as_integer(value)); break;
        case prop::ToolTip:
            if (c->tool_tip == as_text(value)) return;
            c->tool_tip = as_text(value);
            break;
        default:
            if (!write_own(*c, number, value)) return;
            if (c->kind == Kind::Timer) {
                // Writing the same period again does not restart it.
                if (c->interval != interval_before) restart_timer(*c);
                return;
            }
            // A caption rewritten unchanged (the search button's, whenever the
            // history list changes and the engine does not) shows nothing
            // new: spare the widget.
            if (c->kind != Kind::TransLabel && c->kind != Kind::ComboBox && c->text == text_before &&
                std::holds_alternative<Text>(value))
                return;
    }
    if (w->view) w->view->refresh(control, number);
    // A default button that comes into view takes the focus, as a dialog's
    // does, so that Enter and Space answer it at once.
    if (number == prop::Visible && c->kind == Kind::Button && c->desc->default_button && !c->disabled &&
        w->visible_now(*c) && w->view)
        w->view->focus(control);
    if (c->kind == Kind::ComboBox && c->selection != selection_before) raise(window, control, event::SelectionChanged);
    if (is_window && number == prop::Visible) schedule_timers();
    if (is_window) {
        const Geometry& g = c->geometry;
        if (g.left != before.left || g.top != before.top) raise(window, control, event::Moved);
        if (find_loaded(window) == w && (g.width != before.width || g.height != before.height))
            raise(window, control, event::Resized);
    }
}

std::int32_t ReadInteger(WindowId window, ControlId control, int number) {
    return as_integer(ReadProperty(window, control, number));
}

Text ReadText(WindowId window, ControlId control, int number) { return as_text(ReadProperty(window, control, number)); }

}  // namespace forms
