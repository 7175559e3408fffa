// The form timers' one platform timer: a thread timer, so that it fires in
// every message loop of the thread, nested ones and the system's included.
// Windows fires it no sooner than 10 ms (USER_TIMER_MINIMUM) after it is set.
#include <windows.h>

#include "forms/timers.h"
#include "forms/view.h"

namespace forms {

namespace {

UINT_PTR wakeup = 0;
std::optional<TimerClock::time_point> armed_for;

void CALLBACK woken(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (id != wakeup) return;
    wakeup = 0;
    armed_for.reset();
    timers_due();
}

}  // namespace

void wake_timers_at(std::optional<TimerClock::time_point> when) {
    if (when == armed_for && (wakeup != 0) == when.has_value()) return;
    if (wakeup != 0) KillTimer(nullptr, wakeup);
    wakeup = 0;
    armed_for = when;
    if (!when) return;
    // Rounded up: a timer never ticks before it is due.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*when - timers_now()).count();
    wakeup = SetTimer(nullptr, 0, UINT(std::max<long long>(wait, USER_TIMER_MINIMUM)), woken);
}

}  // namespace forms
