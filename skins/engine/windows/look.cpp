#include "skins/engine/windows/look.h"

#include <cstring>
#include <vector>

namespace she::win {
namespace {

// A pattern brush from the texture tile: a packed 24-bit DIB, bottom-up, rows
// padded to four bytes, which CreateDIBPatternBrushPt copies.
HBRUSH texture_brush(const Texture& tile) {
    const std::size_t stride = (std::size_t(tile.width) * 3 + 3) & ~std::size_t(3);
    std::vector<unsigned char> packed(sizeof(BITMAPINFOHEADER) + stride * tile.height);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = tile.width;
    header.biHeight = tile.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    std::memcpy(packed.data(), &header, sizeof header);
    for (int y = 0; y < tile.height; ++y) {
        const unsigned char* in = &tile.rgb[std::size_t(y) * tile.width * 3];
        unsigned char* out = &packed[sizeof header + stride * (tile.height - 1 - y)];
        for (int x = 0; x < tile.width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS);
}

}  // namespace

std::unique_ptr<Look> Look::make(Skin skin) {
    std::unique_ptr<Look> look(new Look(std::move(skin)));
    const auto& tile = look->skin_.texture(TextureTarget::WindowBack);
    look->window_ = tile ? texture_brush(*tile) : CreateSolidBrush(look->color(Role::WindowBack));
    if (look->window_ == nullptr) return nullptr;
    return look;
}

Look::~Look() {
    DeleteObject(window_);
    for (HBRUSH b : solid_)
        if (b != nullptr) DeleteObject(b);
}

HBRUSH Look::brush(Role role) const {
    HBRUSH& b = solid_[static_cast<std::size_t>(role)];
    // Should GDI refuse, the control gets no brush and paints as it would unskinned.
    if (b == nullptr) b = CreateSolidBrush(color(role));
    return b;
}

}  // namespace she::win
