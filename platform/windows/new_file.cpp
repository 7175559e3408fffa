// A new file written whole or not at all, never over an existing one, and
// whether a folder takes new files at all.
#define _CRT_RAND_S
#include <stdlib.h>
#include <windows.h>

#include "platform/windows/files.h"

namespace windows_files {

namespace {

// A name nobody can have prepared in advance.
std::wstring random_suffix() {
    static constexpr wchar_t digits[] = L"0123456789abcdef";
    std::wstring suffix;
    for (int part = 0; part < 2; ++part) {
        unsigned int value = 0;
        if (rand_s(&value) != 0) value = GetTickCount() ^ (GetCurrentProcessId() << 16);
        for (int i = 0; i < 8; ++i, value >>= 4) suffix += digits[value & 15];
    }
    return suffix;
}

}  // namespace

bool write_new_file(const std::string& path, ByteSet bytes) {
    const std::wstring target = wide_path(path);
    std::wstring temporary;
    Handle file;
    for (int attempt = 0; attempt < 8 && !file.valid(); ++attempt) {
        temporary = target + L"." + random_suffix() + L".part";
        file = Handle(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
        if (!file.valid() && GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    if (!file.valid()) return false;
    // Flushed before the move: after a power cut the name must not point at
    // a file whose data never reached the disk.
    bool ok = write_all(file.get(), bytes) && FlushFileBuffers(file.get());
    ok = file.reset() && ok;
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken.
    if (ok && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileW(temporary.c_str());
    return false;
}

// The system's own access check answers: a file of a fresh name is made,
// hidden, and goes again as it is closed (or as the process ends). So the
// folder's access list, the process's integrity level and a read-only drive
// all count exactly as they would for the settings file.
bool may_create_in(const std::string& directory) {
    const std::wstring folder = wide_path(directory);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::wstring name = folder + L"\\.yanzhou-search." + random_suffix() + L".probe";
        Handle probe(CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (probe.valid()) return true;
        if (GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

}  // namespace windows_files
