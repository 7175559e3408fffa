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

// A display's scale as dots per inch: 96 is 100 %, 144 is 150 %.
inline constexpr int unscaled_dpi = 96;

// The one rounding rule for every length of a layout shown at a scale: to
// the nearest pixel, halves towards zero (so text never grows faster than
// the boxes that hold it). A rectangle's edges are scaled, not its size, so that
// controls that touch at 100 % still touch at any scale.
int scaled(int length, int dpi, int from_dpi = unscaled_dpi);
Geometry scaled(const Geometry& g, int dpi, int from_dpi = unscaled_dpi);
// A font's character height at the scale. The system's default GUI font (no
// face, no height) comes from the system at the system's scale, where its
// height is rounded by points: a view takes it at 100 % and scales it from
// there, so that it grows no faster than the layout either.
Font scaled(const Font& font, int dpi, int from_dpi = unscaled_dpi);
int default_font_height(int system_height, int system_dpi, int dpi);

// The frame the layouts were drawn around: a framed window's layout gives
// its outer size with a 3-pixel border each side and a 19-pixel caption;
// what is left is the client area its controls were placed in. A frameless
// window is all client area.
struct FrameMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
};
FrameMargins classic_frame(Frame frame);
// The client area (size, and place on the screen) of a window of that outer
// geometry in the classic frame.
Geometry client_of(const Geometry& outer, Frame frame);

// One control as a view shows it, at the window's scale (views whose
// toolkit scales by itself ask from the screen's scale, at which their
// pixels are the layout's).
struct Presentation {
    Geometry rect;  // in its parent's client area
    Font font;
    OwnColours colours;
};
Presentation presentation_of(const ControlState& c, int dpi = unscaled_dpi, int from_dpi = unscaled_dpi);

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
// (shrunk logos and covers read better smoothed; enlarged ones stay crisp at
// 100 %) and at every other scale, where pixels would be doubled unevenly.
// A picture's own size counts at the scale, as a layout's lengths do.
struct PicturePlacement {
    Geometry rect;
    bool smooth = false;
};
PicturePlacement place_picture(const Geometry& box, int width, int height, DisplayMode mode, int dpi = unscaled_dpi,
                               int from_dpi = unscaled_dpi);

// Whether a control of this kind takes the keyboard focus, and so a place
// in the window's tab order.
bool takes_focus(Kind kind);

}  // namespace forms
