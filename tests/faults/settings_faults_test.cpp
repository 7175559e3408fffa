// The settings file under faults: a full disk in the middle of a write, the
// process killed during a burst of writes, two programs writing at once,
// and files too long, too odd or too random for an INI file.
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "host/host.h"
#include "host/settings.h"
#include "platform/platform.h"
#include "tests/support/temp_folder.h"

extern char** environ;

// The calls that decide what a power cut leaves, as this process makes them:
// these definitions stand in for the C library's (which they call), so that
// a test can see that a file's data reaches the disk before its name moves.
namespace {

struct SyncJournal {
    bool on = false;
    std::vector<std::pair<char, ino_t>> events;  // 's' flushed, 'm' moved into place
    void note(char what, int fd, const char* path) {
        struct stat st;
        if (on && (path != nullptr ? stat(path, &st) : fstat(fd, &st)) == 0) events.emplace_back(what, st.st_ino);
    }
} journal;

template <typename Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
    journal.note('s', fd, nullptr);
    return real<int (*)(int)>("fsync")(fd);
}
extern "C" int fdatasync(int fd) {
    journal.note('s', fd, nullptr);
    return real<int (*)(int)>("fdatasync")(fd);
}
extern "C" int rename(const char* from, const char* to) noexcept {
    journal.note('m', -1, from);
    return real<int (*)(const char*, const char*)>("rename")(from, to);
}
extern "C" int renameat2(int from_dir, const char* from, int to_dir, const char* to, unsigned flags) noexcept {
    journal.note('m', -1, from);
    return real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(from_dir, from, to_dir, to, flags);
}

namespace {

const Text ini = "搜索器设置信息1.4.ini";
const Text section = settings_section;
const Text skin = skin_key;
const Text history = history_key;
constexpr size_t read_limit = 10239;

// A small tmpfs mounted over a fresh folder, so that the disk can be filled.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& folder) : folder_(folder) {
        mounted_ = mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k,mode=0755") == 0;
        error_ = errno;
    }
    ~SmallDisk() {
        if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    std::string why() const { return std::strerror(error_); }

    // Fills the disk up, then gives back `room` bytes.
    void fill_leaving(off_t room) {
        const std::string filler = folder_ + "/filler";
        int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'x');
        off_t size = 0;
        for (;;) {
            ssize_t n = write(fd, block.data(), block.size());
            if (n <= 0) break;
            size += n;
        }
        ASSERT_EQ(errno, ENOSPC);
        ASSERT_EQ(ftruncate(fd, size > room ? size - room : 0), 0);
        close(fd);
    }
    void empty() { std::filesystem::remove(folder_ + "/filler"); }

private:
    std::string folder_;
    bool mounted_ = false;
    int error_ = 0;
};

struct FullDiskCase {
    const char* name;
    off_t room;  // bytes left free before the write
    size_t value_size;
};
const FullDiskCase full_disk_cases[] = {
    {"no room at all, short value", 0, 1},
    {"no room at all, long value", 0, 6000},
    {"one page left, value longer than the page", 4096, 9000},
};

TEST(SettingsFileFaults, FullDiskLeavesTheOldFileWholeAndNothingBehind) {
    for (const auto& c : full_disk_cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        SmallDisk disk(folder.utf8());
        if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here: " << disk.why();
        const Text path = folder.text(ini);
        ASSERT_TRUE(WriteSetting(path, section, skin, "6"));
        ASSERT_TRUE(WriteSetting(path, section, history, "斗破苍穹"));
        const std::string before = folder.get(ini);

        disk.fill_leaving(c.room);
        EXPECT_FALSE(WriteSetting(path, section, history, Text(c.value_size, 'n')));
        EXPECT_EQ(folder.get(ini), before);
        EXPECT_EQ(ReadSetting(path, section, history), "斗破苍穹");
        EXPECT_EQ(folder.entries(), 2u) << "a temporary file was left on the full disk";

        // Once there is room again the same write goes through.
        disk.empty();
        EXPECT_TRUE(WriteSetting(path, section, history, Text(c.value_size, 'n')));
        EXPECT_EQ(ReadSetting(path, section, history), Text(c.value_size, 'n'));
        EXPECT_EQ(ReadSetting(path, section, skin), "6");
    }
}

TEST(SettingsFileFaults, EveryFileIsFlushedBeforeItsNameIsMoved) {
    TempFolder folder;
    const std::uint8_t engine[] = {1, 2, 3};
    journal.on = true;
    const bool written = WriteSetting(folder.text(ini), section, skin, "6") &&  // a new file
                         WriteSetting(folder.text(ini), section, skin, "7") &&  // one replaced
                         platform().write_new_file(folder.os("engine"), ByteSet(engine));
    journal.on = false;
    ASSERT_TRUE(written);
    // Each write's own flush comes after the previous write's move: a file
    // number may be used again once a replaced file is gone.
    int moves = 0;
    auto since = journal.events.begin();
    for (auto event = since; event != journal.events.end(); ++event) {
        if (event->first != 'm') continue;
        ++moves;
        EXPECT_NE(std::find(since, event, std::make_pair('s', event->second)), event)
            << "move " << moves << " unflushed";
        since = event;
    }
    EXPECT_EQ(moves, 3);
}

// Whole files the burst below can leave: before it, and after either write.
std::string file_with(const Text& history_value) {
    return "[" + section + "]\r\n" + skin + "=6\r\n" + history + "=" + history_value + "\r\n";
}

TEST(SettingsFileFaults, KilledInABurstOfWritesLeavesAWholeFile) {
    TempFolder folder;
    const Text path = folder.text(ini);
    const Text first(3000, 'a'), second(3000, 'b');
    ASSERT_TRUE(WriteSetting(path, section, skin, "6"));
    ASSERT_TRUE(WriteSetting(path, section, history, "start"));
    const std::string start = folder.get(ini);
    ASSERT_EQ(start, file_with("start"));
    const std::string with_first = file_with(first), with_second = file_with(second);

    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> delay_us(0, 6000);
    int saw_start = 0, saw_first = 0, saw_second = 0;
    constexpr int kills = 150;
    for (int round = 0; round < kills; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) WriteSetting(path, section, history, i % 2 == 0 ? first : second);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended on its own";

        const std::string now = folder.get(ini);
        if (now == start)
            ++saw_start;
        else if (now == with_first)
            ++saw_first;
        else if (now == with_second)
            ++saw_second;
        else
            FAIL() << "round " << round << ": a file of " << now.size() << " bytes that no write made";
    }
    // The kills must have landed inside the burst, not only before it.
    EXPECT_GT(saw_first, 0);
    EXPECT_GT(saw_second, 0);
    const size_t stray = folder.entries() - 1;
    // A write after all this still works on the whole file, and clears away
    // what the killed writers left.
    ASSERT_TRUE(WriteSetting(path, section, history, "end"));
    EXPECT_EQ(folder.get(ini), file_with("end"));
    EXPECT_EQ(folder.entries(), 1u) << "temporary files of killed writers are left beside the file";
    std::printf("killed %d times: %d before any write, %d/%d after a write; %zu stray entries before the last write\n",
                kills, saw_start, saw_first, saw_second, stray);
}

pid_t start_writer(const Text& path, const char* prefix, int count) {
    std::string file = path;  // argv carries the GBK bytes unchanged
    std::string program = YZ_SETTINGS_WRITER, number = std::to_string(count);
    char* argv[] = {program.data(), file.data(), const_cast<char*>(prefix), number.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
    return pid;
}

TEST(SettingsFileFaults, TwoProgramsWritingAtOnceLoseNoItem) {
    TempFolder folder;
    const Text path = folder.text(ini);
    ASSERT_TRUE(WriteSetting(path, section, skin, "6"));
    constexpr int count = 120;
    pid_t a = start_writer(path, "a", count), b = start_writer(path, "b", count);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    for (pid_t writer : {a, b}) {
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed a write";
    }
    int lost = 0;
    for (const char* prefix : {"a", "b"})
        for (int i = 0; i < count; ++i) {
            const Text key = prefix + std::to_string(i);
            if (ReadSetting(path, "s", key) != key + "-value") ++lost;
        }
    EXPECT_EQ(lost, 0);
    const Text shared = ReadSetting(path, "s", "shared");
    EXPECT_TRUE(shared == "a" + std::to_string(count - 1) || shared == "b" + std::to_string(count - 1)) << shared;
    EXPECT_EQ(ReadSetting(path, section, skin), "6");
    EXPECT_EQ(folder.entries(), 1u);
}

// A literal with its zero bytes kept.
template <size_t N>
std::string raw(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::string random_bytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

TEST(SettingsFileFaults, LongValuesComeBackCutOnACharacterAndAreStoredWhole) {
    struct Case {
        const char* name;
        Text key;
        Text value;
        size_t read_back;  // bytes of the value a read returns: whole characters
    };
    Text digits;
    while (digits.size() < 20000) digits += "1234567890";
    Text names;
    while (names.size() < 20000) names += "斗破苍穹";
    Text zhong;
    for (int i = 0; i < 11000; ++i) zhong += "中";
    const Case cases[] = {
        {"skin number of 20 000 digits", skin, digits, read_limit},
        {"book name of 20 000 bytes of GBK", history, names, read_limit - 1},
        {"11 000 中, the limit inside the last", history, zhong, read_limit - 1},
        // 中's second byte is also a possible first byte: only the walk from
        // the start tells that this cut falls between two characters.
        {"x and 11 000 中, the limit after a whole 中", history, "x" + zhong, read_limit},
        {"value of exactly the limit", history, Text(read_limit, 'x'), read_limit},
        {"value one past the limit", history, Text(read_limit + 1, 'x'), read_limit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const Text path = folder.text(ini);
        ASSERT_TRUE(WriteSetting(path, section, c.key, c.value));
        EXPECT_NE(folder.get(ini).find(c.key + "=" + c.value + "\r\n"), std::string::npos);
        const Text back = ReadSetting(path, section, c.key);
        EXPECT_EQ(back.size(), c.read_back);
        EXPECT_TRUE(back == c.value.substr(0, c.read_back));
    }
}

TEST(SettingsFileFaults, FilesThatAreNoIniFileReadSafely) {
    struct Case {
        const char* name;
        std::string bytes;
        Text skin_value;  // what "皮肤" reads back as
    };
    const std::string head = "[" + section + "]\r\n";
    const Case cases[] = {
        {"NUL inside the skin value",
         head + skin +
             raw("=3\0"
                 "9\r\n") +
             history + raw("=a\0b\r\n"),
         "3"},
        {"a line of NULs before the section", raw("\0\0\0\r\n") + head + skin + "=12\r\n", "12"},
        {"NULs where the section's bracket should be", raw("\0\0") + head + skin + "=12\r\n", ""},
        {"NUL in the section name", raw("[搜索器\0设置：]\r\n") + skin + "=5\r\n", ""},
        {"a line of 20 000 bytes without a break", head + skin + "=7" + std::string(20000, ' '), "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.put(ini, c.bytes);
        const Text value = ReadSetting(folder.text(ini), section, skin);
        EXPECT_LE(value.size(), read_limit);
        EXPECT_EQ(ToInteger(value), ToInteger(c.skin_value));
        EXPECT_EQ(folder.get(ini), c.bytes) << "reading changed the file";
    }
    // Nearly a megabyte of noise (a write may not take the file past the
    // size cap): every read stays within the limit, and a write
    // that follows keeps every byte it does not own.
    for (unsigned seed = 1; seed <= 4; ++seed) {
        TempFolder folder;
        const std::string noise = random_bytes(1000000, seed);
        folder.put(ini, noise);
        for (const Text& key : {skin, history})
            EXPECT_LE(ReadSetting(folder.text(ini), section, key).size(), read_limit);
        ASSERT_TRUE(WriteSetting(folder.text(ini), section, history, "name"));
        EXPECT_EQ(ReadSetting(folder.text(ini), section, history), "name");
        const std::string after = folder.get(ini);
        EXPECT_GE(after.size(), noise.size());
        EXPECT_EQ(after.substr(0, 4096), noise.substr(0, 4096)) << "seed " << seed;
    }
}

// Runs `body` in a child process that is killed when it takes more than a
// few seconds: "" when the body returned true, else what went wrong.
template <class Body>
std::string in_bounded_child(Body body) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(5);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return "lost the child";
    if (WIFSIGNALED(status))
        return std::string("ended by signal ") + strsignal(WTERMSIG(status)) + " (hung or crashed)";
    return WEXITSTATUS(status) == 0 ? "" : "a read or a write did not give what it should";
}

struct Node {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    mode_t mode = 0;
    dev_t rdev = 0;
    bool operator==(const Node&) const = default;
};

Node node_at(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return {};
    return {true, st.st_dev, st.st_ino, st.st_mode, st.st_rdev};
}

TEST(SettingsFileFaults, SettingsPathThatLeadsToNoRegularFileIsNeitherReadNorWritten) {
    enum class Made { fifo, device, directory, nothing, dev_zero };
    struct Case {
        const char* name;
        Made made;
        bool linked;  // the settings path is a link to it, else the thing itself
        bool write;   // a system device is only ever read
    };
    const Case cases[] = {
        {"a link to a FIFO", Made::fifo, true, true},
        {"a FIFO", Made::fifo, false, true},
        {"a link to a character device", Made::device, true, true},
        {"a character device", Made::device, false, true},
        {"a link to a directory", Made::directory, true, true},
        {"a dangling link", Made::nothing, true, true},
        {"a link to /dev/zero", Made::dev_zero, true, false},
    };
    std::string skipped;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string link = folder.os(ini);
        const std::string target = c.made == Made::dev_zero ? "/dev/zero" : c.linked ? folder.utf8() + "/target" : link;
        int made = 0;
        if (c.made == Made::fifo) made = mkfifo(target.c_str(), 0666);
        // The null device's numbers, on a node of our own in our own folder.
        if (c.made == Made::device) made = mknod(target.c_str(), S_IFCHR | 0666, makedev(1, 3));
        if (c.made == Made::directory) made = mkdir(target.c_str(), 0755);
        if (made != 0) {
            skipped += std::string(c.name) + ": cannot make it here (" + std::strerror(errno) + "); ";
            continue;
        }
        if (c.linked) { ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0); }
        const Node before = node_at(target), link_before = node_at(link);
        const size_t entries = folder.entries();

        const Text path = folder.text(ini);
        EXPECT_EQ(in_bounded_child([&] {
                      return ReadSetting(path, section, skin).empty() &&
                             (!c.write || !WriteSetting(path, section, skin, "6"));
                  }),
                  "");
        EXPECT_TRUE(node_at(target) == before) << "the link's target was replaced";
        EXPECT_TRUE(node_at(link) == link_before) << "the settings path was replaced";
        EXPECT_EQ(folder.entries(), entries);
    }
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}

TEST(SettingsFileFaults, FilesOverTheSizeCapAreReadInPartAndNeverWritten) {
    const std::string head = "[" + section + "]\r\n" + skin + "=6\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        off_t sparse_size;  // the file is then extended with zeros to this size
        Text history_read;  // what "搜索记录" reads back as
        Text value;         // a value written to "搜索记录"
        bool written;
    };
    const std::string cut_line = head + history + "=" + std::string(max_file_size, 'n') + "\r\n";
    const std::string near_cap = head + std::string(max_file_size - head.size() - 40, ';') + "\r\n";
    const Case cases[] = {
        // Read whole, this would need 8 GiB of memory.
        {"8 GiB of zeros after the item", head, off_t{8} << 30, "", "name", false},
        {"the cap cuts a line", cut_line, 0, "", "name", false},
        {"a write that stays under the cap", near_cap, 0, "", "name", true},
        {"a write that would pass the cap", near_cap, 0, "", Text(100, 'n'), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.put(ini, c.bytes);
        if (c.sparse_size > 0) { ASSERT_EQ(truncate(folder.os(ini).c_str(), c.sparse_size), 0); }
        const Text path = folder.text(ini);
        EXPECT_EQ(in_bounded_child([&] {
                      return ReadSetting(path, section, skin) == "6" &&
                             ReadSetting(path, section, history) == c.history_read &&
                             WriteSetting(path, section, history, c.value) == c.written;
                  }),
                  "");
        struct stat st {};
        ASSERT_EQ(stat(folder.os(ini).c_str(), &st), 0);
        if (c.written) {
            EXPECT_EQ(ReadSetting(path, section, history), c.value);
            continue;
        }
        EXPECT_EQ(st.st_size, c.sparse_size > 0 ? c.sparse_size : static_cast<off_t>(c.bytes.size()));
        if (c.sparse_size == 0) { EXPECT_EQ(folder.get(ini), c.bytes); }
        EXPECT_EQ(folder.entries(), 1u);
    }
}

}  // namespace
