// FileExists, WriteBytesToFile and ChangeFileAttributes on real files.
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/host.h"
#include "host/wildcard.h"
#include "tests/support/temp_folder.h"

namespace {

mode_t mode_of(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::string dos_attribute(const std::string& path) {
    char value[64];
    ssize_t n = getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value);
    return n < 0 ? std::string("(none)") : std::string(value, static_cast<size_t>(n));
}

ByteSet bytes_of(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }

struct ExistsCase {
    Text path;  // relative to the folder
    bool expected;
};

TEST(FileExists, FilesDirectoriesAndWildcards) {
    TempFolder folder;
    folder.put("搜索器设置信息1.4.ini", "");
    folder.put("SkinH_EL.dll", "x");
    folder.put("a", "");
    folder.put("[x].txt", "");
    ASSERT_EQ(mkdir(folder.os("目录").c_str(), 0755), 0);
    ASSERT_EQ(symlink("nowhere", folder.os("dangling").c_str()), 0);

    const ExistsCase cases[] = {
        {"搜索器设置信息1.4.ini", true},
        {"搜索器设置信息1.3.ini", false},
        {"SkinH_EL.dll", true},
        {"skinh_el.dll", false},  // Linux names keep their case
        {"目录", true},
        {"dangling", true},  // the entry exists even if its target does not
        {"missing", false},
        {"missing\\a", false},
        {"*.dll", true},
        {"*.exe", false},
        {"搜索器*", true},
        {"搜索器设置信息1.?.ini", true},
        {"搜索器设置信息?.ini", false},
        {"???????1.4.ini", true},  // "?" is one character, not one byte
        {"????????1.4.ini", false},
        {"??.ini", false},
        {"a.*", true},  // ".*" also finds a name without extension
        {"[x].txt", true},
        {"[x]*", true},  // "[" is no pattern syntax
        {"x*", false},
        {"*", true},
        {"目录\\*", true},  // "." and ".." of an empty directory, as on Windows
        {"missing\\*", false},
    };
    for (const ExistsCase& c : cases) EXPECT_EQ(FileExists(folder.text(c.path)), c.expected) << c.path;
    EXPECT_FALSE(FileExists(""));
}

TEST(Wildcard, MatchesLikeFindFirstFile) {
    EXPECT_TRUE(wildcard_match("*a*b", "xxaxxb"));
    EXPECT_FALSE(wildcard_match("*a*b", "xxaxxbc"));
    EXPECT_TRUE(wildcard_match("a**?", "ab"));
    EXPECT_FALSE(wildcard_match("a?", "a"));
    EXPECT_TRUE(wildcard_match("*.*", "noextension"));
    EXPECT_FALSE(wildcard_match("*.txt", "a.txt.bak"));
    EXPECT_TRUE(wildcard_match("?", "\xE7\x9A\xAE"));  // one UTF-8 character
    EXPECT_FALSE(wildcard_match("??", "\xE7\x9A\xAE"));
}

TEST(WriteBytesToFile, TruncatesALongerFileToExactlyTheNewBytes) {
    TempFolder folder;
    folder.put("SkinH_EL.dll", std::string(5000, 'o'));
    const std::string first = "MZ\x90", second = "rest of it";
    EXPECT_TRUE(WriteBytesToFile(folder.text("SkinH_EL.dll"), {bytes_of(first), ByteSet(), bytes_of(second)}));
    EXPECT_EQ(folder.get("SkinH_EL.dll"), first + second);
}

TEST(WriteBytesToFile, CreatesAMissingFileAndWritesLargeParts) {
    TempFolder folder;
    std::vector<std::uint8_t> big(88576);
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
    EXPECT_TRUE(WriteBytesToFile(folder.text("新文件.bin"), {ByteSet(big)}));
    EXPECT_EQ(folder.get("新文件.bin"), std::string(big.begin(), big.end()));
}

TEST(WriteBytesToFile, Failures) {
    TempFolder folder;
    const std::string x = "x";
    EXPECT_FALSE(WriteBytesToFile("", {bytes_of(x)}));
    EXPECT_FALSE(WriteBytesToFile(folder.text("missing\\f"), {bytes_of(x)}));
    ASSERT_EQ(mkdir(folder.os("dir").c_str(), 0755), 0);
    EXPECT_FALSE(WriteBytesToFile(folder.text("dir"), {bytes_of(x)}));
    // A read-only file is refused and keeps its bytes, even for root.
    folder.put("ro", "old");
    ASSERT_EQ(chmod(folder.os("ro").c_str(), 0444), 0);
    EXPECT_FALSE(WriteBytesToFile(folder.text("ro"), {bytes_of(x)}));
    EXPECT_EQ(folder.get("ro"), "old");
}

TEST(ChangeFileAttributes, ReadOnlyFileEndsHiddenAndWritable) {
    TempFolder folder;
    folder.put("SkinH_EL.dll", "x");
    const std::string path = folder.os("SkinH_EL.dll");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_TRUE(ChangeFileAttributes(folder.text("SkinH_EL.dll"), 2));
    EXPECT_EQ(mode_of(path), 0644u);
    EXPECT_EQ(dos_attribute(path), "0x2");
}

struct AttributeCase {
    std::int32_t attributes;
    mode_t mode_after;
    std::string dos_after;
};

TEST(ChangeFileAttributes, NewSetReplacesTheOldOne) {
    const AttributeCase cases[] = {
        {0x2, 0644, "0x2"},    {0x1, 0444, "(none)"},  // read-only lives in the mode bits
        {0x3, 0444, "0x2"},    {0x27, 0444, "0x26"},
        {0x0, 0644, "(none)"}, {0x80, 0644, "(none)"},  // FILE_ATTRIBUTE_NORMAL is masked away
        {0x12, 0644, "0x2"},                            // directory bit masked away
        {-1, 0444, "0x26"},
    };
    for (const AttributeCase& c : cases) {
        TempFolder folder;
        folder.put("f", "x");
        const std::string path = folder.os("f");
        ASSERT_EQ(chmod(path.c_str(), 0644), 0);
        ASSERT_EQ(setxattr(path.c_str(), "user.DOSATTRIB", "0x20", 4, 0), 0);
        EXPECT_TRUE(ChangeFileAttributes(folder.text("f"), c.attributes)) << c.attributes;
        EXPECT_EQ(mode_of(path), c.mode_after) << c.attributes;
        EXPECT_EQ(dos_attribute(path), c.dos_after) << c.attributes;
    }
}

TEST(ChangeFileAttributes, MissingFileGivesFalse) {
    TempFolder folder;
    EXPECT_FALSE(ChangeFileAttributes(folder.text("missing"), 2));
    EXPECT_FALSE(folder.exists("missing"));
}

}  // namespace
