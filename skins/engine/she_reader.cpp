// Reads ".SHE" bytes into a she::Skin. No Qt here: see she_format.h.
#include "skins/engine/she_format.h"

#include <cstring>

namespace she {
namespace {

constexpr std::size_t no_role = role_count;

// Where a colour comes from when the skin leaves its role out. Roots have no
// fallback and take the plain colour beside them. Every chain ends in a root;
// the reader's tests walk all of them.
struct RoleDefault {
    Role role;
    std::size_t fallback;
    Rgb plain;
};
constexpr std::size_t r(Role role) { return static_cast<std::size_t>(role); }
// clang-format off
constexpr RoleDefault role_defaults[role_count] = {
    {Role::WindowBack,         no_role,                    {240, 240, 240}},
    {Role::WindowText,         no_role,                    {0, 0, 0}},
    {Role::ButtonFace,         r(Role::WindowBack),        {}},
    {Role::ButtonText,         r(Role::WindowText),        {}},
    {Role::ButtonHoverFace,    r(Role::ButtonFace),        {}},
    {Role::ButtonHoverText,    r(Role::ButtonText),        {}},
    {Role::ButtonPressedFace,  r(Role::ButtonHoverFace),   {}},
    {Role::ButtonPressedText,  r(Role::ButtonText),        {}},
    {Role::ButtonDisabledFace, r(Role::ButtonFace),        {}},
    {Role::ButtonDisabledText, r(Role::DisabledText),      {}},
    {Role::ButtonBorder,       r(Role::WindowText),        {}},
    {Role::EditBack,           no_role,                    {255, 255, 255}},
    {Role::EditText,           r(Role::WindowText),        {}},
    {Role::EditBorder,         r(Role::ButtonBorder),      {}},
    {Role::EditFocusBorder,    r(Role::Selection),         {}},
    {Role::Selection,          no_role,                    {51, 153, 255}},
    {Role::SelectionText,      no_role,                    {255, 255, 255}},
    {Role::ComboBack,          r(Role::EditBack),          {}},
    {Role::ComboText,          r(Role::EditText),          {}},
    {Role::ComboBorder,        r(Role::EditBorder),        {}},
    {Role::ComboButton,        r(Role::ButtonFace),        {}},
    {Role::ListBack,           r(Role::ComboBack),         {}},
    {Role::ListText,           r(Role::ComboText),         {}},
    {Role::ListSelection,      r(Role::Selection),         {}},
    {Role::ListSelectionText,  r(Role::SelectionText),     {}},
    {Role::GroupFrame,         r(Role::ButtonBorder),      {}},
    {Role::GroupCaption,       r(Role::WindowText),        {}},
    {Role::TabStrip,           r(Role::WindowBack),        {}},
    {Role::TabFace,            r(Role::ButtonFace),        {}},
    {Role::TabText,            r(Role::ButtonText),        {}},
    {Role::TabSelectedFace,    r(Role::PageBack),          {}},
    {Role::TabSelectedText,    r(Role::TabText),           {}},
    {Role::TabHoverFace,       r(Role::ButtonHoverFace),   {}},
    {Role::PageBack,           r(Role::WindowBack),        {}},
    {Role::PageBorder,         r(Role::GroupFrame),        {}},
    {Role::ProgressGroove,     r(Role::EditBack),          {}},
    {Role::ProgressChunk,      r(Role::Selection),         {}},
    {Role::ProgressText,       r(Role::WindowText),        {}},
    {Role::ProgressBorder,     r(Role::EditBorder),        {}},
    {Role::LabelText,          r(Role::WindowText),        {}},
    {Role::DisabledText,       no_role,                    {128, 128, 128}},
};
// clang-format on

constexpr bool every_chain_ends_in_a_root() {
    for (std::size_t start = 0; start < role_count; ++start) {
        if (r(role_defaults[start].role) != start) return false;
        std::size_t role = start, steps = 0;
        while (role_defaults[role].fallback != no_role) {
            role = role_defaults[role].fallback;
            if (++steps > role_count) return false;
        }
    }
    return true;
}
static_assert(every_chain_ends_in_a_root(), "role_defaults: rows out of order or a fallback loop");

// Reads within one chunk's payload; every read is checked against its end.
class Cursor {
public:
    Cursor(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t left() const { return size_ - at_; }
    bool take(std::size_t n, const unsigned char*& out) {
        if (n > left()) return false;
        out = data_ + at_;
        at_ += n;
        return true;
    }
    bool u8(unsigned& out) {
        const unsigned char* p;
        if (!take(1, p)) return false;
        out = p[0];
        return true;
    }
    bool u16(unsigned& out) {
        const unsigned char* p;
        if (!take(2, p)) return false;
        out = unsigned(p[0]) | unsigned(p[1]) << 8;
        return true;
    }
    bool u32(std::uint32_t& out) {
        const unsigned char* p;
        if (!take(4, p)) return false;
        out = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
        return true;
    }
    bool rgb(Rgb& out) {
        const unsigned char* p;
        if (!take(3, p)) return false;
        out = {p[0], p[1], p[2]};
        return true;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Found {
    Skin skin;
    std::array<bool, role_count> given{};
    bool has_colors = false;
};

bool read_name(Cursor payload, Found& found) {
    if (payload.left() > max_name_bytes) return false;
    const unsigned char* p;
    const std::size_t n = payload.left();
    payload.take(n, p);
    found.skin.name.assign(reinterpret_cast<const char*>(p), n);
    return true;
}

bool read_colors(Cursor payload, Found& found) {
    if (payload.left() % 4 != 0) return false;
    found.has_colors = true;
    unsigned role;
    Rgb color;
    while (payload.u8(role) && payload.rgb(color)) {
        if (role >= role_count) continue;
        found.skin.colors[role] = color;
        found.given[role] = true;
    }
    return true;
}

bool read_gradients(Cursor payload, Found& found) {
    if (payload.left() % 7 != 0) return false;
    unsigned target;
    Gradient gradient;
    while (payload.u8(target) && payload.rgb(gradient.top) && payload.rgb(gradient.bottom)) {
        if (target < gradient_target_count) found.skin.gradients[target] = gradient;
    }
    return true;
}

bool read_shape(Cursor payload, Found& found) {
    unsigned radius, frame;
    if (payload.left() != 2 || !payload.u8(radius) || !payload.u8(frame)) return false;
    if (int(radius) > max_corner_radius || frame < 1 || int(frame) > max_frame_width) return false;
    found.skin.corner_radius = int(radius);
    found.skin.frame_width = int(frame);
    return true;
}

bool read_texture(Cursor payload, Found& found) {
    unsigned target, reserved, width, height;
    if (!payload.u8(target) || !payload.u8(reserved) || !payload.u16(width) || !payload.u16(height)) return false;
    if (width < 1 || height < 1 || int(width) > max_texture_side || int(height) > max_texture_side) return false;
    const std::size_t pixels = std::size_t(width) * height * 3;
    if (payload.left() != pixels) return false;
    if (target >= texture_target_count) return true;
    const unsigned char* p;
    payload.take(pixels, p);
    found.skin.textures[target] = Texture{int(width), int(height), std::vector<std::uint8_t>(p, p + pixels)};
    return true;
}

bool read_chunk(const unsigned char* tag, Cursor payload, Found& found) {
    auto is = [tag](const char* name) { return std::memcmp(tag, name, 4) == 0; };
    if (is("NAME")) return read_name(payload, found);
    if (is("COLR")) return read_colors(payload, found);
    if (is("GRAD")) return read_gradients(payload, found);
    if (is("SHAP")) return read_shape(payload, found);
    if (is("TEXR")) return read_texture(payload, found);
    return true;  // "PAD " and chunks of later versions
}

Rgb resolve(const Found& found, std::size_t role) {
    // Ends: the table is checked for loops at compile time.
    while (!found.given[role]) {
        if (role_defaults[role].fallback == no_role) return role_defaults[role].plain;
        role = role_defaults[role].fallback;
    }
    return found.skin.colors[role];
}

}  // namespace

std::optional<Skin> read_skin(const unsigned char* data, std::size_t size) {
    if (data == nullptr || size < header_size || std::memcmp(data, magic, 4) != 0) return std::nullopt;
    Cursor file(data, size);
    const unsigned char* skip;
    unsigned file_version, reserved;
    file.take(4, skip);
    if (!file.u16(file_version) || !file.u16(reserved) || file_version != version) return std::nullopt;

    Found found;
    while (file.left() > 0) {
        const unsigned char* tag;
        std::uint32_t length;
        const unsigned char* payload;
        if (!file.take(4, tag) || !file.u32(length) || !file.take(length, payload)) return std::nullopt;
        if (!read_chunk(tag, Cursor(payload, length), found)) return std::nullopt;
    }
    if (!found.has_colors) return std::nullopt;

    std::array<Rgb, role_count> colors;
    for (std::size_t role = 0; role < role_count; ++role) colors[role] = resolve(found, role);
    found.skin.colors = colors;
    return std::move(found.skin);
}

std::size_t fallback_of(Role role) { return role_defaults[static_cast<std::size_t>(role)].fallback; }

}  // namespace she
