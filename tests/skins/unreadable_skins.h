#pragma once
// What the skin engine is handed but cannot read, made from a good skin;
// each must leave the look in force unchanged.
#include <cstdint>
#include <utility>
#include <vector>

class UnreadableSkins {
public:
    struct Case {
        const char* what;
        const unsigned char* data;
        int size;
    };

    explicit UnreadableSkins(std::vector<std::uint8_t> good) : good_(std::move(good)), bad_version_(good_) {
        bad_version_[4] = 2;
    }

    std::vector<Case> cases() const {
        return {
            {"no data", nullptr, 0},
            {"no data with a size", nullptr, 100},
            {"size 0", good_.data(), 0},
            {"negative size", good_.data(), -5},
            {"garbage", garbage_.data(), int(garbage_.size())},
            {"cut short", good_.data(), int(good_.size() / 2)},
            {"unknown version", bad_version_.data(), int(bad_version_.size())},
        };
    }

private:
    std::vector<std::uint8_t> good_, bad_version_;
    std::vector<std::uint8_t> garbage_ = std::vector<std::uint8_t>(4000, 0xA5);
};
