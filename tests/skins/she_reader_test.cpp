// The ".SHE" reader on skins built byte by byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skins/engine/she_format.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using she::Role;

Bytes le16(unsigned v) { return {std::uint8_t(v), std::uint8_t(v >> 8)}; }
Bytes le32(std::uint32_t v) {
    return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

// A skin put together chunk by chunk.
struct Builder {
    Bytes bytes = {'.', 'S', 'H', 'E', 1, 0, 0, 0};

    Builder& chunk(const char* tag, const Bytes& payload, std::uint32_t length) {
        bytes.insert(bytes.end(), tag, tag + 4);
        const Bytes n = le32(length);
        bytes.insert(bytes.end(), n.begin(), n.end());
        bytes.insert(bytes.end(), payload.begin(), payload.end());
        return *this;
    }
    Builder& chunk(const char* tag, const Bytes& payload) { return chunk(tag, payload, std::uint32_t(payload.size())); }
    Builder& colors(std::initializer_list<std::pair<Role, she::Rgb>> entries) {
        Bytes payload;
        for (auto [role, c] : entries) payload.insert(payload.end(), {std::uint8_t(role), c.red, c.green, c.blue});
        return chunk("COLR", payload);
    }
    Builder& texture(unsigned target, unsigned width, unsigned height, std::size_t pixel_bytes) {
        Bytes payload = {std::uint8_t(target), 0};
        for (auto part : {le16(width), le16(height)}) payload.insert(payload.end(), part.begin(), part.end());
        for (std::size_t i = 0; i < pixel_bytes; ++i) payload.push_back(std::uint8_t(i * 7));
        return chunk("TEXR", payload);
    }
    std::optional<she::Skin> read() const { return she::read_skin(bytes.data(), bytes.size()); }
};

constexpr she::Rgb red{200, 10, 10}, green{10, 200, 10}, blue{10, 10, 200};

Builder minimal() { return Builder().colors({{Role::WindowBack, red}}); }

TEST(SheReader, RefusesWhatIsNotAReadableSkin) {
    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"magic only", {'.', 'S', 'H', 'E'}},
        {"other magic",
         [] {
             auto b = minimal().bytes;
             b[1] = 's';
             return b;
         }()},
        {"version 2",
         [] {
             auto b = minimal().bytes;
             b[4] = 2;
             return b;
         }()},
        {"version 0",
         [] {
             auto b = minimal().bytes;
             b[4] = 0;
             return b;
         }()},
        {"no colours", Builder().chunk("NAME", {'a'}).bytes},
        {"chunk longer than the data", minimal().chunk("PAD ", {1, 2, 3}, 4).bytes},
        {"length near 4 GiB", minimal().chunk("PAD ", {1, 2, 3}, 0xFFFFFFFFu).bytes},
        {"a few stray bytes at the end",
         [] {
             auto b = minimal().bytes;
             b.insert(b.end(), {'P', 'A', 'D'});
             return b;
         }()},
        {"colour entry cut short", Builder().chunk("COLR", {0, 1, 2, 3, 1}).bytes},
        {"gradient entry cut short", minimal().chunk("GRAD", {0, 1, 2, 3, 4, 5}).bytes},
        {"shape of three bytes", minimal().chunk("SHAP", {2, 1, 0}).bytes},
        {"corner radius 13", minimal().chunk("SHAP", {13, 1}).bytes},
        {"frame width 0", minimal().chunk("SHAP", {2, 0}).bytes},
        {"frame width 4", minimal().chunk("SHAP", {2, 4}).bytes},
        {"name of 64 bytes", minimal().chunk("NAME", Bytes(64, 'n')).bytes},
        {"texture 0 wide", minimal().texture(0, 0, 4, 0).bytes},
        {"texture 129 high", minimal().texture(0, 2, 129, 2 * 129 * 3).bytes},
        {"texture short of a pixel", minimal().texture(0, 4, 4, 4 * 4 * 3 - 3).bytes},
        {"texture with a byte too many", minimal().texture(0, 4, 4, 4 * 4 * 3 + 1).bytes},
        {"texture header cut short", minimal().chunk("TEXR", {0, 0, 4}).bytes},
    };
    for (const auto& c : cases) EXPECT_FALSE(she::read_skin(c.bytes.data(), c.bytes.size())) << c.what;
    EXPECT_FALSE(she::read_skin(nullptr, 100));
}

TEST(SheReader, ReadsEveryChunk) {
    const auto skin = minimal()
                          .chunk("NAME", {'B', 'l', 'u', 'e'})
                          .chunk("XTRA", {1, 2, 3})  // a later version's chunk: passed over
                          .colors({{Role::ButtonText, green}, {Role::ProgressChunk, red}, {Role(200), red}})
                          .colors({{Role::ProgressChunk, blue}})  // later entries win
                          .chunk("GRAD", {5, 1, 2, 3, 4, 5, 6, 0, 9, 9, 9, 8, 8, 8})
                          .chunk("SHAP", {12, 3})
                          .texture(0, 2, 3, 18)
                          .chunk("PAD ", Bytes(40, 0xFF))
                          .read();
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin->name, "Blue");
    EXPECT_EQ(skin->color(Role::WindowBack), red);
    EXPECT_EQ(skin->color(Role::ButtonText), green);
    EXPECT_EQ(skin->color(Role::ProgressChunk), blue);
    EXPECT_EQ(skin->gradient(she::GradientTarget::ProgressChunk), (she::Gradient{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(skin->gradient(she::GradientTarget::ButtonNormal), (she::Gradient{{9, 9, 9}, {8, 8, 8}}));
    EXPECT_FALSE(skin->gradient(she::GradientTarget::Tab));
    EXPECT_EQ(skin->corner_radius, 12);
    EXPECT_EQ(skin->frame_width, 3);
    const auto& texture = skin->texture(she::TextureTarget::WindowBack);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->width, 2);
    EXPECT_EQ(texture->height, 3);
    ASSERT_EQ(texture->rgb.size(), 18u);
    EXPECT_EQ(texture->rgb[17], std::uint8_t(17 * 7));

    const auto longest_name = minimal().chunk("NAME", Bytes(63, 'n')).read();
    ASSERT_TRUE(longest_name) << "a name of the largest size, 63 bytes";
    EXPECT_EQ(longest_name->name, std::string(63, 'n'));
}

TEST(SheReader, ALeftOutRoleTakesARelatedColour) {
    struct Case {
        Role given;
        std::vector<Role> follow;  // take the given role's colour
        std::vector<Role> keep;    // do not
    };
    const Case cases[] = {
        {Role::WindowBack,
         {Role::ButtonFace, Role::PageBack, Role::TabStrip, Role::TabFace, Role::ButtonHoverFace},
         {Role::EditBack, Role::Selection}},
        {Role::ButtonFace,
         {Role::ButtonHoverFace, Role::ButtonPressedFace, Role::ButtonDisabledFace, Role::TabFace, Role::ComboButton},
         {Role::WindowBack, Role::PageBack}},
        {Role::Selection, {Role::EditFocusBorder, Role::ListSelection, Role::ProgressChunk}, {Role::EditBack}},
        {Role::EditBack, {Role::ComboBack, Role::ListBack, Role::ProgressGroove}, {Role::WindowBack}},
        {Role::WindowText,
         {Role::ButtonText, Role::EditText, Role::ListText, Role::LabelText, Role::GroupCaption, Role::ButtonBorder,
          Role::GroupFrame, Role::PageBorder},
         {Role::DisabledText, Role::ButtonDisabledText}},
        {Role::DisabledText, {Role::ButtonDisabledText}, {Role::WindowText}},
    };
    for (const auto& c : cases) {
        const auto skin = Builder().colors({{c.given, {1, 2, 3}}}).read();
        ASSERT_TRUE(skin);
        for (Role role : c.follow)
            EXPECT_EQ(skin->color(role), (she::Rgb{1, 2, 3})) << int(c.given) << " -> " << int(role);
        for (Role role : c.keep)
            EXPECT_NE(skin->color(role), (she::Rgb{1, 2, 3})) << int(c.given) << " -> " << int(role);
    }
}

}  // namespace
