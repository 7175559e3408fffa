#pragma once
// Texts joined while compiling. A caption that shows a configured number (a
// chat group's) is layout data, yet the number is kept only once, beside the
// hosts; joining the pieces here keeps both facts in one place.
//
//   inline constexpr std::string_view label = join<prefix, hosts::novel_group_number>;
//
// Every piece must be a constexpr std::string_view with static storage.
#include <array>
#include <cstddef>
#include <string_view>

namespace sites {

template <const std::string_view&... Pieces>
struct Joined {
    static constexpr std::size_t size = (Pieces.size() + ... + 0);
    static constexpr std::array<char, size + 1> bytes = [] {
        std::array<char, size + 1> out{};
        std::size_t at = 0;
        for (std::string_view piece : {Pieces...})
            for (char c : piece) out[at++] = c;
        return out;
    }();
};

template <const std::string_view&... Pieces>
inline constexpr std::string_view join{Joined<Pieces...>::bytes.data(), Joined<Pieces...>::size};

}  // namespace sites
