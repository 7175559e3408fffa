#include <cstring>

#include "pictures/picture.h"

namespace forms::image {

Picture decode_picture(std::span<const std::uint8_t> bytes) {
    const auto starts_with = [bytes](const char* magic, std::size_t n) {
        return bytes.size() >= n && std::memcmp(bytes.data(), magic, n) == 0;
    };
    if (starts_with("GIF8", 4)) return decode_gif(bytes);
    if (starts_with("BM", 2)) return decode_bmp(bytes);
    if (starts_with("\xFF\xD8", 2)) return decode_jpeg(bytes);
    return {};
}

}  // namespace forms::image
