#include "image_test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

namespace image_test {

Bytes read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path conformance_suite(const std::string& suite) {
    // ctest passes the configured folder on, empty for none; a test started
    // by hand looks beside the work tree, as the configuration does.
    const char* configured = std::getenv("YZ_CONFORMANCE");
    std::filesystem::path root;
    if (configured == nullptr) {
        root = std::filesystem::path(YZ_SOURCE_DIR) / ".." / "shared" / "conformance";
        if (!std::filesystem::is_directory(root / "images")) return {};
    } else if (*configured == '\0') {
        return {};
    } else {
        root = configured;
    }
    const auto dir = root / "images" / suite;
    if (std::filesystem::is_directory(dir)) return dir;
    ADD_FAILURE() << "the conformance images have no " << dir << ": the folder " << root
                  << " was configured for them but lacks it. It is the shared conformance/ folder "
                     "(images/bmpsuite-2.8 and images/gif, described in its images/README.md).";
    return {};
}

std::string why_no_suite() {
    if (testing::Test::HasFailure()) return "the conformance images are missing";
    return "no conformance images in this build (see tests/conformance.cmake); to run this test, "
           "configure with -DYZ_CONFORMANCE=<a copy of the shared conformance/ folder>";
}

std::string pixel_difference(const Bytes& actual, const Bytes& expected, int width, int tolerance) {
    if (actual.size() != expected.size()) {
        return "size " + std::to_string(actual.size()) + " vs " + std::to_string(expected.size());
    }
    for (std::size_t i = 0; i < actual.size(); i += 4) {
        if (actual[i + 3] == 0 && expected[i + 3] == 0) continue;
        for (int c = 0; c < 4; ++c) {
            if (std::abs(actual[i + c] - expected[i + c]) > tolerance) {
                std::ostringstream s;
                const std::size_t px = i / 4;
                s << "pixel (" << px % width << "," << px / width << ") is " << int{actual[i]} << ","
                  << int{actual[i + 1]} << "," << int{actual[i + 2]} << "," << int{actual[i + 3]} << " not "
                  << int{expected[i]} << "," << int{expected[i + 1]} << "," << int{expected[i + 2]} << ","
                  << int{expected[i + 3]};
                return s.str();
            }
        }
    }
    return {};
}

void put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace image_test
