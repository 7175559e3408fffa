#pragma once
// Paths at the seam are the file system's own names in UTF-8 (os_path makes
// them from the program's GBK texts, as on Linux), so a directory whose name
// GBK cannot hold still works. The *W calls take them as UTF-16.
#include <windows.h>

#include <string>
#include <string_view>

namespace windows_files {

// UTF-16 with "\" for every "/": the calls below the \\?\ prefix take no "/".
std::wstring wide_path(std::string_view utf8);
std::string utf8_path(std::wstring_view wide);

// A handle closed when it goes.
class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { reset(); }
    Handle(Handle&& other) noexcept : h_(other.h_) { other.h_ = INVALID_HANDLE_VALUE; }
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            reset();
            h_ = other.h_;
            other.h_ = INVALID_HANDLE_VALUE;
        }
        return *this;
    }
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    // Closes now; false when the close itself failed.
    bool reset() {
        const bool ok = !valid() || CloseHandle(h_) != FALSE;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

}  // namespace windows_files
