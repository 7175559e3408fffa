#pragma once
// Reads just enough of a BMP, GIF or JPEG file to tell its container, pixel
// size and frame count, independently of the program's own decoders, so the
// embedded pictures can be held to the sizes the layouts were drawn for.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace picture_headers {

enum class Format { bmp, gif, jpeg };

struct Header {
    Format format{};
    int width = 0, height = 0;
    int frames = 0;                 // GIF: image descriptors; BMP and JPEG: 1
    int bits_per_pixel = 0;         // BMP only
    std::uint32_t compression = 0;  // BMP only
    std::uint32_t alpha_mask = 0;   // BMP with a version 4 or 5 header only
    int min_delay_cs = 0;           // GIF: smallest delay of the graphic control extensions
    bool loops = false;             // GIF: carries the NETSCAPE2.0 looping block
};

// Fails with a message naming the first thing that is wrong; a file whose
// blocks or markers run past its end is not a picture.
struct Result {
    std::optional<Header> header;
    std::string error;
};

Result read_header(std::span<const std::uint8_t> bytes);

}  // namespace picture_headers
