// OpenAddress: the address reaches the browser launcher exactly, as one
// argument, never through a shell; a stand-in xdg-open records what it got.
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "host/host.h"
#include "platform/linux/browser_launcher.h"
#include "platform/search_path.h"
#include "tests/support/recording_platform.h"
#include "tests/support/temp_folder.h"

namespace {

// Puts a stand-in xdg-open first on PATH. It writes its argument count and
// its first argument to files in the folder (moved into place whole, so a
// half-written file is never read).
class StandInXdgOpen {
public:
    StandInXdgOpen() {
        folder_.put("xdg-open",
                    "#!/bin/sh\n"
                    "printf '%s' \"$#\" > \"$(dirname \"$0\")/count\"\n"
                    "printf '%s' \"$1\" > \"$(dirname \"$0\")/arg.part\"\n"
                    "mv \"$(dirname \"$0\")/arg.part\" \"$(dirname \"$0\")/arg\"\n");
        chmod(folder_.os("xdg-open").c_str(), 0755);
        const char* path = getenv("PATH");
        old_path_ = path != nullptr ? path : "";
        setenv("PATH", (folder_.utf8() + ":" + old_path_).c_str(), 1);
    }
    ~StandInXdgOpen() { setenv("PATH", old_path_.c_str(), 1); }

    // The UTF-8 argument of the next run, or "(none)" after five seconds.
    std::string next_argument() {
        for (int i = 0; i < 500 && !folder_.exists("arg"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!folder_.exists("arg")) return "(none)";
        std::string argument = folder_.get("arg");
        count_ = folder_.get("count");
        unlink(folder_.os("arg").c_str());
        return argument;
    }
    const std::string& count() const { return count_; }

private:
    TempFolder folder_;
    std::string old_path_;
    std::string count_;
};

struct AddressCase {
    Text address;     // as the program passes it (GBK)
    Text shell_sees;  // what xdg-open gets
};

TEST(OpenAddress, ReachesXdgOpenAsExactlyOneArgument) {
    install_platform(nullptr);
    StandInXdgOpen xdg_open;
    const AddressCase cases[] = {
        {"http://book.easou.com/w/search.html?q=斗破苍穹",
         "http://book.easou.com/w/search.html?q=%B6%B7%C6%C6%B2%D4%F1%B7"},
        {"www.a.cn/?q=斗&x=%41", "http://www.a.cn/?q=%B6%B7&x=%41"},
        {"\xB6-\x80\x81\x7F\xFF", "%B6-%80%81%7F%FF"},  // bytes that are no GBK text too
        {"http://x.com/a b  c", "http://x.com/a%20b%20%20c"},
        {"http://x.com/?a='1'&b=\"2\";c=$(touch pwned)`id`|x>y",
         "http://x.com/?a='1'&b=%222%22;c=$(touch%20pwned)%60id%60%7Cx%3Ey"},
        {"x <\\^{}>\t\r\n\x01\x1F", "x%20%3C%5C%5E%7B%7D%3E%09%0D%0A%01%1F"},
        {"http://a.cn/?q=1+2&r=%41/#x=~!*()", "http://a.cn/?q=1+2&r=%41/#x=~!*()"},  // the engines' syntax as typed
        {"https://www.17k.com/", "https://www.17k.com/"},
        {"www.qidian.com", "http://www.qidian.com"},
        {"WWW.Qidian.com/x", "http://WWW.Qidian.com/x"},
        {"ftp.gnu.org/gnu", "ftp://ftp.gnu.org/gnu"},
        {"xiaoshuozhe.com", "xiaoshuozhe.com"},  // no guess for it: passed unchanged
        {"-h", "./-h"},                          // a file name, never an option
        {"--version", "./--version"},
        {"mailto:a@b.cn", "mailto:a@b.cn"},
        {"wwwx.cn", "wwwx.cn"},
    };
    for (const AddressCase& c : cases) {
        OpenAddress(c.address);
        EXPECT_EQ(xdg_open.next_argument(), c.shell_sees) << to_utf8(c.address);
        EXPECT_EQ(xdg_open.count(), "1") << to_utf8(c.address);
    }
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    OpenAddress();
    EXPECT_EQ(xdg_open.next_argument(), "https://www.17k.com/");
}

// 22 000 Chinese characters are 132 000 bytes encoded: more than the system
// passes as one argument. The reader learns why nothing opened.
TEST(OpenAddress, AnAddressTheSystemCannotPassIsReportedWithTheReason) {
    install_platform(nullptr);
    StandInXdgOpen xdg_open;
    Text name;
    for (int i = 0; i < 22000; ++i) name += "书";
    testing::internal::CaptureStderr();
    OpenAddress("http://a.cn/?q=" + name);
    platform().finish_opening();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("an address of 132015 bytes was not opened: " + std::string(std::strerror(E2BIG))),
              std::string::npos)
        << said;
}

// Children of this process, or those of them that have ended but were not
// reaped.
std::vector<long> children(bool zombies_only = false) {
    std::vector<long> found;
    for (auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream status(entry.path() / "status");
        std::string line, state;
        long parent = -1;
        while (std::getline(status, line)) {
            if (line.rfind("State:", 0) == 0) state = line;
            if (line.rfind("PPid:", 0) == 0) parent = std::stol(line.substr(5));
        }
        if (parent == getpid() && (!zombies_only || state.find('Z') != std::string::npos))
            found.push_back(std::stol(entry.path().filename()));
    }
    return found;
}
int zombie_children() { return int(children(true).size()); }

TEST(OpenAddress, ReturnsAtOnceAndLeavesNoZombies) {
    install_platform(nullptr);
    TempFolder folder;
    folder.put("xdg-open", "#!/bin/sh\nsleep 1\n");
    chmod(folder.os("xdg-open").c_str(), 0755);
    const std::string old_path = getenv("PATH");
    setenv("PATH", (folder.utf8() + ":" + old_path).c_str(), 1);
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) OpenAddress("http://slow.example/");
    auto spent = std::chrono::steady_clock::now() - start;
    platform().finish_opening();  // the launchers are started on a thread of their own
    setenv("PATH", old_path.c_str(), 1);
    EXPECT_LT(spent, std::chrono::milliseconds(500));
    // The launchers end after a second; give them time, then none may linger.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    int zombies = zombie_children();
    for (int i = 0; i < 100 && zombies > 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        zombies = zombie_children();
    }
    EXPECT_EQ(zombies, 0);
}

// Where the system gives no thread to wait for a launcher, the program goes
// on and the next launch reaps it. The test runs in a process of its own as
// a user nobody else runs as, allowed two processes: itself and a launcher.
TEST(OpenAddress, WithoutAThreadToWaitForItALauncherIsReapedByTheNextLaunch) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can run as a user of its own";
    TempFolder folder;
    folder.put("xdg-open", "#!/bin/sh\nexit 0\n");
    chmod(folder.utf8().c_str(), 0755);
    chmod(folder.os("xdg-open").c_str(), 0755);
    const pid_t tester = fork();
    ASSERT_GE(tester, 0);
    if (tester == 0) {
        const uid_t alone = 40000 + getpid() % 20000;
        const rlimit two{2, 2};
        if (setresgid(alone, alone, alone) != 0 || setresuid(alone, alone, alone) != 0 ||
            setrlimit(RLIMIT_NPROC, &two) != 0)
            _exit(10);
        setenv("PATH", folder.utf8().c_str(), 1);
        // Thrown on the launcher thread, an exception would end the program.
        try {
            // The one launcher that has ended and was not reaped; 0 if none.
            const auto ended = [] {
                for (int i = 0; i < 500 && zombie_children() == 0; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                const std::vector<long> zombies = children(true);
                return zombies.size() == 1 ? zombies[0] : 0;
            };
            launch_browser("http://a.example/");
            const long first = ended();
            if (first == 0) _exit(11);
            launch_browser("http://b.example/");  // only once the first is reaped is there room for it
            const long second = ended();
            _exit(second != 0 && second != first && children().size() == 1 ? 0 : 12);
        } catch (...) { _exit(13); }
    }
    int status = 0;
    ASSERT_EQ(waitpid(tester, &status, 0), tester);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(OpenAddress, HandsThePlatformTheAddressUpToAZeroByte) {
    RecordingPlatform outside;
    OpenAddress("http://x.cn/斗破");
    OpenAddress(Text("http://a\0b", 10));
    OpenAddress();
    ASSERT_EQ(outside.opened.size(), 3u);
    EXPECT_EQ(outside.opened[0], "http://x.cn/\xB6\xB7\xC6\xC6");
    EXPECT_EQ(outside.opened[1], "http://a");
    EXPECT_EQ(outside.opened[2], "https://www.17k.com/");
}

// The current directory is the program's own; a launcher there is never run.
TEST(FindLauncher, OnlyAbsolutePathElementsAndTheFixedFolders) {
    TempFolder here, listed, plain;
    for (const TempFolder* folder : {&here, &listed}) {
        folder->put("xdg-open", "#!/bin/sh\n");
        chmod(folder->os("xdg-open").c_str(), 0755);
    }
    plain.put("xdg-open", "not executable");
    const std::string cwd = std::filesystem::current_path();
    std::filesystem::current_path(here.utf8());
    const std::string relative = "../" + here.utf8().substr(here.utf8().rfind('/') + 1);
    const struct {
        std::string path;
        std::string found;
    } cases[] = {
        {":" + listed.utf8(), listed.utf8() + "/xdg-open"},
        {".:" + relative + "::" + plain.utf8() + ":" + listed.utf8() + ":", listed.utf8() + "/xdg-open"},
        {"", "/usr/bin/xdg-open"},
        {":.", "/usr/bin/xdg-open"},
    };
    for (const auto& c : cases) EXPECT_EQ(find_launcher(c.path.c_str()), c.found) << c.path;
    EXPECT_EQ(find_launcher(nullptr), "/usr/bin/xdg-open");
    std::filesystem::current_path(cwd);
}

// The program's own search path: absolute directories only, in their order.
TEST(SearchPath, OnlyAbsoluteEntriesAreKept) {
    const struct {
        const char* path;
        char separator;
        const char* kept;
    } cases[] = {
        {":/usr/bin:.:bin::/bin:", ':', "/usr/bin:/bin"},
        {"C:/w;c:\\x;x;\\\\s\\h;;D:", ';', "C:/w;c:\\x;\\\\s\\h"},
    };
    for (const auto& c : cases) EXPECT_EQ(absolute_path_entries(c.path, c.separator), c.kept) << c.path;
}

TEST(ShellAddress, SchemeGuessOnlyWhereThereIsNoScheme) {
    EXPECT_EQ(shell_address("www.a.cn"), "http://www.a.cn");
    EXPECT_EQ(shell_address("http://www.a.cn"), "http://www.a.cn");
    EXPECT_EQ(shell_address("ftp.a.cn"), "ftp://ftp.a.cn");
    EXPECT_EQ(shell_address("C:\\a.txt"), "C:\\a.txt");  // a drive, not a scheme
    EXPECT_EQ(shell_address("-x:y"), "./-x:y");
    EXPECT_EQ(shell_address(""), "");
}

TEST(ScreenAndClock, ComeFromThePlatform) {
    RecordingPlatform outside;
    outside.width = 1430 + 7;
    outside.height = 800 + 3;
    EXPECT_EQ(ScreenWidth(), 1437);
    EXPECT_EQ(ScreenHeight(), 803);
    EXPECT_EQ(CurrentDateTime(), (DateTime{2013, 3, 30, 16, 32, 10}));
}

TEST(ScreenAndClock, LinuxClockIsLocalTimeInWholeSeconds) {
    install_platform(nullptr);
    DateTime now = CurrentDateTime();
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    EXPECT_EQ(now.year, local.tm_year + 1900);
    EXPECT_EQ(now.month, local.tm_mon + 1);
    EXPECT_GE(now.second, 0);
    EXPECT_LE(now.second, 60);
}

}  // namespace
