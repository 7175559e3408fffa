#pragma once
// The ".SHE" skin format, and the plain description of a skin it is read into.
//
// This header and she_reader.cpp use no Qt on purpose: the reader is the part
// that meets untrusted bytes, so it stays small enough to fuzz on its own.
//
// Layout of a skin (all integers little-endian):
//
//   offset  size  field
//   0       4     magic ".SHE"
//   4       2     version, 1
//   6       2     reserved, 0 (other values are not an error)
//   8       ...   chunks, one after another up to the last byte
//
// A chunk is
//
//   0       4     tag, four ASCII characters
//   4       4     length of the payload in bytes
//   8       n     payload
//
// and the last chunk ends exactly at the end of the data. Chunks:
//
//   "NAME"  the skin's name, UTF-8, at most 63 bytes.
//   "COLR"  colour roles, 4 bytes each: role (Role below), red, green, blue.
//   "GRAD"  vertical gradients, 7 bytes each: target (GradientTarget below),
//           red, green, blue at the top, red, green, blue at the bottom.
//   "SHAP"  2 bytes: corner radius in pixels (0 to 12), frame width in pixels
//           (1 to 3).
//   "TEXR"  a texture: target (TextureTarget below), reserved byte, width and
//           height (2 bytes each, 1 to 128), then width * height pixels of
//           red, green, blue, row by row. The tile repeats over the target.
//   "PAD "  filler; its bytes mean nothing.
//
// A chunk with another tag is passed over, so a later version may add chunks.
// A role, target or texture target the reader does not know is passed over too.
// When a chunk repeats, its later entries win.
//
// A skin is unreadable, and changes nothing, when the magic or the version
// differs, a chunk runs past the end, the bytes after the last chunk are too
// few for a chunk header, there is no "COLR" chunk, or a known chunk's payload
// has the wrong length or a value out of its range.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace she {

inline constexpr unsigned char magic[4] = {'.', 'S', 'H', 'E'};
inline constexpr std::uint16_t version = 1;
inline constexpr std::size_t header_size = 8;
inline constexpr std::size_t chunk_header_size = 8;
inline constexpr std::size_t max_name_bytes = 63;
inline constexpr int max_corner_radius = 12;
inline constexpr int max_frame_width = 3;
inline constexpr int max_texture_side = 128;

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colour roles. The numbers are the format's; never renumber them.
// clang-format off
enum class Role : std::uint8_t {
    WindowBack = 0, WindowText = 1,
    ButtonFace = 2, ButtonText = 3,
    ButtonHoverFace = 4, ButtonHoverText = 5,
    ButtonPressedFace = 6, ButtonPressedText = 7,
    ButtonDisabledFace = 8, ButtonDisabledText = 9,
    ButtonBorder = 10,
    EditBack = 11, EditText = 12, EditBorder = 13, EditFocusBorder = 14,
    Selection = 15, SelectionText = 16,
    ComboBack = 17, ComboText = 18, ComboBorder = 19, ComboButton = 20,
    ListBack = 21, ListText = 22, ListSelection = 23, ListSelectionText = 24,
    GroupFrame = 25, GroupCaption = 26,
    TabStrip = 27, TabFace = 28, TabText = 29, TabSelectedFace = 30, TabSelectedText = 31,
    TabHoverFace = 32, PageBack = 33, PageBorder = 34,
    ProgressGroove = 35, ProgressChunk = 36, ProgressText = 37, ProgressBorder = 38,
    LabelText = 39, DisabledText = 40,
};
// clang-format on
inline constexpr std::size_t role_count = 41;

enum class GradientTarget : std::uint8_t {
    ButtonNormal = 0,
    ButtonHover = 1,
    ButtonPressed = 2,
    Tab = 3,
    TabSelected = 4,
    ProgressChunk = 5,
    ComboFace = 6,
};
inline constexpr std::size_t gradient_target_count = 7;

enum class TextureTarget : std::uint8_t { WindowBack = 0 };
inline constexpr std::size_t texture_target_count = 1;

struct Gradient {
    Rgb top, bottom;
    friend bool operator==(const Gradient&, const Gradient&) = default;
};

struct Texture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, row by row
    friend bool operator==(const Texture&, const Texture&) = default;
};

// Everything a skin says, with every colour role filled: a role the skin
// leaves out takes the colour of a related role (see fallback_role in the
// reader), so the engine never has to guess.
struct Skin {
    std::string name;
    std::array<Rgb, role_count> colors{};
    std::array<std::optional<Gradient>, gradient_target_count> gradients{};
    std::array<std::optional<Texture>, texture_target_count> textures{};
    int corner_radius = 0;
    int frame_width = 1;

    const Rgb& color(Role role) const { return colors[static_cast<std::size_t>(role)]; }
    const std::optional<Gradient>& gradient(GradientTarget target) const {
        return gradients[static_cast<std::size_t>(target)];
    }
    const std::optional<Texture>& texture(TextureTarget target) const {
        return textures[static_cast<std::size_t>(target)];
    }
};

// The role whose colour a role takes when a skin leaves it out; role_count
// for the few roots, which take a plain colour of their own.
std::size_t fallback_of(Role role);

// Reads a skin; nothing when the bytes are not a readable skin. Never reads
// outside [data, data + size) and keeps no pointer into it.
std::optional<Skin> read_skin(const unsigned char* data, std::size_t size);

}  // namespace she
