// The launcher threads on either system: a launch that never returns holds up
// nothing after it, and only a few are left running at once.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/launch_worker.h"

namespace {

using namespace std::chrono_literals;

// Launches that start with "stuck" return only once released.
class RecordingLaunches {
public:
    void operator()(const std::string& address) {
        std::unique_lock held(lock_);
        launched_.push_back(address);
        if (address.starts_with("stuck")) released_.wait(held, [this] { return free_; });
    }
    std::vector<std::string> launched() {
        std::lock_guard held(lock_);
        return launched_;
    }
    void release() {
        std::lock_guard held(lock_);
        free_ = true;
        released_.notify_all();
    }

private:
    std::mutex lock_;
    std::condition_variable released_;
    std::vector<std::string> launched_;
    bool free_ = false;
};

TEST(LaunchWorker, ALaunchThatNeverReturnsHoldsUpNothingAfterIt) {
    // Kept by the launcher threads too: the last may return after the test.
    const auto recording = std::make_shared<RecordingLaunches>();
    RecordingLaunches& launches = *recording;
    LaunchWorker worker([recording](const std::string& address) { (*recording)(address); }, 200ms, 2);
    testing::internal::CaptureStderr();
    const auto handed = [&](std::initializer_list<const char*> addresses) {
        for (const char* address : addresses) worker.hand(address);
        worker.wait(5s);
        return launches.launched();
    };
    using Seen = std::vector<std::string>;
    EXPECT_EQ(handed({"stuck 1", "a"}), (Seen{"stuck 1", "a"}));
    EXPECT_EQ(handed({"stuck 2", "b"}), (Seen{"stuck 1", "a", "stuck 2"})) << "two are left running: no more";
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("the launch of an address of 7 bytes has not returned after 200 ms"), std::string::npos)
        << said;
    EXPECT_NE(said.find("an address of 1 bytes was not opened: 2 earlier launches have not returned"),
              std::string::npos)
        << said;

    // Once they return, addresses are launched again.
    launches.release();
    for (int i = 0; i < 100 && launches.launched().back() != "d"; ++i) {
        std::this_thread::sleep_for(20ms);
        handed({"d"});
    }
    EXPECT_EQ(launches.launched().back(), "d");
}

}  // namespace
