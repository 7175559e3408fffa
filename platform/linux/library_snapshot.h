#pragma once
// A library file's bytes read once, for the loader to load exactly them: a
// file changed or cut short by another process while it loads can no longer
// crash the program, and what was checked is what runs.
#include <string>
#include <string_view>

#include "platform/text.h"

class LibrarySnapshot {
public:
    // Copies the regular file at os_path (never waiting for a FIFO) into a
    // sealed memory file; where /proc cannot name that, into a private copy.
    explicit LibrarySnapshot(const std::string& os_path);
    // The same for bytes the program carries.
    explicit LibrarySnapshot(ByteSet bytes);
    ~LibrarySnapshot();
    LibrarySnapshot(const LibrarySnapshot&) = delete;
    LibrarySnapshot& operator=(const LibrarySnapshot&) = delete;

    // The name the loader opens; empty when the file could not be copied.
    const std::string& path() const { return path_; }
    // Keeps the memory file open for as long as the library is loaded: the
    // loader knows a library by its name, which a new file of the same
    // number would otherwise take over. Returns the descriptor (or -1).
    int keep();

private:
    void seal(std::string_view bytes);

    int fd_ = -1;
    std::string path_;
    std::string private_directory_;  // the copy's, removed with it
};
