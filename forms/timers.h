#pragma once
// The form timers of every loaded window run off one wake-up of the display,
// set for the earliest tick that can change anything. A timer ticks at its
// interval, but never more often than the default tick of Windows (15.6 ms),
// which is what a 1 ms timer really gets there. Missed ticks are dropped, as
// Windows posts one WM_TIMER however late it is, except for timers whose
// ticks touch only their own hidden window (Wire::own_controls_only):
// those wait, and every tick they owe runs, in order, before anything next
// reads, writes, shows or destroys that window.
#include <chrono>

#include "forms/window_state.h"

namespace forms {

using TimerClock = std::chrono::steady_clock;

TimerClock::duration tick_period(int interval_ms);

// Now, by the form timers' clock: the steady clock, unless a test has put a
// clock of its own in its place (nullptr: the steady clock again) and calls
// timers_due() itself as it moves that clock on.
TimerClock::time_point timers_now();
void set_timers_clock(TimerClock::time_point (*now)());

// (Re)starts a timer from now at its interval; an interval of 0 stops it.
void restart_timer(ControlState& timer);
// Starts every timer of a window that has just been created.
void start_timers(LoadedWindow& window);
// Sets the display's wake-up after timers, windows or their visibility changed.
void schedule_timers();
// The display's wake-up: every live timer that is due ticks once.
void timers_due();
// Runs the ticks a hidden window's waiting timers owe by now.
void catch_up(LoadedWindow& window);

}  // namespace forms
