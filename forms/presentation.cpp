#include "forms/presentation.h"

#include <algorithm>
#include <cstdint>

namespace forms {

namespace {

std::optional<Color> stated(Color color) {
    if (color == system_color) return std::nullopt;
    return color;
}

}  // namespace

int scaled(int length, int dpi, int from_dpi) {
    if (dpi == from_dpi || from_dpi <= 0) return length;
    // Halves round down (towards zero), negative lengths as their mirror: a
    // 14-pixel font at 125 % is 17 pixels high, no more than the boxes grow.
    const std::int64_t product = std::int64_t(length) * dpi;
    const std::int64_t half = (from_dpi - 1) / 2;
    return int(product >= 0 ? (product + half) / from_dpi : -((-product + half) / from_dpi));
}

Geometry scaled(const Geometry& g, int dpi, int from_dpi) {
    if (dpi == from_dpi) return g;
    const int left = scaled(g.left, dpi, from_dpi), top = scaled(g.top, dpi, from_dpi);
    return {left, top, scaled(g.left + g.width, dpi, from_dpi) - left, scaled(g.top + g.height, dpi, from_dpi) - top};
}

Font scaled(const Font& font, int dpi, int from_dpi) {
    Font f = font;
    f.height = scaled(font.height, dpi, from_dpi);
    return f;
}

int default_font_height(int system_height, int system_dpi, int dpi) {
    return scaled(scaled(system_height, unscaled_dpi, system_dpi), dpi);
}

FrameMargins classic_frame(Frame frame) {
    if (frame == Frame::None) return {};
    return {classic_border, classic_border + classic_caption, classic_border, classic_border};
}

Geometry client_of(const Geometry& outer, Frame frame) {
    const FrameMargins m = classic_frame(frame);
    return {outer.left + m.left, outer.top + m.top, std::max(0, outer.width - m.left - m.right),
            std::max(0, outer.height - m.top - m.bottom)};
}

Presentation presentation_of(const ControlState& c, int dpi, int from_dpi) {
    Presentation p;
    p.rect = scaled(c.geometry, dpi, from_dpi);
    if (c.desc != nullptr) {
        p.font = scaled(c.desc->font, dpi, from_dpi);
        p.colours = {stated(c.desc->text_color), stated(c.desc->back_color)};
    }
    return p;
}

BarShown bar_shown(const ControlProperties& bar) {
    const int low = std::min(bar.minimum, bar.maximum), high = std::max(bar.minimum, bar.maximum);
    if (low == high) return {low, low + 1, low};
    return {low, high, std::clamp(bar.position, low, high)};
}

LabelInk label_ink(const ControlProperties& label) {
    const Color ink = label.text_color == system_color ? black : label.text_color;
    LabelInk look;
    look.align = label.align;
    look.valign = label.valign;
    look.word_wrap = label.word_wrap;
    switch (label.effect) {
        case 1: look.passes = {InkPass{1, 1, white}, InkPass{0, 0, ink}}; break;
        case 2: look.passes = {InkPass{0, 0, white}, InkPass{1, 1, ink}}; break;
        case 3: look.passes = {InkPass{2, 2, black}, InkPass{0, 0, ink}}; break;
        default: look.passes[0] = {0, 0, ink}; return look;
    }
    look.pass_count = 2;
    return look;
}

PicturePlacement place_picture(const Geometry& box, int width, int height, DisplayMode mode, int dpi, int from_dpi) {
    const int natural_width = width, natural_height = height;
    width = scaled(width, dpi, from_dpi);
    height = scaled(height, dpi, from_dpi);
    Geometry to = box;
    if (mode == DisplayMode::Natural) {
        to.width = width;
        to.height = height;
    } else if (mode == DisplayMode::Fitted) {
        int w = width, h = height;
        if (w > box.width || h > box.height) {
            // Shrunk with the proportions kept, along the side that runs out first.
            if (std::int64_t(box.width) * h <= std::int64_t(box.height) * w) {
                h = int(std::int64_t(h) * box.width / std::max(w, 1));
                w = box.width;
            } else {
                w = int(std::int64_t(w) * box.height / std::max(h, 1));
                h = box.height;
            }
        }
        to = {box.left + (box.width - w) / 2, box.top + (box.height - h) / 2, w, h};
    }
    return {to, dpi != from_dpi || to.width < natural_width || to.height < natural_height};
}

bool takes_focus(Kind kind) { return kind == Kind::Button || kind == Kind::EditBox || kind == Kind::ComboBox; }

}  // namespace forms
