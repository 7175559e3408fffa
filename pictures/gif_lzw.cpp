#include "pictures/gif_lzw.h"

#include <algorithm>

namespace forms::image {

GifLzw::GifLzw(std::span<const std::uint8_t> data, int min_code_size) : data_(data), min_code_size_(min_code_size) {
    // A minimum of 12 bits leaves no room for the clear and end codes in a
    // 12-bit table; below 1 bit there is no literal to speak of.
    if (min_code_size < 1 || min_code_size >= max_bits) {
        status_ = Status::invalid;
        return;
    }
    clear_code_ = 1 << min_code_size;
    end_code_ = clear_code_ + 1;
    for (int c = 0; c < clear_code_; ++c) {
        suffix_[c] = first_[c] = static_cast<std::uint8_t>(c);
        length_[c] = 1;
    }
    reset_table();
}

void GifLzw::reset_table() {
    code_bits_ = min_code_size_ + 1;
    next_free_ = end_code_ + 1;
    previous_ = -1;
}

int GifLzw::next_code() {
    while (bit_count_ < code_bits_) {
        if (byte_pos_ >= data_.size()) return -1;
        bit_buffer_ |= std::uint32_t{data_[byte_pos_++]} << bit_count_;
        bit_count_ += 8;
    }
    const int code = static_cast<int>(bit_buffer_ & ((1u << code_bits_) - 1));
    bit_buffer_ >>= code_bits_;
    bit_count_ -= code_bits_;
    return code;
}

void GifLzw::spell(int code) {
    const int len = length_[code];
    for (int i = len - 1; i >= 0; --i) {
        pending_[i] = suffix_[code];
        code = prefix_[code];
    }
    pending_begin_ = 0;
    pending_end_ = len;
}

// Handles one data code (not clear, not end); false when it cannot be explained.
bool GifLzw::take_code(int code) {
    if (previous_ < 0) {
        if (code >= clear_code_) return false;  // only a literal may follow a clear
        spell(code);
        previous_ = code;
        return true;
    }
    if (code > next_free_ || (code == next_free_ && next_free_ >= max_codes)) return false;
    if (next_free_ < max_codes) {
        // For the code being defined right now (the KwKwK case) the new
        // string starts with the previous one's first index.
        const int head = code < next_free_ ? first_[code] : first_[previous_];
        prefix_[next_free_] = static_cast<std::uint16_t>(previous_);
        suffix_[next_free_] = static_cast<std::uint8_t>(head);
        first_[next_free_] = first_[previous_];
        length_[next_free_] = static_cast<std::uint16_t>(length_[previous_] + 1);
        ++next_free_;
        if (next_free_ == (1 << code_bits_) && code_bits_ < max_bits) ++code_bits_;
    }
    // A full table is kept as it is until a clear code arrives (a deferred clear).
    spell(code);
    previous_ = code;
    return true;
}

std::size_t GifLzw::read(std::span<std::uint8_t> out) {
    std::size_t written = 0;
    while (written < out.size()) {
        if (pending_begin_ < pending_end_) {
            const std::size_t n = std::min<std::size_t>(out.size() - written, pending_end_ - pending_begin_);
            std::copy_n(pending_.begin() + pending_begin_, n, out.begin() + written);
            pending_begin_ += static_cast<int>(n);
            written += n;
            continue;
        }
        if (status_ != Status::reading) break;
        const int code = next_code();
        if (code < 0) {
            status_ = Status::exhausted;
        } else if (code == clear_code_) {
            reset_table();
        } else if (code == end_code_) {
            status_ = Status::ended;
        } else if (!take_code(code)) {
            status_ = Status::invalid;
        }
    }
    return written;
}

}  // namespace forms::image
