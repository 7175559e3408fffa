// JPEG through libjpeg-turbo, from memory. libjpeg reports fatal errors by
// calling error_exit, which must not return: we jump back out and give an
// empty picture instead of letting the library end the process.
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "pictures/picture.h"
#include "pictures/picture_limits.h"

namespace forms::image {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jump_out(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1); }

void stay_quiet(j_common_ptr, int) {}

// Adobe writes CMYK inverted; the common case in the wild is such files.
void cmyk_row_to_rgba(const std::uint8_t* in, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x, in += 4, out += 4) {
        const int k = in[3];
        out[0] = static_cast<std::uint8_t>(in[0] * k / 255);
        out[1] = static_cast<std::uint8_t>(in[1] * k / 255);
        out[2] = static_cast<std::uint8_t>(in[2] * k / 255);
        out[3] = 255;
    }
}

void rgb_row_to_rgba(const std::uint8_t* in, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x, in += 3, out += 4) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        out[3] = 255;
    }
}

// Everything that lives across the setjmp is kept outside this function's
// locals, so that longjmp cannot leave it in an indeterminate state.
struct Decoding {
    jpeg_decompress_struct info{};
    ErrorJump error{};
    std::vector<std::uint8_t> row;
    std::vector<std::uint8_t> rgba;
    Picture picture;
};

bool decode_into(Decoding& d, std::span<const std::uint8_t> bytes) {
    if (setjmp(d.error.jump)) return false;
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) return false;
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;  // grey comes out as RGB too
    if (!picture_size_allowed(d.info.image_width, d.info.image_height)) return false;
    jpeg_start_decompress(&d.info);
    const int width = static_cast<int>(d.info.output_width);
    const int height = static_cast<int>(d.info.output_height);
    d.row.resize(static_cast<std::size_t>(width) * d.info.output_components);
    d.rgba.resize(static_cast<std::size_t>(width) * height * 4);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW rows[1] = {d.row.data()};
        const std::size_t y = d.info.output_scanline;
        if (jpeg_read_scanlines(&d.info, rows, 1) != 1) return false;
        std::uint8_t* out = &d.rgba[y * width * 4];
        if (cmyk)
            cmyk_row_to_rgba(d.row.data(), out, width);
        else
            rgb_row_to_rgba(d.row.data(), out, width);
    }
    jpeg_finish_decompress(&d.info);
    d.picture.width = width;
    d.picture.height = height;
    d.picture.frames.push_back(Frame{std::move(d.rgba), 0});
    return true;
}

}  // namespace

Picture decode_jpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return {};
    auto d = std::make_unique<Decoding>();
    d->info.err = jpeg_std_error(&d->error.manager);
    d->error.manager.error_exit = jump_out;
    d->error.manager.emit_message = stay_quiet;
    jpeg_create_decompress(&d->info);
    const bool fine = decode_into(*d, bytes);
    jpeg_destroy_decompress(&d->info);
    return fine ? std::move(d->picture) : Picture{};
}

}  // namespace forms::image
