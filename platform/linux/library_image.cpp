#include "platform/linux/library_image.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

// The running program's own ELF header, placed by the linker: libraries must
// match its class, byte order and machine.
extern "C" const ElfW(Ehdr) __ehdr_start;

namespace {

bool read_exactly(int fd, void* into, std::size_t size, off_t offset) {
    return pread(fd, into, size, offset) == static_cast<ssize_t>(size);
}

bool fits_this_machine(const ElfW(Ehdr) & header) {
    const ElfW(Ehdr)& own = __ehdr_start;
    return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_ident[EI_CLASS] == own.e_ident[EI_CLASS] &&
           header.e_ident[EI_DATA] == own.e_ident[EI_DATA] && header.e_ident[EI_VERSION] == EV_CURRENT &&
           header.e_type == ET_DYN && header.e_machine == own.e_machine && header.e_phentsize == sizeof(ElfW(Phdr));
}

// Sizes are compared by subtraction so that no sum can wrap around.
bool inside(std::uint64_t offset, std::uint64_t length, std::uint64_t file_size) {
    return offset <= file_size && length <= file_size - offset;
}

bool segments_inside(int fd, const ElfW(Ehdr) & header, std::uint64_t file_size) {
    if (header.e_phnum == 0 || !inside(header.e_phoff, std::uint64_t(header.e_phnum) * sizeof(ElfW(Phdr)), file_size))
        return false;
    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    if (!read_exactly(fd, segments.data(), segments.size() * sizeof(ElfW(Phdr)), off_t(header.e_phoff))) return false;
    bool loads_something = false;
    for (const ElfW(Phdr) & segment : segments) {
        if (!inside(segment.p_offset, segment.p_filesz, file_size)) return false;
        loads_something = loads_something || segment.p_type == PT_LOAD;
    }
    return loads_something;
}

}  // namespace

bool is_whole_library(const std::string& os_path) {
    // Without blocking: a FIFO under the library's name must not hang the start.
    int fd = open(os_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    ElfW(Ehdr) header;
    bool whole = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && read_exactly(fd, &header, sizeof header, 0) &&
                 fits_this_machine(header) && segments_inside(fd, header, std::uint64_t(st.st_size));
    close(fd);
    return whole;
}
