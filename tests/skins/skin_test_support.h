#pragma once
// Temporary run directories and file helpers for the skins' tests.
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/platform_stand_in.h"

// A fresh directory made the program's run directory for the test's length.
class TempRunDirectory {
public:
    TempRunDirectory() {
        std::string pattern = std::filesystem::temp_directory_path() / "yz-skins-XXXXXX";
        path = mkdtemp(pattern.data());
        outside_.run_directory = path;
    }
    ~TempRunDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempRunDirectory(const TempRunDirectory&) = delete;
    TempRunDirectory& operator=(const TempRunDirectory&) = delete;

    std::string file(const std::string& name) const { return path + "/" + name; }

    std::string path;

private:
    PlatformStandIn outside_;
};

inline std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The Windows attributes kept beside the file; empty when none are set.
inline std::string dos_attributes(const std::string& path) {
    char value[32] = {};
    const ssize_t n = getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value - 1);
    return n > 0 ? std::string(value, std::size_t(n)) : std::string();
}

inline std::string built_engine() { return file_bytes(YZ_BINARY_DIR "/lib/SkinH_EL.dll"); }
