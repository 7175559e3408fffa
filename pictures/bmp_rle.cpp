#include "pictures/bmp_rle.h"

#include "pictures/byte_reader.h"

namespace forms::image {
namespace {

class RleWriter {
public:
    RleWriter(const BmpLayout& layout, std::span<std::uint8_t> rgba) : layout_(layout), rgba_(rgba) {}

    bool room_for(int count) const { return y_ < layout_.height && x_ + count <= layout_.width; }
    bool put_index(int index) {
        if (index >= static_cast<int>(layout_.palette.size())) return false;
        const auto& c = layout_.palette[index];
        put_rgb(c[0], c[1], c[2]);
        return true;
    }
    void put_rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        // Stored rows run from the bottom of the picture up.
        const std::size_t row = static_cast<std::size_t>(layout_.height - 1 - y_);
        std::uint8_t* px = &rgba_[(row * layout_.width + x_) * 4];
        px[0] = r;
        px[1] = g;
        px[2] = b;
        px[3] = 255;
        ++x_;
    }
    void end_of_line() {
        x_ = 0;
        ++y_;
    }
    bool move(int dx, int dy) {
        x_ += dx;
        y_ += dy;
        return x_ <= layout_.width && y_ <= layout_.height;
    }

private:
    const BmpLayout& layout_;
    std::span<std::uint8_t> rgba_;
    int x_ = 0, y_ = 0;
};

// The index of pixel i of a run whose bytes are given by byte_at(i).
template <class ByteAt>
bool put_indices(RleWriter& out, BmpCoding coding, int count, ByteAt byte_at) {
    for (int i = 0; i < count; ++i) {
        const std::uint8_t b = byte_at(coding == BmpCoding::rle4 ? i / 2 : i);
        const int index = coding == BmpCoding::rle4 ? (i % 2 == 0 ? b >> 4 : b & 15) : b;
        if (!out.put_index(index)) return false;
    }
    return true;
}

bool encoded_run(ByteReader& in, RleWriter& out, BmpCoding coding, int count, std::uint8_t value) {
    if (!out.room_for(count)) return false;
    if (coding != BmpCoding::rle24) {
        return put_indices(out, coding, count, [value](int) { return value; });
    }
    const std::uint8_t g = in.u8(), r = in.u8();
    if (!in.ok()) return false;
    for (int i = 0; i < count; ++i) out.put_rgb(r, g, value);
    return true;
}

bool absolute_run(ByteReader& in, RleWriter& out, BmpCoding coding, int count) {
    if (!out.room_for(count)) return false;
    const std::size_t size = coding == BmpCoding::rle4    ? (count + 1) / 2
                             : coding == BmpCoding::rle24 ? count * 3
                                                          : count;
    const auto run = in.bytes(size);
    in.skip(size % 2);  // runs are padded to a 16-bit boundary
    if (run.empty()) return false;
    if (coding != BmpCoding::rle24) {
        return put_indices(out, coding, count, [run](int i) { return run[i]; });
    }
    for (int i = 0; i < count; ++i) out.put_rgb(run[i * 3 + 2], run[i * 3 + 1], run[i * 3]);
    return true;
}

}  // namespace

bool decode_bmp_rle(const BmpLayout& layout, std::span<const std::uint8_t> data, std::span<std::uint8_t> rgba) {
    ByteReader in(data);
    RleWriter out(layout, rgba);
    for (;;) {
        const int count = in.u8();
        const std::uint8_t value = in.u8();
        // A stream without its end-of-bitmap mark ends where the data does.
        if (!in.ok()) return true;
        bool fine = true;
        if (count > 0) {
            fine = encoded_run(in, out, layout.coding, count, value);
        } else if (value == 0) {
            out.end_of_line();
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            const int dx = in.u8(), dy = in.u8();
            fine = in.ok() && out.move(dx, dy);
        } else {
            fine = absolute_run(in, out, layout.coding, value);
        }
        if (!fine) return false;
    }
}

}  // namespace forms::image
