// The 58 built-in skins as the program carries them.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <set>
#include <tuple>

#include "skins/catalogue.h"
#include "skins/engine/she_format.h"

namespace {

using she::Role;

// Sizes in bytes by skin number, as the catalogue must carry them.
constexpr int sizes[59] = {
    0,     18930, 13192, 24409, 30738, 8321,  26370, 15733, 12105, 23603, 20863, 11676, 17997, 11725, 37461,
    30958, 25715, 34523, 28961, 29447, 15562, 20738, 18765, 31134, 44110, 20275, 20703, 17460, 16675, 11121,
    10017, 8490,  11740, 19752, 26506, 18056, 8565,  7177,  10937, 10008, 10591, 32808, 5057,  7497,  16746,
    9026,  27155, 24495, 5088,  11135, 7715,  8099,  5319,  10218, 28555, 6896,  16551, 49705, 20975,
};

she::Skin skin(int number) {
    const ByteSet bytes = catalogue_skin(number);
    auto read = she::read_skin(bytes.data(), bytes.size());
    return read ? *read : she::Skin{};
}

int luma(const she::Rgb& c) { return (299 * c.red + 587 * c.green + 114 * c.blue) / 1000; }
int spread(const she::Rgb& c) { return std::max({c.red, c.green, c.blue}) - std::min({c.red, c.green, c.blue}); }
bool contrasts(const she::Rgb& text, const she::Rgb& back) { return std::abs(luma(text) - luma(back)) >= 90; }

// Each skin: its size, the magic, readable, textured, readable text, and
// unlike every other one in window and progress colours.
TEST(SkinCatalogue, CarriesFiftyEightDistinctReadableSkinsOfTheirSizes) {
    long total = 0;
    std::set<std::tuple<int, int, int, int, int, int>> seen;
    for (int number = first_skin; number <= last_skin; ++number) {
        const ByteSet bytes = catalogue_skin(number);
        total += long(bytes.size());
        EXPECT_EQ(int(bytes.size()), sizes[number]) << number;
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(std::memcmp(bytes.data(), ".SHE", 4), 0) << number;
        const auto s = she::read_skin(bytes.data(), bytes.size());
        ASSERT_TRUE(s) << number;
        EXPECT_TRUE(s->texture(she::TextureTarget::WindowBack)) << number;
        EXPECT_TRUE(contrasts(s->color(Role::WindowText), s->color(Role::WindowBack))) << number;
        EXPECT_TRUE(contrasts(s->color(Role::EditText), s->color(Role::EditBack))) << number;
        EXPECT_TRUE(contrasts(s->color(Role::ButtonText), s->color(Role::ButtonFace))) << number;
        const auto& back = s->color(Role::WindowBack);
        const auto& chunk = s->color(Role::ProgressChunk);
        EXPECT_TRUE(seen.insert({back.red, back.green, back.blue, chunk.red, chunk.green, chunk.blue}).second)
            << number;
    }
    EXPECT_EQ(total, 1074149);
    for (int number : {0, -1, 59, 60, INT_MIN, INT_MAX}) EXPECT_TRUE(catalogue_skin(number).empty()) << number;
}

TEST(SkinCatalogue, NamedSkinsLookLikeTheirNames) {
    struct Case {
        int number;
        const char* looks;
        std::function<bool(const she::Skin&)> holds;
    };
    const Case cases[] = {
        {1, "classic blue: a light window tinted blue",
         [](const she::Skin& s) {
             const auto& w = s.color(Role::WindowBack);
             return luma(w) > 180 && w.blue > w.red + 20 &&
                    s.color(Role::ButtonBorder).blue > s.color(Role::ButtonBorder).red;
         }},
        {3, "bold black: a black window with light text",
         [](const she::Skin& s) {
             return luma(s.color(Role::WindowBack)) < 40 && luma(s.color(Role::WindowText)) > 180;
         }},
        {2, "grey with light orange: a grey window, orange progress and selection",
         [](const she::Skin& s) {
             const auto& w = s.color(Role::WindowBack);
             const auto& o = s.color(Role::ProgressChunk);
             return spread(w) < 12 && luma(w) > 150 && o.red > 200 && o.red > o.green && o.green > o.blue;
         }},
        {4, "the Windows 7 look: near-white blue-tinted window, green progress",
         [](const she::Skin& s) {
             const auto& w = s.color(Role::WindowBack);
             const auto& p = s.color(Role::ProgressChunk);
             return luma(w) > 220 && w.blue >= w.red && p.green > 150 && p.red < 60;
         }},
        {8, "deep blue: a dark navy window",
         [](const she::Skin& s) {
             const auto& w = s.color(Role::WindowBack);
             return luma(w) < 70 && w.blue > w.red + 30;
         }},
        {36, "all black: window, pages, boxes and lists black",
         [](const she::Skin& s) {
             for (Role r : {Role::WindowBack, Role::PageBack, Role::EditBack, Role::ListBack, Role::ProgressGroove})
                 if (luma(s.color(r)) > 8) return false;
             return true;
         }},
        {9, "the XP look: a beige window, navy-framed buttons",
         [](const she::Skin& s) {
             const auto& w = s.color(Role::WindowBack);
             const auto& b = s.color(Role::ButtonBorder);
             return luma(w) > 200 && w.red >= w.green && w.green > w.blue && b.blue > b.red && luma(b) < 80;
         }},
        {15, "fresh green: a green-tinted window and green accents",
         [](const she::Skin& s) {
             const auto& w = s.color(Role::WindowBack);
             const auto& a = s.color(Role::Selection);
             return w.green > w.red && w.green > w.blue && a.green > a.red + 50 && a.green > a.blue + 50;
         }},
        {6, "the first-start skin: light and calm",
         [](const she::Skin& s) {
             return luma(s.color(Role::WindowBack)) > 200 && spread(s.color(Role::WindowBack)) < 30;
         }},
    };
    for (const auto& c : cases) EXPECT_TRUE(c.holds(skin(c.number))) << c.number << ": " << c.looks;
}

}  // namespace
