#include "platform/windows/library_image.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/windows/wide_path.h"

namespace {

using windows_files::Handle;

bool read_at(HANDLE file, void* into, DWORD size, std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = DWORD(offset);
    at.OffsetHigh = DWORD(offset >> 32);
    DWORD n = 0;
    return ReadFile(file, into, size, &n, &at) && n == size;
}

// Sizes are compared by subtraction so that no sum can wrap around.
bool inside(std::uint64_t offset, std::uint64_t length, std::uint64_t file_size) {
    return offset <= file_size && length <= file_size - offset;
}

// The running program's own headers: a library must match its machine.
const IMAGE_NT_HEADERS& own_headers() {
    const auto* base = reinterpret_cast<const std::uint8_t*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    return *reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
}

}  // namespace

bool is_whole_library(const std::string& path) {
    Handle file(CreateFileW(windows_files::wide_path(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER length;
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &length)) return false;
    const std::uint64_t size = std::uint64_t(length.QuadPart);
    IMAGE_DOS_HEADER dos;
    IMAGE_NT_HEADERS nt;
    if (!read_at(file.get(), &dos, sizeof dos, 0) || dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0 ||
        !inside(std::uint64_t(dos.e_lfanew), sizeof nt, size) ||
        !read_at(file.get(), &nt, sizeof nt, std::uint64_t(dos.e_lfanew)))
        return false;
    const IMAGE_NT_HEADERS& own = own_headers();
    if (nt.Signature != IMAGE_NT_SIGNATURE || nt.FileHeader.Machine != own.FileHeader.Machine ||
        (nt.FileHeader.Characteristics & IMAGE_FILE_DLL) == 0 || nt.OptionalHeader.Magic != own.OptionalHeader.Magic ||
        nt.FileHeader.SizeOfOptionalHeader < sizeof nt.OptionalHeader || nt.FileHeader.NumberOfSections == 0 ||
        !inside(0, nt.OptionalHeader.SizeOfHeaders, size))
        return false;
    const std::uint64_t sections_at =
        std::uint64_t(dos.e_lfanew) + offsetof(IMAGE_NT_HEADERS, OptionalHeader) + nt.FileHeader.SizeOfOptionalHeader;
    std::vector<IMAGE_SECTION_HEADER> sections(nt.FileHeader.NumberOfSections);
    const std::uint64_t table = sections.size() * sizeof(IMAGE_SECTION_HEADER);
    if (!inside(sections_at, table, size) || !read_at(file.get(), sections.data(), DWORD(table), sections_at))
        return false;
    for (const IMAGE_SECTION_HEADER& section : sections)
        if (!inside(section.PointerToRawData, section.SizeOfRawData, size)) return false;
    return true;
}
