#include "forms/placement.h"

#include <algorithm>

namespace forms {
namespace {

// The start of a span of `length` moved the least onto [low, low + room);
// its start when it cannot fit.
std::int32_t onto(std::int32_t start, std::int32_t length, std::int32_t low, std::int32_t room) {
    return std::max(low, std::min(start, low + room - length));
}

}  // namespace

ScreenArea wholly_on(ScreenArea window, ScreenArea work) {
    window.left = onto(window.left, window.width, work.left, work.width);
    window.top = onto(window.top, window.height, work.top, work.height);
    return window;
}

}  // namespace forms
