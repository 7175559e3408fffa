// The settings file under faults: a full disk in the middle of a write, the
// process killed during a burst of writes, two programs writing at once,
// and files too long, too odd or too random for an INI file.
#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
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

#include "app/host.h"
#include "app/settings.h"
#include "tests/app/temp_folder.h"

extern char** environ;

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
    off_t room;       // bytes left free before the write
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
        if (now == start) ++saw_start;
        else if (now == with_first) ++saw_first;
        else if (now == with_second) ++saw_second;
        else FAIL() << "round " << round << ": a file of " << now.size() << " bytes that no write made";
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

TEST(SettingsFileFaults, LongValuesComeBackCutAndAreStoredWhole) {
    struct Case {
        const char* name;
        Text key;
        Text value;
    };
    Text digits;
    while (digits.size() < 20000) digits += "1234567890";
    Text names;
    while (names.size() < 20000) names += "斗破苍穹";
    const Case cases[] = {
        {"skin number of 20 000 digits", skin, digits},
        {"book name of 20 000 bytes of GBK", history, names},
        {"value of exactly the limit", history, Text(read_limit, 'x')},
        {"value one past the limit", history, Text(read_limit + 1, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const Text path = folder.text(ini);
        ASSERT_TRUE(WriteSetting(path, section, c.key, c.value));
        EXPECT_NE(folder.get(ini).find(c.key + "=" + c.value + "\r\n"), std::string::npos);
        const Text back = ReadSetting(path, section, c.key);
        EXPECT_EQ(back, c.value.substr(0, read_limit));
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
        {"NUL inside the skin value", head + skin + raw("=3\0" "9\r\n") + history + raw("=a\0b\r\n"), "3"},
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
    // A megabyte of noise: every read stays within the limit, and a write
    // that follows keeps every byte it does not own.
    for (unsigned seed = 1; seed <= 4; ++seed) {
        TempFolder folder;
        const std::string noise = random_bytes(1 << 20, seed);
        folder.put(ini, noise);
        for (const Text& key : {skin, history}) EXPECT_LE(ReadSetting(folder.text(ini), section, key).size(), read_limit);
        ASSERT_TRUE(WriteSetting(folder.text(ini), section, history, "name"));
        EXPECT_EQ(ReadSetting(folder.text(ini), section, history), "name");
        const std::string after = folder.get(ini);
        EXPECT_GE(after.size(), noise.size());
        EXPECT_EQ(after.substr(0, 4096), noise.substr(0, 4096)) << "seed " << seed;
    }
}

}  // namespace
