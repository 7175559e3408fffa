#include "pictures/gif_canvas.h"

#include <algorithm>

#include "pictures/picture_limits.h"

namespace forms::image {

GifCanvas::GifCanvas(int width, int height)
    : width_(width),
      height_(height),
      screen_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0) {}

void GifCanvas::clear_rect(const GifPlacement& place) {
    const int x0 = std::min(place.left, width_), x1 = std::min(place.left + place.width, width_);
    const int y0 = std::min(place.top, height_), y1 = std::min(place.top + place.height, height_);
    for (int y = y0; y < y1; ++y) {
        auto row = screen_.begin() + (static_cast<std::size_t>(y) * width_ + x0) * 4;
        std::fill(row, row + (x1 - x0) * 4, std::uint8_t{0});
    }
}

void GifCanvas::begin_image(const GifPlacement& place, GifDisposal disposal) {
    if (drawn_any_) {
        // Browsers clear to transparent rather than to the background colour.
        if (disposal_ == GifDisposal::restore_background) clear_rect(place_);
        if (disposal_ == GifDisposal::restore_previous) screen_ = saved_;
    }
    if (disposal == GifDisposal::restore_previous) saved_ = screen_;
    place_ = place;
    disposal_ = disposal;
    drawn_any_ = true;
}

std::size_t GifCanvas::draw_row(int image_row, std::span<const std::uint8_t> indices, const GifPalette& palette,
                                int transparent) {
    const int y = place_.top + image_row;
    const bool row_visible = y < height_;
    std::uint8_t* out = row_visible ? &screen_[(static_cast<std::size_t>(y) * width_) * 4] : nullptr;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const int index = indices[i];
        if (index == transparent) continue;
        if (index >= palette.size) return i;
        const std::size_t x = static_cast<std::size_t>(place_.left) + i;
        if (!row_visible || x >= static_cast<std::size_t>(width_)) continue;
        std::uint8_t* px = out + x * 4;
        px[0] = palette.rgb[index * 3];
        px[1] = palette.rgb[index * 3 + 1];
        px[2] = palette.rgb[index * 3 + 2];
        px[3] = 255;
    }
    return indices.size();
}

bool GifCanvas::finish_image(int delay_ms) {
    if (frames_.size() >= max_frames || bytes_used_ + screen_.size() > max_animation_bytes) return false;
    bytes_used_ += screen_.size();
    frames_.push_back(Frame{screen_, delay_ms});
    return true;
}

Picture GifCanvas::take_picture() {
    Picture picture;
    if (frames_.empty()) {
        // A screen with no image on it shows as the empty screen it is.
        frames_.push_back(Frame{screen_, 0});
    }
    picture.width = width_;
    picture.height = height_;
    picture.frames = std::move(frames_);
    if (picture.frames.size() == 1) picture.frames[0].delay_ms = 0;
    return picture;
}

}  // namespace forms::image
