// What WriteSetting promises beyond the profile rules: only its own line
// changes, a read-only file is left alone, the file keeps its permissions and
// extended attributes, and two processes writing at once lose nothing.
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "host/host.h"
#include "tests/support/temp_folder.h"

namespace {

const Text ini = "搜索器设置信息1.4.ini";

mode_t mode_of(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(SettingsFileSafety, WriteKeepsEveryOtherByte) {
    TempFolder folder;
    // Odd bytes everywhere: invalid GBK, a zero byte, lines of every break.
    const std::string head = std::string("\xEF\xBB\xBF; \xFF\x81 head\r\n[a]\nx=\0y\r\r\n", 25);
    const std::string tail = "\n\n[b]\r\n  k = keep  \r\n\xA3\xBA\xFF";
    folder.put(ini, head + "[s]\r\n  k = 1 ; old\r\n" + tail);
    ASSERT_TRUE(WriteSetting(folder.text(ini), "s", "k", "2"));
    EXPECT_EQ(folder.get(ini), head + "[s]\r\nk=2\r\n" + tail);
}

TEST(SettingsFileSafety, ReadOnlyFileIsRefusedAndUntouched) {
    TempFolder folder;
    const std::string before = "[s]\r\nk=1\r\n";
    folder.put(ini, before);
    ASSERT_EQ(chmod(folder.os(ini).c_str(), 0444), 0);
    EXPECT_FALSE(WriteSetting(folder.text(ini), "s", "k", "2"));
    EXPECT_EQ(folder.get(ini), before);
    EXPECT_EQ(mode_of(folder.os(ini)), 0444u);
    EXPECT_EQ(folder.entries(), 1u);
}

TEST(SettingsFileSafety, PermissionsAndUserAttributesSurviveTheRewrite) {
    TempFolder folder;
    folder.put(ini, "[s]\r\nk=1\r\n");
    const std::string path = folder.os(ini);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(setxattr(path.c_str(), "user.DOSATTRIB", "0x2", 3, 0), 0);
    ASSERT_EQ(setxattr(path.c_str(), "user.note", "\x00\x01", 2, 0), 0);
    ASSERT_TRUE(WriteSetting(folder.text(ini), "s", "k", "2"));
    EXPECT_EQ(folder.get(ini), "[s]\r\nk=2\r\n");
    EXPECT_EQ(mode_of(path), 0640u);
    char value[16];
    ASSERT_EQ(getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value), 3);
    EXPECT_EQ(std::string(value, 3), "0x2");
    ASSERT_EQ(getxattr(path.c_str(), "user.note", value, sizeof value), 2);
    EXPECT_EQ(std::string(value, 2), std::string("\x00\x01", 2));
}

TEST(SettingsFileSafety, NewFileTakesTheUmask) {
    TempFolder folder;
    mode_t old = umask(027);
    bool written = WriteSetting(folder.text(ini), "s", "k", "v");
    umask(old);
    ASSERT_TRUE(written);
    EXPECT_EQ(mode_of(folder.os(ini)), 0640u);
}

TEST(SettingsFileSafety, SymbolicLinkStaysAndItsTargetChanges) {
    TempFolder folder;
    folder.put("real.ini", "[s]\r\nk=1\r\n");
    ASSERT_EQ(symlink("real.ini", folder.os(ini).c_str()), 0);
    ASSERT_TRUE(WriteSetting(folder.text(ini), "s", "k", "2"));
    struct stat st {};
    ASSERT_EQ(lstat(folder.os(ini).c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(folder.get("real.ini"), "[s]\r\nk=2\r\n");
    EXPECT_EQ(folder.entries(), 2u);
}

TEST(SettingsFileSafety, DirectoryInsteadOfAFileIsAFailure) {
    TempFolder folder;
    ASSERT_EQ(mkdir(folder.os(ini).c_str(), 0755), 0);
    EXPECT_FALSE(WriteSetting(folder.text(ini), "s", "k", "v"));
    EXPECT_EQ(ReadSetting(folder.text(ini), "s", "k"), "");
    EXPECT_FALSE(WriteSetting(folder.text("missing\\x.ini"), "s", "k", "v"));
}

// Runs `body` in a child process as the unprivileged user "nobody" and
// returns its exit status.
template <class Body>
int as_nobody(Body body) {
    pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SettingsFileSafety, DirectoryWithoutWritePermission) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    TempFolder folder;
    ASSERT_EQ(chmod(folder.utf8().c_str(), 0755), 0);
    int status = as_nobody([&] { return WriteSetting(folder.text(ini), "s", "k", "v") ? 1 : 0; });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(folder.entries(), 0u);
    // A file the user may write, in a directory it may not: no temporary file
    // can be made beside it, so the file is written in place.
    folder.put(ini, "[s]\r\nk=1\r\nlong=" + std::string(300, 'x') + "\r\n");
    ASSERT_EQ(chmod(folder.os(ini).c_str(), 0666), 0);
    status = as_nobody([&] {
        return WriteSetting(folder.text(ini), "s", "k", "22") && WriteSetting(folder.text(ini), "s", "long", "y") ? 1
                                                                                                                  : 0;
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(folder.get(ini), "[s]\r\nk=22\r\nlong=y\r\n");
    EXPECT_EQ(mode_of(folder.os(ini)), 0666u);
    EXPECT_EQ(folder.entries(), 1u);
}

TEST(SettingsFileSafety, TwoProcessesWritingAtOnceLoseNothingAndReadersSeeWholeFiles) {
    TempFolder folder;
    const Text path = folder.text(ini);
    ASSERT_TRUE(WriteSetting(path, "s", "fixed", "6"));
    constexpr int writes = 40;
    auto writer = [&](char name) {
        pid_t child = fork();
        if (child == 0) {
            for (int i = 0; i < writes; ++i) {
                Text key = std::string(1, name) + std::to_string(i);
                if (!WriteSetting(path, "s", key, key + "-value")) _exit(1);
            }
            _exit(0);
        }
        return child;
    };
    pid_t reader = fork();
    if (reader == 0) {
        // Every file a reader can open is whole: the first item is always there.
        for (int i = 0; i < 400; ++i)
            if (ReadSetting(path, "s", "fixed") != "6") _exit(1);
        _exit(0);
    }
    pid_t a = writer('a'), b = writer('b');
    for (pid_t child : {a, b, reader}) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (char name : {'a', 'b'})
        for (int i = 0; i < writes; ++i) {
            Text key = std::string(1, name) + std::to_string(i);
            EXPECT_EQ(ReadSetting(path, "s", key), key + "-value");
        }
    EXPECT_EQ(folder.entries(), 1u);
}

}  // namespace
