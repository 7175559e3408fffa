#pragma once
// Little-endian reads over untrusted file bytes. Every read is checked, so a
// decoder can walk a header field by field and only test ok() at the end.
#include <cstddef>
#include <cstdint>
#include <span>

namespace forms::image {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t pos = 0)
        : bytes_(bytes), pos_(pos), ok_(pos <= bytes.size()) {}

    bool ok() const { return ok_; }
    std::size_t pos() const { return pos_; }
    std::size_t remaining() const { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; }

    std::uint8_t u8() {
        if (!take(1)) return 0;
        return bytes_[pos_ - 1];
    }
    std::uint16_t u16() {
        if (!take(2)) return 0;
        return static_cast<std::uint16_t>(bytes_[pos_ - 2] | bytes_[pos_ - 1] << 8);
    }
    std::uint32_t u32() {
        if (!take(4)) return 0;
        const std::uint8_t* p = &bytes_[pos_ - 4];
        return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    // The next n bytes, or an empty span (and ok() false) when fewer remain.
    std::span<const std::uint8_t> bytes(std::size_t n) {
        if (!take(n)) return {};
        return bytes_.subspan(pos_ - n, n);
    }
    void skip(std::size_t n) { take(n); }

private:
    bool take(std::size_t n) {
        if (!ok_ || n > remaining()) {
            ok_ = false;
            pos_ = bytes_.size();
            return false;
        }
        pos_ += n;
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_;
    bool ok_;
};

}  // namespace forms::image
