#pragma once
// Windows and controls as plain data. A layout is a table of ControlDesc rows
// built with the small constexpr setters below, so that a row reads like the
// line of the layout it encodes:
//
//   combo(组合框1, "组合框1", {3, 8, 109, 20}).list(engine_names, 0).colors(black, white),
//
// Strings are GBK (string literals are compiled to GBK).
#include <cstdint>
#include <span>
#include <string_view>

#include "forms/ids.h"

namespace forms {

using Color = std::int32_t;                // 0xRRGGBB
inline constexpr Color system_color = -1;  // the system's default for the element
inline constexpr Color black = 0x000000, white = 0xFFFFFF;

using Picture = const std::span<const std::uint8_t>*;  // embedded bytes (GIF, BMP or JPEG)

struct Geometry {
    int left = 0, top = 0, width = 0, height = 0;
};

// A face, a weight and a character height in pixels. An empty face is the
// system's default GUI font. A face beginning with "@" is the vertical variant.
struct Font {
    std::string_view face;
    int weight = 400;
    int height = 0;
    bool underline = false;
};
inline constexpr int normal = 400, bold = 700;

enum class Cursor { Arrow, Hand };
enum class Align { Left = 0, Centre = 1, Right = 2 };
enum class VAlign { Top = 0, Middle = 1, Bottom = 2 };
enum class TabSide { Top, Right };
// A picture box's border; an edit box has None or Sunken.
enum class Border { None = 0, Sunken = 1, Raised = 2, ThinSunken = 3, SunkenInRaised = 4, Line = 5 };
// How a picture box places its picture: natural size from the top left,
// stretched over the box, or fitted (shrunk, never enlarged) and centred.
enum class DisplayMode { Natural = 0, Stretched = 1, Fitted = 2 };

// The properties a control has both in its layout row and in a loaded
// window: the layout gives their first values, the form model keeps the
// current ones (forms/window_state.h). Texts are apart, since a layout's are
// constant and the model's are its own.
struct ControlProperties {
    Kind kind = Kind::Label;
    ControlId id = 0;
    ControlId parent = 0;  // 0: the window itself; else a group box or a tab control
    int page = -1;         // page of the parent tab control
    Geometry geometry;
    bool visible = true;
    bool disabled = false;
    Cursor cursor = Cursor::Arrow;

    Color text_color = system_color;
    Align align = Align::Left;  // transparent label text, edit box text, group box caption
    VAlign valign = VAlign::Top;
    bool word_wrap = true;  // transparent label
    int effect = 0;         // transparent label, 0 to 3

    Border border = Border::None;                       // picture box; edit box
    DisplayMode display_mode = DisplayMode::Stretched;  // picture box
    bool animate = true;                                // picture box

    int selection = -1;                            // combo box selection, tab control current page
    int minimum = 0, maximum = 100, position = 0;  // progress bar
    int interval = 0;                              // timer, milliseconds
};

struct ControlDesc : ControlProperties {
    std::string_view name;
    std::string_view tag;
    std::string_view text;  // caption, or an edit box's content
    Font font;
    Color back_color = system_color;
    Picture picture = nullptr;  // picture box

    std::span<const std::string_view> items;  // combo box list, tab control page titles
    int drop_height = 0;                      // combo box: least height of the dropped list
    int max_length = 0;                       // edit box, in GBK bytes; 0: no limit

    bool continuous = true;           // progress bar
    TabSide tab_side = TabSide::Top;  // tab control
    bool multi_row = false;           // tab control
    bool default_button = false;      // button
    std::string_view spoken;          // the name a screen reader speaks instead of what the control shows
    std::string_view purpose;         // what a screen reader says the control does
    // Entries of the control's context menu (right button, Shift+F10, the
    // menu key); none when empty. The layout stays as it is.
    std::span<const std::string_view> menu;

    // Setters for layout rows.
    // clang-format off
    constexpr ControlDesc at(ControlId p, int pg = -1) const { auto c = *this; c.parent = p; c.page = pg; return c; }
    constexpr ControlDesc hidden() const { auto c = *this; c.visible = false; return c; }
    constexpr ControlDesc disable() const { auto c = *this; c.disabled = true; return c; }
    constexpr ControlDesc hand() const { auto c = *this; c.cursor = Cursor::Hand; return c; }
    constexpr ControlDesc caption(std::string_view t) const { auto c = *this; c.text = t; return c; }
    constexpr ControlDesc with_font(Font f) const { auto c = *this; c.font = f; return c; }
    constexpr ControlDesc colors(Color fg, Color bg = system_color) const { auto c = *this; c.text_color = fg; c.back_color = bg; return c; }
    constexpr ControlDesc aligned(Align a, VAlign v = VAlign::Top) const { auto c = *this; c.align = a; c.valign = v; return c; }
    constexpr ControlDesc single_line() const { auto c = *this; c.word_wrap = false; return c; }
    constexpr ControlDesc with_effect(int e) const { auto c = *this; c.effect = e; return c; }
    constexpr ControlDesc with_border(Border b) const { auto c = *this; c.border = b; return c; }
    constexpr ControlDesc shows(Picture p, DisplayMode mode = DisplayMode::Stretched) const { auto c = *this; c.picture = p; c.display_mode = mode; return c; }
    constexpr ControlDesc still() const { auto c = *this; c.animate = false; return c; }
    constexpr ControlDesc list(std::span<const std::string_view> i, int sel = 0) const { auto c = *this; c.items = i; c.selection = sel; return c; }
    constexpr ControlDesc dropped_at_least(int h) const { auto c = *this; c.drop_height = h; return c; }
    constexpr ControlDesc limit(int bytes) const { auto c = *this; c.max_length = bytes; return c; }
    constexpr ControlDesc range(int lo, int hi, int pos = 0) const { auto c = *this; c.minimum = lo; c.maximum = hi; c.position = pos; return c; }
    constexpr ControlDesc in_blocks() const { auto c = *this; c.continuous = false; return c; }
    constexpr ControlDesc pages(std::span<const std::string_view> titles, int current = 0) const { auto c = *this; c.items = titles; c.selection = current; return c; }
    constexpr ControlDesc tabs_right(bool rows = true) const { auto c = *this; c.tab_side = TabSide::Right; c.multi_row = rows; return c; }
    constexpr ControlDesc as_default() const { auto c = *this; c.default_button = true; return c; }
    constexpr ControlDesc with_tag(std::string_view t) const { auto c = *this; c.tag = t; return c; }
    constexpr ControlDesc spoken_as(std::string_view n) const { auto c = *this; c.spoken = n; return c; }
    constexpr ControlDesc does(std::string_view p) const { auto c = *this; c.purpose = p; return c; }
    constexpr ControlDesc with_menu(std::span<const std::string_view> entries) const { auto c = *this; c.menu = entries; return c; }
    // clang-format on
};

// One constructor per kind: identifier, name, left, top, width, height.
constexpr ControlDesc control(Kind k, ControlId id, std::string_view name, Geometry g) {
    ControlDesc c;
    c.kind = k;
    c.id = id;
    c.name = name;
    c.geometry = g;
    return c;
}
// clang-format off
constexpr ControlDesc edit_box(ControlId id, std::string_view n, Geometry g) { auto c = control(Kind::EditBox, id, n, g); c.border = Border::Sunken; return c; }
constexpr ControlDesc pic_box(ControlId id, std::string_view n, Geometry g) { return control(Kind::PicBox, id, n, g); }
constexpr ControlDesc group_box(ControlId id, std::string_view n, Geometry g) { return control(Kind::GroupBox, id, n, g); }
constexpr ControlDesc label(ControlId id, std::string_view n, Geometry g) { return control(Kind::Label, id, n, g); }
constexpr ControlDesc button(ControlId id, std::string_view n, Geometry g) { return control(Kind::Button, id, n, g); }
constexpr ControlDesc combo(ControlId id, std::string_view n, Geometry g) { return control(Kind::ComboBox, id, n, g); }
constexpr ControlDesc progress_bar(ControlId id, std::string_view n, Geometry g) { return control(Kind::ProgressBar, id, n, g); }
constexpr ControlDesc tab(ControlId id, std::string_view n, Geometry g) { return control(Kind::Tab, id, n, g); }
constexpr ControlDesc timer(ControlId id, std::string_view n, int ms) { auto c = control(Kind::Timer, id, n, {}); c.interval = ms; return c; }
constexpr ControlDesc trans_label(ControlId id, std::string_view n, Geometry g) { return control(Kind::TransLabel, id, n, g); }
// clang-format on

enum class Frame { FixedWithTitle, None };

struct WindowDesc {
    WindowId id = 0;
    ControlId self = 0;  // the window's own control identifier
    std::string_view name;
    std::string_view title;
    std::string_view spoken = {};  // the name a screen reader speaks, where the title is empty
    Geometry geometry;             // left, top (never used: windows start centred), outer width, height
    Frame frame = Frame::FixedWithTitle;
    bool minimize_box = true;
    bool maximize_box = false;
    bool always_on_top = false;
    bool esc_closes = false;
    bool enter_moves_focus = false;
    bool centred = true;
    bool visible = true;
    Picture icon = nullptr;
    std::span<const ControlDesc> controls;
};

}  // namespace forms
