// A settings write clears away the temporary files that killed writers of the
// same file left behind, and nothing else in the folder.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "host/host.h"
#include "platform/linux/file_replace.h"
#include "tests/support/temp_folder.h"

namespace {

const Text ini = "搜索器设置信息1.4.ini";

// A process number that was in use a moment ago and is free now.
pid_t ended_process() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return child;
}

void make_old(const std::string& path) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time(nullptr) - 3600, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

TEST(LeftoverTemporaries, AWriteRemovesOnlyThoseOfGoneWritersOfTheSameFile) {
    const std::string gone = std::to_string(ended_process());
    const std::string alive = std::to_string(getpid());
    const Text own = "." + Text(ini) + ".";
    struct Case {
        const char* what;
        Text name;
        bool old;      // last written an hour ago
        bool removed;  // what the write should do with it
    };
    const Case cases[] = {
        {"a killed writer's file", own + gone + ".3.tmp", false, true},
        {"a killed writer's second file", own + gone + ".12.tmp", false, true},
        {"a running writer's fresh file", own + alive + ".7.tmp", false, false},
        {"a running writer's file of an hour ago", own + alive + ".8.tmp", true, true},
        {"another file's temporary", ".其他.ini." + gone + ".1.tmp", false, false},
        {"a name that only ends like ours", ".x" + Text(ini) + "." + gone + ".1.tmp", false, false},
        {"no counter", own + gone + ".tmp", false, false},
        {"a sign before the number", own + "+" + gone + ".1.tmp", false, false},
        {"letters for the number", own + "x" + gone + ".1.tmp", false, false},
        {"something after .tmp", own + gone + ".1.tmp.bak", false, false},
        {"no leading dot", Text(ini) + "." + gone + ".1.tmp", false, false},
        {"a number too large for a process", own + "99999999999999999999.1.tmp", true, false},
        {"process number 0", own + "0.1.tmp", true, false},
    };
    TempFolder folder;
    ASSERT_TRUE(WriteSetting(folder.text(ini), "s", "k", "1"));
    for (const Case& c : cases) {
        folder.put(c.name, "left");
        if (c.old) make_old(folder.os(c.name));
    }
    // Our names, but a folder and a link: only files we made are ours to remove.
    std::filesystem::create_directory(folder.os(own + gone + ".90.tmp"));
    std::filesystem::create_symlink(folder.os(ini), folder.os(own + gone + ".91.tmp"));

    ASSERT_TRUE(WriteSetting(folder.text(ini), "s", "k", "2"));
    for (const Case& c : cases) EXPECT_EQ(folder.exists(c.name), !c.removed) << c.what;
    EXPECT_TRUE(std::filesystem::is_directory(folder.os(own + gone + ".90.tmp")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.os(own + gone + ".91.tmp")));
    EXPECT_EQ(ReadSetting(folder.text(ini), "s", "k"), "2");
    EXPECT_EQ(folder.get(ini), "[s]\r\nk=2\r\n");
}

TEST(LeftoverTemporaries, ThroughALinkTheTargetsFolderIsCleaned) {
    TempFolder folder;
    std::filesystem::create_directory(folder.os("真的"));
    const Text target = "真的\\" + ini;
    ASSERT_TRUE(WriteSetting(folder.text(target), "s", "k", "1"));
    std::filesystem::create_symlink(folder.os("真的/" + ini), folder.os(ini));
    const Text leftover = "真的/." + ini + "." + std::to_string(ended_process()) + ".1.tmp";
    folder.put(leftover, "left");
    EXPECT_EQ(linux_files::remove_leftover_temporaries(folder.os(ini)), 1);
    EXPECT_FALSE(folder.exists(leftover));
    EXPECT_EQ(linux_files::remove_leftover_temporaries(folder.os(ini)), 0) << "nothing left to remove";
}

}  // namespace
