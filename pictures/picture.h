#pragma once
// Pictures as the form model shows them: every frame is the whole logical
// screen as it stands once that frame has been drawn over what the earlier
// frames' disposal left. Pixels are 8-bit RGBA, not premultiplied, row by row;
// pixels nothing has covered are transparent (alpha 0).
#include <cstdint>
#include <span>
#include <vector>

namespace forms::image {

struct Frame {
    std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
    // How long the frame stays: at least 20 ms in an animation (a GIF's
    // very short delays become 100 ms, as browsers show them); 0 for still
    // pictures.
    int delay_ms = 0;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<Frame> frames;  // empty when the bytes could not be decoded
    bool empty() const { return frames.empty(); }
};

// Our own decoders; any bytes, however malformed, give an empty picture.
Picture decode_gif(std::span<const std::uint8_t> bytes);
Picture decode_bmp(std::span<const std::uint8_t> bytes);
Picture decode_jpeg(std::span<const std::uint8_t> bytes);  // libjpeg-turbo or WIC, in memory
// Chooses the decoder by the leading bytes ("GIF8", "BM", FF D8).
Picture decode_picture(std::span<const std::uint8_t> bytes);

}  // namespace forms::image
