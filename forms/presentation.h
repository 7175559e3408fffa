#pragma once
// What the views show of a control, decided once here and handed to them as
// plain values: a view only realises these with its own toolkit. A value is
// computed from the control's state as it is now, so every view that shows a
// control the same way shows it the same; a later rule that holds for every
// rectangle or font of a window (a scale) or every control (an accessible
// name) belongs in presentation_of().
#include <array>
#include <optional>

#include "forms/window_state.h"

namespace forms {

// The colours a control's layout states for it. They win over a skin, which
// gives whatever is left to the system; skins/engine/own_colours.h says how
// each view tells the skin engine which colours are its own.
struct OwnColours {
    std::optional<Color> text, back;
};

// One control as a view shows it.
struct Presentation {
    Geometry rect;  // in its parent's client area
    Font font;
    OwnColours colours;
};
Presentation presentation_of(const ControlState& c);

// A progress bar's range and position as a bar control takes them. An empty
// range (which toolkits draw as busy) shows as an empty bar; the position
// lies inside the range.
struct BarShown {
    int low = 0, high = 1, position = 0;
};
BarShown bar_shown(const ControlProperties& bar);

// A transparent label's text is drawn in passes, in order: an effect draws a
// white or black copy, one or two pixels off, under or over the text in its
// own colour (black when the layout leaves it to the system).
struct InkPass {
    int dx = 0, dy = 0;
    Color color = black;
};
struct LabelInk {
    std::array<InkPass, 2> passes{};
    int pass_count = 1;
    Align align = Align::Left;
    VAlign valign = VAlign::Top;  // unwrapped text only; wrapped text starts at the top
    bool word_wrap = true;
};
LabelInk label_ink(const ControlProperties& label);

// Where a picture box draws a picture of the given size in `box`, the area
// inside its border, by its display mode; smooth when the picture is shrunk
// (shrunk logos and covers read better smoothed; enlarged ones stay crisp).
struct PicturePlacement {
    Geometry rect;
    bool smooth = false;
};
PicturePlacement place_picture(const Geometry& box, int width, int height, DisplayMode mode);

// Whether a control of this kind takes the keyboard focus, and so a place
// in the window's tab order.
bool takes_focus(Kind kind);

}  // namespace forms
