#pragma once
// The GIF logical screen as frames are drawn onto it: disposal of the previous
// image, the frames handed out so far, and the memory budget they live within.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "pictures/picture.h"

namespace forms::image {

struct GifPalette {
    std::uint8_t rgb[256 * 3] = {};
    int size = 0;
};

struct GifPlacement {
    int left = 0, top = 0, width = 0, height = 0;
};

enum class GifDisposal { keep, restore_background, restore_previous };

class GifCanvas {
public:
    GifCanvas(int width, int height);

    // Disposes of the previous image and gets ready for the next one.
    void begin_image(const GifPlacement& place, GifDisposal disposal);
    // Draws one row of the current image; returns how many indices it took,
    // fewer than indices.size() when one lies outside the palette.
    std::size_t draw_row(int image_row, std::span<const std::uint8_t> indices, const GifPalette& palette,
                         int transparent);
    // Hands out the screen as it stands; false when the budget is spent.
    bool finish_image(int delay_ms);

    bool has_frames() const { return !frames_.empty(); }
    Picture take_picture();

private:
    void clear_rect(const GifPlacement& place);

    int width_, height_;
    std::vector<std::uint8_t> screen_;
    std::vector<std::uint8_t> saved_;  // the screen before an image that restores it
    GifPlacement place_;
    GifDisposal disposal_ = GifDisposal::keep;
    bool drawn_any_ = false;
    std::vector<Frame> frames_;
    std::uint64_t bytes_used_ = 0;
};

}  // namespace forms::image
