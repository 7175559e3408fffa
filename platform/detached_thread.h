#pragma once
// A thread of the program's own that runs `work` and is never joined: the
// browser launcher's threads, the thread that waits for a started browser on
// Linux, and the picture decoder's.
// On Windows it is the system's own thread (platform/windows/), so that the
// POSIX-threads layer stays out of the program; on Linux a std::thread.
#include <functional>

// False, and `work` not run, when the system gives no thread.
bool start_detached_thread(std::function<void()> work);
