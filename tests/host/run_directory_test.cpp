// The run directory and the mapping of the program's "\" paths onto Linux.
#include <unistd.h>

#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "host/host.h"
#include "host/run_directory.h"
#include "tests/support/platform_stand_in.h"

namespace {

std::string executable_directory() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string path(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    return path.substr(0, path.rfind('/'));
}

TEST(RunDirectory, IsTheDirectoryOfTheProgramFileWithoutTrailingSeparator) {
    EXPECT_EQ(RunDirectory(), from_utf8(executable_directory()));
    EXPECT_NE(RunDirectory().back(), '/');
    EXPECT_NE(RunDirectory().back(), '\\');
}

TEST(RunDirectory, TestHookReplacesItAndAppendedNamesReachThatDirectory) {
    PlatformStandIn outside;
    outside.run_directory = "/tmp/\xE7\x9B\xAE\xE5\xBD\x95/";  // "目录", trailing slash dropped
    EXPECT_EQ(RunDirectory(), "/tmp/目录");
    EXPECT_EQ(os_path(RunDirectory() + "\\搜索器设置信息1.4.ini"),
              "/tmp/\xE7\x9B\xAE\xE5\xBD\x95/\xE6\x90\x9C\xE7\xB4\xA2\xE5\x99\xA8\xE8\xAE\xBE\xE7\xBD\xAE"
              "\xE4\xBF\xA1\xE6\x81\xAF"
              "1.4.ini");
}

TEST(OsPath, ConvertsBeforeTurningBackslashesIntoSlashes) {
    // "誠" is 0xD5 0x5C in GBK: its trail byte is a backslash.
    const Text with_trail_backslash = "a\\\xD5\x5C\\b";
    EXPECT_EQ(os_path(with_trail_backslash), "a/\xE8\xAA\xA0/b");
    EXPECT_EQ(os_path("C:\\x\\y.dll"), "C:/x/y.dll");
    EXPECT_EQ(os_path(""), "");
}

TEST(OsPath, RunDirectoryWhoseNameGbkCannotHoldStillReachesTheRealDirectory) {
    PlatformStandIn outside;
    const std::string korean = "/tmp/\xEA\xB0\x80";  // a Hangul syllable: not in GBK
    outside.run_directory = korean;
    EXPECT_EQ(RunDirectory(), "/tmp/?");
    EXPECT_EQ(os_path(RunDirectory() + "\\SkinH_EL.dll"), korean + "/SkinH_EL.dll");
    // A different directory that merely starts with the same bytes is left alone.
    EXPECT_EQ(os_path("/tmp/?x\\a"), "/tmp/?x/a");
}

}  // namespace
