// Fuzzes the skin reader: any bytes give a skin or nothing, never a crash,
// and a skin read is whole.
#include <cstddef>
#include <cstdint>

#include "skins/engine/she_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto skin = she::read_skin(data, size);
    if (!skin) return 0;
    if (skin->name.size() > she::max_name_bytes) __builtin_trap();
    if (skin->corner_radius > she::max_corner_radius || skin->frame_width < 1 ||
        skin->frame_width > she::max_frame_width)
        __builtin_trap();
    for (const auto& texture : skin->textures) {
        if (!texture) continue;
        if (texture->width < 1 || texture->width > she::max_texture_side || texture->height < 1 ||
            texture->height > she::max_texture_side ||
            texture->rgb.size() != std::size_t(texture->width) * std::size_t(texture->height) * 3)
            __builtin_trap();
    }
    return 0;
}
