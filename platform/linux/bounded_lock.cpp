// The wait is the kernel's own, as for a plain blocking flock, so that waiters
// take turns: one that only polled would starve behind another program that
// writes without pause. A timer aimed at this thread alone ends the wait, and
// goes on firing every few milliseconds until it is deleted, so that a signal
// that comes before the wait has begun cannot leave it waiting for good.
#include "platform/linux/bounded_lock.h"

#include <pthread.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <ctime>

namespace linux_files {
namespace {

// Nothing else in the program uses the real-time signals.
int interrupting_signal() { return SIGRTMIN + 3; }

void interrupt(int) {}

// Without SA_RESTART: the interrupted flock must return.
bool interrupt_installed() {
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = interrupt;
        sigemptyset(&action.sa_mask);
        return sigaction(interrupting_signal(), &action, nullptr) == 0;
    }();
    return installed;
}

using Clock = std::chrono::steady_clock;

// Where no timer can be had: polls, which a steady writer may outrun.
bool poll_within(int fd, int operation, Clock::time_point give_up) {
    for (;;) {
        if (flock(fd, operation | LOCK_NB) == 0 || errno != EWOULDBLOCK) return true;
        if (Clock::now() >= give_up) return false;
        usleep(1000);
    }
}

}  // namespace

bool lock_within(int fd, int operation, int milliseconds) {
    if (flock(fd, operation | LOCK_NB) == 0 || errno != EWOULDBLOCK) return true;
    const Clock::time_point give_up = Clock::now() + std::chrono::milliseconds(milliseconds);
    sigevent event{};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = interrupting_signal();
    event._sigev_un._tid = gettid();  // sigev_notify_thread_id, which this C library does not name
    timer_t timer;
    if (!interrupt_installed() || timer_create(CLOCK_MONOTONIC, &event, &timer) != 0)
        return poll_within(fd, operation, give_up);
    itimerspec when{};
    when.it_value = {milliseconds / 1000, long(milliseconds % 1000) * 1'000'000};
    when.it_interval = {0, 5'000'000};
    sigset_t only, previous;
    sigemptyset(&only);
    sigaddset(&only, interrupting_signal());
    pthread_sigmask(SIG_UNBLOCK, &only, &previous);
    bool locked = false;
    if (timer_settime(timer, 0, &when, nullptr) != 0) {
        locked = poll_within(fd, operation, give_up);
    } else {
        for (;;) {
            if (flock(fd, operation) == 0 || errno != EINTR) {
                locked = true;
                break;
            }
            if (Clock::now() >= give_up) break;
        }
    }
    timer_delete(timer);
    // A signal the timer sent just before it went is taken here, rather than
    // by whatever call this thread makes next.
    pthread_sigmask(SIG_BLOCK, &only, nullptr);
    const timespec at_once{};
    while (sigtimedwait(&only, nullptr, &at_once) > 0) {}
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return locked;
}

}  // namespace linux_files
