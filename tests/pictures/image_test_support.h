#pragma once
// Helpers shared by the picture tests: file and reference loading, pixel
// comparison, and writers for the small GIF and BMP files the tests build.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pictures/picture.h"

namespace image_test {

using Bytes = std::vector<std::uint8_t>;

Bytes read_file(const std::filesystem::path& path);
// The folder of one conformance suite (a path below the conformance images),
// or empty: the caller then skips, with why_no_suite() as the message. A
// build configured with conformance images that lack the suite records a
// failure first, so that the skip fails the test.
std::filesystem::path conformance_suite(const std::string& suite);
std::string why_no_suite();

struct Rgba {
    int width = 0, height = 0;
    Bytes pixels;
};
// The platform's own picture codecs, which the decoders under test never use
// (Qt on Linux, reference_qt.cpp; WIC on Windows, reference_wic.cpp):
// a PNG or JPEG reference as 8-bit RGBA,
std::optional<Rgba> load_reference(const std::filesystem::path& path);
// and a picture written as a JPEG file, in colour or grey.
Bytes encode_jpeg(const Rgba& picture, bool grey, int quality = 95);

// Empty when equal; otherwise where and how the first difference lies.
// Pixels that are transparent in both count as equal whatever their colour.
std::string pixel_difference(const Bytes& actual, const Bytes& expected, int width, int tolerance = 0);

// Little-endian byte appenders for building files in tests.
void put16(Bytes& out, unsigned v);
void put32(Bytes& out, std::uint32_t v);

}  // namespace image_test
