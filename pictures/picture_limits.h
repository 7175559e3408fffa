#pragma once
// Bounds that keep a hostile or broken picture file from taking the program's
// memory or time: the pictures the program carries are a few hundred pixels wide.
#include <cstddef>
#include <cstdint>

namespace forms::image {

inline constexpr std::uint64_t kMaxPicturePixels = 64ull * 1024 * 1024;
// All frames of one animation together, in bytes of RGBA.
inline constexpr std::uint64_t kMaxAnimationBytes = 256ull * 1024 * 1024;
inline constexpr std::size_t kMaxFrames = 1000;

inline bool picture_size_allowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 &&
           static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <=
               kMaxPicturePixels;
}

}  // namespace forms::image
