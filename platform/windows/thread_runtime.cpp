// The POSIX thread calls that the C++ runtime makes by itself, answered by
// Windows' own primitives. The runtime (libstdc++ and libgcc of the mingw-w64
// POSIX thread model) asks for a once-only call and thread keys (each thread's
// exception state), condition waits (static initialisation,
// std::condition_variable, std::future) and the clock. Winpthreads, which
// would answer otherwise, brings along with these its thread object and its
// clock object: and with them imports of SuspendThread, GetThreadContext,
// SetThreadContext, SetProcessAffinityMask and SetSystemTime, calls the
// program never makes and that virus scanners look for in a small exe.
// Linked as an object ahead of the runtime, these definitions keep those two
// objects out; winpthreads' mutexes, which need neither, are still used.
//
// The program's own threads come from start_detached_thread (CreateThread),
// so nothing asks for pthread_create. Thread keys run no destructor: the
// program's threads live as long as the process.
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <new>

namespace {

// A condition variable, made on first use: the runtime's static ones start
// as PTHREAD_COND_INITIALIZER. A wake ends every wait begun before it (POSIX
// lets a signal wake more than one).
struct Condition {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE woken = CONDITION_VARIABLE_INIT;
    std::uint64_t generation = 0;
};

constexpr std::intptr_t unset = -1;  // PTHREAD_COND_INITIALIZER

Condition* condition(std::intptr_t* slot) {
    auto* known = reinterpret_cast<Condition*>(__atomic_load_n(slot, __ATOMIC_ACQUIRE));
    if (known != nullptr && reinterpret_cast<std::intptr_t>(known) != unset) return known;
    auto* made = new (std::nothrow) Condition;
    if (made == nullptr) return nullptr;
    std::intptr_t expected = reinterpret_cast<std::intptr_t>(known);
    if (__atomic_compare_exchange_n(slot, &expected, reinterpret_cast<std::intptr_t>(made), false, __ATOMIC_ACQ_REL,
                                    __ATOMIC_ACQUIRE))
        return made;
    delete made;
    return reinterpret_cast<Condition*>(expected);
}

// The system time in 100 ns since 1970.
std::int64_t now_100ns() {
    FILETIME t;
    GetSystemTimeAsFileTime(&t);
    return (std::int64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) - 116444736000000000LL;
}

int wait(std::intptr_t* slot, std::intptr_t* mutex, const timespec* until);

}  // namespace

extern "C" {
int pthread_mutex_lock(std::intptr_t* mutex);
int pthread_mutex_unlock(std::intptr_t* mutex);

// 0: not yet run, 1: running, 2: done.
int pthread_once(long* once, void (*run)()) {
    long state = 0;
    if (__atomic_compare_exchange_n(once, &state, 1, false, __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE)) {
        run();
        __atomic_store_n(once, 2, __ATOMIC_RELEASE);
        return 0;
    }
    while (__atomic_load_n(once, __ATOMIC_ACQUIRE) != 2) SwitchToThread();
    return 0;
}

int pthread_key_create(unsigned* key, void (*)(void*)) {
    const DWORD index = TlsAlloc();
    if (index == TLS_OUT_OF_INDEXES) return EAGAIN;
    *key = index;
    return 0;
}
int pthread_key_delete(unsigned key) { return TlsFree(key) ? 0 : EINVAL; }
void* pthread_getspecific(unsigned key) { return TlsGetValue(key); }
int pthread_setspecific(unsigned key, const void* value) {
    return TlsSetValue(key, const_cast<void*>(value)) ? 0 : EINVAL;
}

int pthread_cond_init(std::intptr_t* slot, const void*) {
    *slot = 0;
    return condition(slot) != nullptr ? 0 : ENOMEM;
}
int pthread_cond_destroy(std::intptr_t* slot) {
    if (*slot != 0 && *slot != unset) delete reinterpret_cast<Condition*>(*slot);
    *slot = 0;
    return 0;
}
int pthread_cond_wait(std::intptr_t* slot, std::intptr_t* mutex) { return wait(slot, mutex, nullptr); }
int pthread_cond_timedwait(std::intptr_t* slot, std::intptr_t* mutex, const timespec* until) {
    return wait(slot, mutex, until);
}
int pthread_cond_broadcast(std::intptr_t* slot) {
    Condition* c = condition(slot);
    if (c == nullptr) return ENOMEM;
    AcquireSRWLockExclusive(&c->lock);
    ++c->generation;
    ReleaseSRWLockExclusive(&c->lock);
    WakeAllConditionVariable(&c->woken);
    return 0;
}
int pthread_cond_signal(std::intptr_t* slot) { return pthread_cond_broadcast(slot); }

// CLOCK_MONOTONIC from the performance counter; CLOCK_REALTIME and its coarse
// form from the system time.
int clock_gettime(int clock, timespec* t) {
    if (clock == 1) {
        LARGE_INTEGER count, frequency;
        QueryPerformanceCounter(&count);
        QueryPerformanceFrequency(&frequency);
        t->tv_sec = count.QuadPart / frequency.QuadPart;
        t->tv_nsec = long((count.QuadPart % frequency.QuadPart) * 1000000000 / frequency.QuadPart);
        return 0;
    }
    if (clock != 0 && clock != 4) return EINVAL;
    const std::int64_t ticks = now_100ns();  // 100 ns since 1970
    t->tv_sec = ticks / 10000000;
    t->tv_nsec = long(ticks % 10000000 * 100);
    return 0;
}
}

namespace {

int wait(std::intptr_t* slot, std::intptr_t* mutex, const timespec* until) {
    Condition* c = condition(slot);
    if (c == nullptr) return ENOMEM;
    AcquireSRWLockExclusive(&c->lock);
    const std::uint64_t generation = c->generation;
    pthread_mutex_unlock(mutex);
    int result = 0;
    while (c->generation == generation) {
        DWORD ms = INFINITE;
        if (until != nullptr) {
            const std::int64_t left = (std::int64_t(until->tv_sec) * 10000000 + until->tv_nsec / 100) - now_100ns();
            if (left <= 0) {
                result = ETIMEDOUT;
                break;
            }
            ms = DWORD(std::min<std::int64_t>((left + 9999) / 10000, INFINITE - 1));
        }
        SleepConditionVariableSRW(&c->woken, &c->lock, ms, 0);
    }
    ReleaseSRWLockExclusive(&c->lock);
    pthread_mutex_lock(mutex);
    return result;
}

}  // namespace
