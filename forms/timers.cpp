#include "forms/timers.h"

#include <algorithm>
#include <vector>

#include "forms/dispatch.h"
#include "forms/view.h"

namespace forms {

namespace {

// The default tick of Windows, 1/64 s.
constexpr TimerClock::duration windows_tick = std::chrono::microseconds(15625);
// Timers due this close together tick on one wake-up.
constexpr TimerClock::duration shared_wakeup = std::chrono::milliseconds(1);

// Idle: stopped, or with no handler, so a tick neither does nor owes anything.
// Waiting: its ticks touch only its own window, which is hidden.
enum class Pace { Idle, Live, Waiting };

Pace pace_of(const LoadedWindow& w, const ControlState& c) {
    if (c.kind != Kind::Timer || !c.due) return Pace::Idle;
    const Wire* tick = wire_of(w, c.id, event::Tick);
    if (tick == nullptr || tick->handler == nullptr) return Pace::Idle;
    return tick->own_controls_only && !w.controls.front().visible ? Pace::Waiting : Pace::Live;
}

TimerClock::time_point (*test_clock)() = nullptr;

}  // namespace

TimerClock::time_point timers_now() { return test_clock != nullptr ? test_clock() : TimerClock::now(); }

void set_timers_clock(TimerClock::time_point (*now)()) { test_clock = now; }

TimerClock::duration tick_period(int interval_ms) {
    return std::max<TimerClock::duration>(std::chrono::milliseconds(interval_ms), windows_tick);
}

void restart_timer(ControlState& timer) {
    if (timer.interval > 0)
        timer.due = timers_now() + tick_period(timer.interval);
    else
        timer.due.reset();
    schedule_timers();
}

void start_timers(LoadedWindow& window) {
    const auto now = timers_now();
    for (auto& c : window.controls)
        if (c.kind == Kind::Timer && c.interval > 0) c.due = now + tick_period(c.interval);
    schedule_timers();
}

void schedule_timers() {
    std::optional<TimerClock::time_point> earliest;
    for (WindowId id : loaded_ids()) {
        const LoadedWindow* w = find_loaded(id);
        for (const auto& c : w->controls)
            if (pace_of(*w, c) == Pace::Live && (!earliest || *c.due < *earliest)) earliest = c.due;
    }
    wake_timers_at(earliest);
}

void timers_due() {
    const auto now = timers_now();
    struct Tick {
        TimerClock::time_point at, next;
        WindowId window;
        ControlId timer;
    };
    std::vector<Tick> ticks;
    for (WindowId id : loaded_ids()) {
        LoadedWindow* w = find_loaded(id);
        for (auto& c : w->controls) {
            if (pace_of(*w, c) != Pace::Live || *c.due > now + shared_wakeup) continue;
            const auto period = tick_period(c.interval);
            auto next = *c.due + period;
            if (next <= now) next = now + period;  // one late tick, never a burst
            ticks.push_back({*c.due, next, id, c.id});
            c.due = next;
        }
    }
    std::stable_sort(ticks.begin(), ticks.end(), [](const Tick& a, const Tick& b) { return a.at < b.at; });
    // The next wake-up is set before any handler runs: one may run a nested loop.
    schedule_timers();
    for (const Tick& t : ticks) {
        LoadedWindow* w = find_loaded(t.window);
        const ControlState* c = w != nullptr ? w->find(t.timer) : nullptr;
        // A handler before this one stopped or restarted the timer: its tick is gone.
        if (c == nullptr || c->due != t.next) continue;
        raise(t.window, t.timer, event::Tick);
    }
}

void catch_up(LoadedWindow& window) {
    if (window.catching_up || window.controls.front().visible) return;
    const WindowId id = window.id;
    const auto now = timers_now();
    window.catching_up = true;
    for (;;) {
        ControlState* owed = nullptr;
        for (auto& c : window.controls)
            if (pace_of(window, c) == Pace::Waiting && *c.due <= now && (owed == nullptr || *c.due < *owed->due))
                owed = &c;
        // None left, or a tick showed the window: from here its timers tick live.
        if (owed == nullptr) break;
        owed->due = *owed->due + tick_period(owed->interval);
        raise(id, owed->id, event::Tick);
        if (find_loaded(id) != &window) return;
    }
    window.catching_up = false;
}

}  // namespace forms
