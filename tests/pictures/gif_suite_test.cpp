// The two public GIF suites, decoded as the program decodes its pictures and
// compared with their reference frames.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "image_test_support.h"
#include "pictures/picture.h"

namespace fs = std::filesystem;
using namespace image_test;
using forms::image::decode_gif;
using forms::image::Picture;

namespace {

using Ini = std::map<std::string, std::map<std::string, std::string>>;

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

Ini read_ini(const fs::path& path) {
    Ini ini;
    std::ifstream in(path);
    std::string line, section;
    while (std::getline(in, line)) {
        line = trim(line);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
        } else if (const auto eq = line.find('='); eq != std::string::npos) {
            ini[section][trim(line.substr(0, eq))] = trim(line.substr(eq + 1));
        }
    }
    return ini;
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::stringstream in(s);
    for (std::string part; std::getline(in, part, sep);)
        if (!trim(part).empty()) parts.push_back(trim(part));
    return parts;
}

struct RefFrame {
    Bytes rgba;
    int delay_cs = -1;  // -1: the suite gives none
};

// Every image is a frame for us, as in browsers; the suite merges images
// shown for no time into the next one. So its frames must appear among ours
// in order, with their delays, and its last frame must be our last one.
void expect_frames_in_order(const Picture& picture, const std::vector<RefFrame>& refs, bool every_image_a_frame,
                            const std::string& name) {
    if (every_image_a_frame) { EXPECT_EQ(picture.frames.size(), refs.size()) << name; }
    std::size_t ours = 0;
    for (std::size_t k = 0; k < refs.size(); ++k) {
        const bool last = k + 1 == refs.size();
        std::string why = "no frame left";
        for (; ours < picture.frames.size(); ++ours) {
            if (last) ours = picture.frames.size() - 1;
            const auto& frame = picture.frames[ours];
            why = pixel_difference(frame.rgba, refs[k].rgba, picture.width);
            if (why.empty() && refs[k].delay_cs >= 2 && frame.delay_ms != refs[k].delay_cs * 10)
                why = "delay " + std::to_string(frame.delay_ms) + " ms";
            if (why.empty()) break;
        }
        ASSERT_TRUE(why.empty()) << name << " reference frame " << k << ": " << why;
        ++ours;
    }
}

TEST(GifSuite, PygifTestsMatchTheirReferenceFrames) {
    const fs::path dir = conformance_suite("gif/pygif-test-suite");
    if (dir.empty()) GTEST_SKIP() << why_no_suite();
    std::ifstream list(dir / "TESTS");
    int checked = 0;
    for (std::string name; std::getline(list, name);) {
        name = trim(name);
        if (name.empty()) continue;
        SCOPED_TRACE(name);
        Ini conf = read_ini(dir / (name + ".conf"));
        const Picture picture = decode_gif(read_file(dir / conf["config"]["input"]));
        const auto frame_names = split(conf["config"]["frames"], ',');
        ++checked;
        if (frame_names.empty()) {
            EXPECT_TRUE(picture.empty()) << name << " should be refused";
            continue;
        }
        ASSERT_FALSE(picture.empty()) << name;
        EXPECT_EQ(picture.width, std::stoi(conf["config"]["width"]));
        EXPECT_EQ(picture.height, std::stoi(conf["config"]["height"]));
        std::vector<RefFrame> refs;
        for (const auto& f : frame_names) {
            RefFrame ref{read_file(dir / conf[f]["pixels"]), -1};
            if (conf[f].count("delay")) ref.delay_cs = std::stoi(conf[f]["delay"]);
            refs.push_back(std::move(ref));
        }
        expect_frames_in_order(picture, refs, conf["config"]["force-animation"] == "yes", name);
    }
    EXPECT_EQ(checked, 84);
}

TEST(GifSuite, PeterdnGifsMatchTheirCoalescedFrames) {
    const fs::path dir = conformance_suite("gif/peterdn-gif-test-suite");
    if (dir.empty()) GTEST_SKIP() << why_no_suite();
    std::ifstream table(dir / "expected.tsv");
    int checked = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto cols = split(line, '\t');
        ASSERT_GE(cols.size(), 3u);
        SCOPED_TRACE(cols[0]);
        const Picture picture = decode_gif(read_file(dir / cols[0]));
        const auto refs = split(cols[2], '|');
        ASSERT_EQ(picture.frames.size(), static_cast<std::size_t>(std::stoi(cols[1])));
        ASSERT_EQ(picture.frames.size(), refs.size());
        for (std::size_t k = 0; k < refs.size(); ++k) {
            const auto ref = load_reference(dir / "gifs/frames" / refs[k]);
            ASSERT_TRUE(ref);
            ASSERT_EQ(picture.width, ref->width);
            ASSERT_EQ(picture.height, ref->height);
            EXPECT_EQ(pixel_difference(picture.frames[k].rgba, ref->pixels, ref->width), "") << "frame " << k;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 13);
}

}  // namespace
