#include "platform/detached_thread.h"

#include <windows.h>

#include <memory>
#include <new>

namespace {

DWORD WINAPI run(void* given) {
    const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(given));
    (*work)();
    return 0;
}

}  // namespace

bool start_detached_thread(std::function<void()> work) {
    auto* handed = new (std::nothrow) std::function<void()>(std::move(work));
    if (handed == nullptr) return false;
    HANDLE thread = CreateThread(nullptr, 0, run, handed, 0, nullptr);
    if (thread == nullptr) {
        delete handed;
        return false;
    }
    CloseHandle(thread);
    return true;
}
