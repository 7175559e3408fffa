#pragma once
// Which frame of a picture box's animation shows, and how long it waits for
// the next. Each frame shows for its own delay (pictures/picture.h gives
// every frame of an animation one), then the next, round and round. A box
// with one frame, or told not to animate, rests on its frame; so does a
// hidden one (its view stops the wait), which plays on from there when shown.
#include <optional>
#include <vector>

namespace forms {

class Animation {
public:
    void set_delays(std::vector<int> delays_ms);
    int frames() const { return int(delays_.size()); }
    int current() const { return current_; }
    void set_animate(bool animate) { animate_ = animate; }
    bool animate() const { return animate_; }

    // How long to wait before the next frame, if a wait is to start now:
    // none while it rests or while a wait runs. The wait then runs.
    std::optional<int> start_wait();
    // The wait was cancelled.
    void stop_wait() { waiting_ = false; }
    // The wait is over: the next frame is current.
    void advance();

private:
    std::vector<int> delays_;
    int current_ = 0;
    bool animate_ = true, waiting_ = false;
};

}  // namespace forms
