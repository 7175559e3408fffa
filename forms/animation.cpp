#include "forms/animation.h"

#include <utility>

namespace forms {

void Animation::set_delays(std::vector<int> delays_ms) {
    delays_ = std::move(delays_ms);
    current_ = 0;
}

std::optional<int> Animation::start_wait() {
    if (!animate_ || delays_.size() < 2 || waiting_) return std::nullopt;
    waiting_ = true;
    return delays_[std::size_t(current_)];
}

void Animation::advance() {
    waiting_ = false;
    if (!delays_.empty()) current_ = (current_ + 1) % frames();
}

}  // namespace forms
