// Jason Summers' BMP Suite: every good file as its reference image, every bad
// one refused, the questionable ones as their references allow.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "image_test_support.h"
#include "pictures/picture.h"

namespace fs = std::filesystem;
using namespace image_test;
using forms::image::decode_bmp;
using forms::image::Picture;

namespace {

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, sep);) parts.push_back(part);
    return parts;
}

// Questionable files we refuse on purpose: compressions we do not decode
// (Huffman, embedded JPEG and PNG) and 64-bit pixels.
const std::set<std::string> refused_on_purpose = {"q/pal1huffmsb.bmp", "q/rgb24jpeg.bmp", "q/rgb24png.bmp",
                                                  "q/rgba64.bmp"};
// Decoded without their colour profile, which is all we promise for them.
const std::set<std::string> profile_ignored = {"q/rgb24prof2.bmp"};
// Channels wider than 8 bits: their references (some of them 16-bit PNGs)
// come to 8 bits by a rounding that may differ from ours by one step.
const std::set<std::string> wide_channels = {"q/rgb32-111110.bmp", "q/rgb32-7187.bmp", "q/rgba32-61754.bmp",
                                             "q/rgba32-81284.bmp"};

// Empty when the picture equals one of the references, else why not.
std::string match_any(const Picture& picture, const fs::path& html, const std::vector<std::string>& refs,
                      int tolerance) {
    std::string why;
    for (const auto& name : refs) {
        if (name == "pal8nonsquare-v.png") continue;  // stretched for display; -e is the real size
        const auto ref = load_reference(html / name);
        if (!ref) return "cannot read reference " + name;
        if (ref->width != picture.width || ref->height != picture.height) {
            why += name + ": size differs; ";
            continue;
        }
        const auto diff = pixel_difference(picture.frames[0].rgba, ref->pixels, ref->width, tolerance);
        if (diff.empty()) return {};
        why += name + ": " + diff + "; ";
    }
    return why;
}

TEST(BmpSuite, EveryFileIsDecodedAsItsReferenceOrRefused) {
    const fs::path dir = conformance_suite("bmpsuite-2.8");
    if (dir.empty()) GTEST_SKIP() << why_no_suite();
    std::ifstream table(dir / "expected.tsv");
    int good = 0, bad = 0, questionable = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto cols = split(line, '\t');
        ASSERT_GE(cols.size(), 4u);
        const std::string& file = cols[0];
        const std::string& kind = cols[1];
        SCOPED_TRACE(file);
        const Picture picture = decode_bmp(read_file(dir / file));
        if (kind == "bad" || kind == "related-format" || refused_on_purpose.count(file)) {
            EXPECT_TRUE(picture.empty()) << file << " should be refused";
            ++bad;
            continue;
        }
        ASSERT_FALSE(picture.empty()) << file << " should be decoded";
        ASSERT_EQ(picture.frames.size(), 1u);
        EXPECT_EQ(picture.frames[0].delay_ms, 0);
        if (profile_ignored.count(file)) {
            EXPECT_EQ(picture.width, 127);
            EXPECT_EQ(picture.height, 64);
        } else {
            EXPECT_EQ(match_any(picture, dir / "html", split(cols[3], '|'), wide_channels.count(file) ? 1 : 0), "")
                << file;
        }
        (kind == "good" ? good : questionable)++;
    }
    EXPECT_EQ(good, 27);
    EXPECT_EQ(bad, 21 + static_cast<int>(refused_on_purpose.size()));
    EXPECT_EQ(questionable, 43 - static_cast<int>(refused_on_purpose.size()));
}

}  // namespace
