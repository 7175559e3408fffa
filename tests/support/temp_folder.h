#pragma once
// A fresh folder under /tmp for one test, removed with everything in it at
// the end. Paths come both as the program forms them (GBK, "\") and as the
// file system sees them (UTF-8, "/").
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <stdlib.h>

#include "platform/text.h"

class TempFolder {
public:
    TempFolder() {
        char name[] = "/tmp/yz-app-XXXXXX";
        utf8_ = mkdtemp(name) != nullptr ? name : "";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(utf8_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(utf8_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& utf8() const { return utf8_; }
    // The program's path text of a name in this folder: folder + "\" + name.
    Text text(const Text& name) const { return from_utf8(utf8_) + "\\" + name; }
    // The file system path of a name given as program text.
    std::string os(const Text& name) const { return utf8_ + "/" + to_utf8(name); }

    void put(const Text& name, const std::string& bytes) const { std::ofstream(os(name), std::ios::binary) << bytes; }
    std::string get(const Text& name) const {
        std::ifstream in(os(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const Text& name) const { return std::filesystem::exists(os(name)); }
    // Number of entries in the folder, to see that nothing was left behind.
    size_t entries() const {
        size_t n = 0;
        for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(utf8_)) ++n;
        return n;
    }

private:
    std::string utf8_;
};
