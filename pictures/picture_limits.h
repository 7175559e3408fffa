#pragma once
// Bounds that keep a hostile or broken picture file from taking the program's
// memory or time: the pictures the program carries are a few hundred pixels wide.
#include <cstddef>
#include <cstdint>

namespace forms::image {

inline constexpr std::uint64_t max_picture_pixels = 64ull * 1024 * 1024;
// All frames of one animation together, in bytes of RGBA.
inline constexpr std::uint64_t max_animation_bytes = 256ull * 1024 * 1024;
inline constexpr std::size_t max_frames = 1000;

inline bool picture_size_allowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 &&
           static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= max_picture_pixels;
}

}  // namespace forms::image
