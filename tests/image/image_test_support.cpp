#include "image_test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace image_test {

Bytes read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path conformance_images() {
    const char* root = std::getenv("YZ_CONFORMANCE");
    // The shared folder sits beside the work tree when the variable is not passed on.
    const std::filesystem::path base =
        root ? std::filesystem::path(root)
             : std::filesystem::path(YZ_SOURCE_DIR) / ".." / "shared" / "conformance";
    const auto dir = base / "images";
    return std::filesystem::is_directory(dir) ? dir : std::filesystem::path{};
}

std::string pixel_difference(const Bytes& actual, const Bytes& expected, int width,
                             int tolerance) {
    if (actual.size() != expected.size()) {
        return "size " + std::to_string(actual.size()) + " vs " + std::to_string(expected.size());
    }
    for (std::size_t i = 0; i < actual.size(); i += 4) {
        if (actual[i + 3] == 0 && expected[i + 3] == 0) continue;
        for (int c = 0; c < 4; ++c) {
            if (std::abs(actual[i + c] - expected[i + c]) > tolerance) {
                std::ostringstream s;
                const std::size_t px = i / 4;
                s << "pixel (" << px % width << "," << px / width << ") is " << int{actual[i]}
                  << "," << int{actual[i + 1]} << "," << int{actual[i + 2]} << ","
                  << int{actual[i + 3]} << " not " << int{expected[i]} << ","
                  << int{expected[i + 1]} << "," << int{expected[i + 2]} << ","
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
