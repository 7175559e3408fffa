// CallExternalLibrary: where a library is found, the cache of entries, the
// fatal report when something is missing, and the release at the end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "host/host.h"
#include "host/program_end.h"
#include "host/run_directory.h"
#include "platform/linux/library_image.h"
#include "platform/linux/library_snapshot.h"
#include "tests/support/recording_platform.h"
#include "tests/support/temp_folder.h"

namespace {

// The copy in the test program's directory (its run directory) answers 1xxx,
// the copy on the test program's library search path answers 2xxx.
const ExternalEntry probe{"yzprobe.dll", "yz_probe"};
const std::string elsewhere = YZ_PROBE_ELSEWHERE;  // absolute path of the 2xxx copy

// Runs `body` in a fresh copy of the test program whose library search path
// (LD_LIBRARY_PATH, read only when a program starts) holds the 2xxx copy, and
// expects it to print `expected` to stderr. A fresh process is needed anyway:
// a sanitizer's dlopen wrapper hides the program's own run path from dlopen.
#define EXPECT_ON_LIBRARY_PATH(body, expected)                                           \
    do {                                                                                 \
        testing::FLAGS_gtest_death_test_style = "threadsafe";                            \
        const char* old = getenv("LD_LIBRARY_PATH");                                     \
        const std::string saved = old != nullptr ? old : "";                             \
        setenv("LD_LIBRARY_PATH", elsewhere.substr(0, elsewhere.rfind('/')).c_str(), 1); \
        EXPECT_EXIT(                                                                     \
            {                                                                            \
                body;                                                                    \
                std::fflush(stderr);                                                     \
                std::_Exit(0);                                                           \
            },                                                                           \
            testing::ExitedWithCode(0), expected);                                       \
        if (old != nullptr)                                                              \
            setenv("LD_LIBRARY_PATH", saved.c_str(), 1);                                 \
        else                                                                             \
            unsetenv("LD_LIBRARY_PATH");                                                 \
    } while (false)

class ExternalLibrary : public testing::Test {
protected:
    void SetUp() override { release_external_libraries(); }
    void TearDown() override { release_external_libraries(); }
};

TEST_F(ExternalLibrary, RunDirectoryCopyWinsOverTheLibrarySearch) {
    EXPECT_EQ(CallExternalLibrary(probe, 3, 4), 1034);
    EXPECT_ON_LIBRARY_PATH(std::fprintf(stderr, "result %d\n", CallExternalLibrary(probe, 3, 4)), "result 1034");
}

TEST_F(ExternalLibrary, WithoutACopyInTheRunDirectoryTheLibrarySearchFindsIt) {
    TempFolder empty;
    EXPECT_ON_LIBRARY_PATH(
        {
            PlatformStandIn outside;
            outside.run_directory = empty.utf8();
            std::fprintf(stderr, "result %d\n", CallExternalLibrary(probe, 3, 4));
        },
        "result 2034");
}

TEST_F(ExternalLibrary, NameWithAPathIsLoadedFromThatPath) {
    const std::string path_form = elsewhere;
    EXPECT_EQ(CallExternalLibrary(ExternalEntry{path_form.c_str(), "yz_probe"}, 5, 6), 2056);
    std::string colon_form = "C:" + elsewhere;
    for (char& c : colon_form)
        if (c == '/') c = '\\';
    EXPECT_EQ(CallExternalLibrary(ExternalEntry{colon_form.c_str(), "yz_probe"}, 7, 8), 2078);
}

TEST_F(ExternalLibrary, ResolvedEntryServesLaterCallsUntilReleased) {
    TempFolder empty;
    EXPECT_ON_LIBRARY_PATH(
        {
            void* first = ResolveExternalEntry(probe);
            PlatformStandIn outside;
            outside.run_directory = empty.utf8();
            std::fprintf(stderr, "same %d\n", ResolveExternalEntry(probe) == first);
            std::fprintf(stderr, "cached %d\n", CallExternalLibrary(probe, 0, 1));  // still the first library
            release_external_libraries();
            std::fprintf(stderr, "afresh %d\n", CallExternalLibrary(probe, 0, 1));  // looked up again
        },
        "same 1\n(probe library unloaded\n)?cached 1001\nprobe library unloaded\nafresh 2001");
}

TEST_F(ExternalLibrary, SixArgumentsLikeTheSkinEngineArriveInOrder) {
    const unsigned char skin[] = {1, 2, 3};
    const Text name = "皮肤";
    const ExternalEntry six{"yzprobe.dll", "yz_probe_six"};
    EXPECT_EQ(CallExternalLibrary(six, skin, 3, name.c_str(), 7, 8, 9), 6 * 1000000 + 4 * 10000 + 789);
}

struct MissingCase {
    const char* library;
    const char* entry;
    Text message;
};

TEST_F(ExternalLibrary, MissingLibraryOrEntryEndsInTheFatalReport) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    const MissingCase cases[] = {
        {"SkinH_EL.dll", "SkinH_AttachRes", "无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_AttachRes”"},
        {"yzprobe.dll", "SkinH_AttachRes", "无法找到指定DLL库文件“yzprobe.dll”中的输出命令“SkinH_AttachRes”"},
        {"yzprobe.dll", "", "无法找到指定DLL库文件“yzprobe.dll”中的输出命令“”"},
        {"", "yz_probe", "无法找到指定DLL库文件中的输出命令“yz_probe”"},
        {"/nonexistent/皮肤.dll", "e", "无法找到指定DLL库文件“/nonexistent/皮肤.dll”中的输出命令“e”"},
    };
    for (const MissingCase& c : cases) {
        const Text text = "运行时出错!\r\n\r\n错误信息：" + c.message + "\r\n";
        EXPECT_EXIT(
            {
                RecordingPlatform outside;
                TempFolder empty;  // no SkinH_EL.dll of another test's build
                if (std::string(c.library) != "yzprobe.dll") outside.run_directory = empty.utf8();
                ResolveExternalEntry(ExternalEntry{c.library, c.entry});
            },
            testing::ExitedWithCode(255), RecordingPlatform::error_box_line("错误", text))
            << c.message;
    }
}

// The loader would map a truncated library's missing pages and die of SIGBUS
// on the first touch; such files are refused before it sees them.
TEST(IsWholeLibrary, OnlyACompleteLibraryForThisMachine) {
    TempFolder folder;
    std::ifstream in(elsewhere, std::ios::binary);
    const std::string library{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GT(library.size(), 8000u);
    std::string other_machine = library, executable = library, shifted = library;
    other_machine[18] = char(other_machine[18] ^ 0x40);  // e_machine
    executable[16] = 2;                                  // e_type ET_EXEC
    shifted[32] = char(shifted[32] + 0x70);              // e_phoff past the headers
    const struct {
        const char* what;
        std::string bytes;
        bool whole;
    } cases[] = {
        {"the library", library, true},
        {"its first 8000 bytes", library.substr(0, 8000), false},
        {"its ELF header alone", library.substr(0, 64), false},
        {"another machine's", other_machine, false},
        {"an executable", executable, false},
        {"program headers out of place", shifted, false},
        {"an empty file", "", false},
    };
    for (const auto& c : cases) {
        folder.put("x.dll", c.bytes);
        EXPECT_EQ(is_whole_library(folder.os("x.dll")), c.whole) << c.what;
    }
    ASSERT_EQ(mkfifo(folder.os("fifo.dll").c_str(), 0600), 0);
    EXPECT_FALSE(is_whole_library(folder.os("fifo.dll")));  // and no hang
    EXPECT_FALSE(is_whole_library(folder.utf8()));
    EXPECT_FALSE(is_whole_library(folder.os("missing.dll")));
}

// Another process rewrites the library in place at the same size while it is
// copied for the loader: a mark every 64 KiB, the number of the pass, written
// from the first mark to the last, pass after pass. The file always holds one
// pass's number in its first marks and the one before in the rest; so must
// the copy, never marks read at different moments. (The numbers only grow, so
// two reads of a file that changed between them never agree by chance.)
TEST(LibrarySnapshot, ALibraryRewrittenInPlaceIsCopiedAsItStoodAtOneMoment) {
    TempFolder folder;
    constexpr off_t size = 1 << 20, step = 1 << 16;
    folder.put("x.dll", std::string(size, '\0'));
    std::atomic<bool> stop = false;
    std::thread writer([&] {
        const int fd = open(folder.os("x.dll").c_str(), O_WRONLY);
        for (std::uint64_t pass = 1; !stop; ++pass)
            for (off_t at = 0; at < size; at += step)
                if (pwrite(fd, &pass, sizeof pass, at) != sizeof pass) stop = true;
        close(fd);
    });
    int mixed = 0;
    for (int i = 0; i < 100; ++i) {
        LibrarySnapshot snapshot(folder.os("x.dll"));
        if (snapshot.path().empty()) continue;
        std::ifstream in(snapshot.path(), std::ios::binary);
        const std::string copied{std::istreambuf_iterator<char>(in), {}};
        int changes = 0;
        for (off_t at = step; at + 8 <= off_t(copied.size()); at += step)
            changes += copied.compare(at, 8, copied, at - step, 8) != 0;
        if (off_t(copied.size()) != size || changes > 1) ++mixed;
    }
    stop = true;
    writer.join();
    EXPECT_EQ(mixed, 0);
}

TEST_F(ExternalLibrary, EndProgramReleasesTheLibrariesAndEndsWithTheCode) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            CallExternalLibrary(probe, 1, 2);
            EndProgram(3);
        },
        testing::ExitedWithCode(3), "probe library unloaded");
    EXPECT_EXIT(EndProgram(-1), testing::ExitedWithCode(255), "");
}

}  // namespace
