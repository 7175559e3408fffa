#pragma once
// A thread of the program's own that runs `work` and is never joined: the
// launcher and the picture decoder each keep one for the life of the process.
// On Windows it is the system's own thread (platform/windows/), so that the
// POSIX-threads layer stays out of the program; on Linux a std::thread.
#include <functional>

// False, and `work` not run, when the system gives no thread.
bool start_detached_thread(std::function<void()> work);
