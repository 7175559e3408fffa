#pragma once
// The variable-length LZW code stream of one GIF image, read as a stream of
// colour indices so that the caller can take it row by row and never has to
// hold an image whose declared size is larger than its data.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace forms::image {

class GifLzw {
public:
    enum class Status {
        reading,    // more indices may follow
        ended,      // the end code was read
        exhausted,  // the data ran out without an end code
        invalid,    // a code that no table entry can explain, or a bad code size
    };

    // data is the image's sub-blocks joined; min_code_size is the byte before them.
    GifLzw(std::span<const std::uint8_t> data, int min_code_size);

    // Fills out with the next indices and returns how many it wrote; fewer than
    // out.size() only once status() is no longer reading.
    std::size_t read(std::span<std::uint8_t> out);
    Status status() const { return status_; }

private:
    static constexpr int max_codes = 4096;
    static constexpr int max_bits = 12;

    int next_code();
    void reset_table();
    bool take_code(int code);
    void spell(int code);

    std::span<const std::uint8_t> data_;
    std::size_t byte_pos_ = 0;
    std::uint32_t bit_buffer_ = 0;
    int bit_count_ = 0;

    int min_code_size_;
    int clear_code_ = 0, end_code_ = 0;
    int code_bits_ = 0;
    int next_free_ = 0;
    int previous_ = -1;
    Status status_ = Status::reading;

    std::array<std::uint16_t, max_codes> prefix_{};
    std::array<std::uint8_t, max_codes> suffix_{};
    std::array<std::uint8_t, max_codes> first_{};
    std::array<std::uint16_t, max_codes> length_{};

    // The spelt string of the last code, not yet handed out.
    std::array<std::uint8_t, max_codes> pending_{};
    int pending_begin_ = 0, pending_end_ = 0;
};

}  // namespace forms::image
