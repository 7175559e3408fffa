// GIF87a/GIF89a: blocks are read one after another and every image becomes a
// frame, as browsers show them. A file that ends early keeps what was decoded;
// data that contradicts itself ends the decoding there.
#include <cstring>
#include <vector>

#include "pictures/byte_reader.h"
#include "pictures/gif_canvas.h"
#include "pictures/gif_lzw.h"
#include "pictures/picture.h"
#include "pictures/picture_limits.h"

namespace forms::image {
namespace {

struct GraphicControl {
    GifDisposal disposal = GifDisposal::keep;
    int delay_cs = 0;
    int transparent = -1;
};

enum class Step { more, done, broken };

bool read_palette(ByteReader& in, int size_bits, GifPalette& palette) {
    palette.size = 2 << size_bits;
    const auto rgb = in.bytes(static_cast<std::size_t>(palette.size) * 3);
    if (!in.ok()) return false;
    std::memcpy(palette.rgb, rgb.data(), rgb.size());
    return true;
}

// Sub-blocks joined; stops quietly at the end of the file.
std::vector<std::uint8_t> read_sub_blocks(ByteReader& in) {
    std::vector<std::uint8_t> joined;
    for (;;) {
        const std::size_t size = in.u8();
        if (!in.ok() || size == 0) break;
        const auto block = in.bytes(size);
        if (!in.ok()) break;
        joined.insert(joined.end(), block.begin(), block.end());
    }
    return joined;
}

void skip_sub_blocks(ByteReader& in) {
    for (;;) {
        const std::size_t size = in.u8();
        if (!in.ok() || size == 0) return;
        in.skip(size);
    }
}

GifDisposal disposal_of(int method) {
    if (method == 2) return GifDisposal::restore_background;
    if (method == 3) return GifDisposal::restore_previous;
    return GifDisposal::keep;  // 0, 1 and the undefined 4..7
}

GraphicControl read_graphic_control(ByteReader& in) {
    GraphicControl control;
    const auto body = read_sub_blocks(in);
    if (body.size() < 4) return control;
    control.disposal = disposal_of((body[0] >> 2) & 7);
    control.delay_cs = body[1] | body[2] << 8;
    if (body[0] & 1) control.transparent = body[3];
    return control;
}

// Very short delays are shown as 100 ms, as browsers do, so that such
// animations do not race.
int delay_ms_of(int delay_cs) { return delay_cs <= 1 ? 100 : delay_cs * 10; }

// Image rows in the order they are stored: four passes when interlaced.
class RowOrder {
public:
    RowOrder(int height, bool interlaced) : height_(height), interlaced_(interlaced) {
        if (interlaced_) settle();
    }
    bool done() const { return row_ >= height_; }
    int row() const { return row_; }
    void advance() {
        if (!interlaced_) {
            ++row_;
            return;
        }
        row_ += pass_step[pass_];
        settle();
    }

private:
    static constexpr int pass_start[4] = {0, 4, 2, 1};
    static constexpr int pass_step[4] = {8, 8, 4, 2};
    void settle() {
        while (row_ >= height_ && pass_ < 3) row_ = pass_start[++pass_];
    }
    int height_;
    bool interlaced_;
    int pass_ = 0;
    int row_ = 0;
};

// Decodes the image's rows onto the canvas; false when its data is invalid.
// pixels_taken counts the indices that reached the canvas before that.
bool draw_image(GifCanvas& canvas, GifLzw& lzw, const GifPlacement& place, bool interlaced, const GifPalette& palette,
                int transparent, std::size_t& pixels_taken) {
    if (place.width == 0 || place.height == 0) return true;  // its data can say nothing
    std::vector<std::uint8_t> row(static_cast<std::size_t>(place.width));
    for (RowOrder order(place.height, interlaced); !order.done(); order.advance()) {
        const std::size_t got = lzw.read(row);
        const std::size_t taken = canvas.draw_row(order.row(), std::span(row).first(got), palette, transparent);
        pixels_taken += taken;
        if (taken < got) return false;
        if (got < row.size()) break;
    }
    return lzw.status() != GifLzw::Status::invalid;
}

Step read_image(ByteReader& in, GifCanvas& canvas, const GifPalette& global, const GraphicControl& control) {
    GifPlacement place;
    place.left = in.u16();
    place.top = in.u16();
    place.width = in.u16();
    place.height = in.u16();
    const int flags = in.u8();
    if (!in.ok()) return Step::done;

    canvas.begin_image(place, control.disposal);
    const auto finish = [&](Step step) {
        if (!canvas.finish_image(delay_ms_of(control.delay_cs))) return Step::done;
        return step;
    };
    GifPalette local;
    if ((flags & 0x80) && !read_palette(in, flags & 7, local)) return finish(Step::done);
    const int min_code_size = in.u8();
    if (!in.ok()) return finish(Step::done);
    const auto data = read_sub_blocks(in);
    const bool truncated = !in.ok();

    GifLzw lzw(data, min_code_size);
    std::size_t pixels_taken = 0;
    if (!draw_image(canvas, lzw, place, (flags & 0x40) != 0, (flags & 0x80) ? local : global, control.transparent,
                    pixels_taken)) {
        // Whatever was drawn before the fault stays visible; an image that
        // is wrong from its first code shows nothing at all.
        return pixels_taken > 0 ? finish(Step::broken) : Step::broken;
    }
    return finish(truncated ? Step::done : Step::more);
}

Step read_extension(ByteReader& in, GraphicControl& control) {
    const int label = in.u8();
    if (label == 0xF9) {
        control = read_graphic_control(in);
    } else if (label == 0x01) {
        // Plain text would have to be rendered with a font of our choosing;
        // such files are refused rather than shown without their text.
        return Step::broken;
    } else {
        skip_sub_blocks(in);
    }
    return in.ok() ? Step::more : Step::done;
}

}  // namespace

Picture decode_gif(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    const auto signature = in.bytes(6);
    if (!in.ok() ||
        (std::memcmp(signature.data(), "GIF87a", 6) != 0 && std::memcmp(signature.data(), "GIF89a", 6) != 0)) {
        return {};
    }
    const int width = in.u16();
    const int height = in.u16();
    const int flags = in.u8();
    in.skip(2);  // background colour and aspect ratio: browsers ignore both
    GifPalette global;
    if (!in.ok() || !picture_size_allowed(width, height)) return {};
    if ((flags & 0x80) && !read_palette(in, flags & 7, global)) return {};

    GifCanvas canvas(width, height);
    GraphicControl control;
    Step step = Step::more;
    while (step == Step::more) {
        const int introducer = in.u8();
        if (!in.ok() || introducer == 0x3B) break;
        if (introducer == 0x21) {
            step = read_extension(in, control);
        } else if (introducer == 0x2C) {
            step = read_image(in, canvas, global, control);
            control = GraphicControl{};
        } else {
            step = Step::broken;
        }
    }
    if (step == Step::broken && !canvas.has_frames()) return {};
    return canvas.take_picture();
}

}  // namespace forms::image
