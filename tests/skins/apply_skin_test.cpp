// What apply_skin hands the engine, seen by a recording stand-in engine that
// sits in the run directory under the engine's name.
#include <climits>
#include <cstring>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "skins/catalogue.h"
#include "skins/skins.h"
#include "tests/skins/recorder.h"
#include "tests/skins/skin_test_support.h"

namespace {

std::string catalogue_bytes(int number) {
    const ByteSet skin = catalogue_skin(number);
    return {reinterpret_cast<const char*>(skin.data()), skin.size()};
}

class ApplySkin : public testing::Test {
protected:
    static void SetUpTestSuite() {
        run = std::make_unique<TempRunDirectory>();
        std::filesystem::copy_file(RECORDING_ENGINE, run->file("SkinH_EL.dll"));
    }
    static void TearDownTestSuite() { run.reset(); }

    void SetUp() override {
        SetRunDirectoryForTesting(run->path);
        // The host loads the engine on the first call and keeps it; the test
        // reaches the same loaded copy.
        apply_skin(0);
        recorder.library = dlopen(run->file("SkinH_EL.dll").c_str(), RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(recorder.library, nullptr) << "apply_skin did not load the engine from the run directory";
        recorder.forget();
    }

    static std::unique_ptr<TempRunDirectory> run;
    Recorder recorder;
};
std::unique_ptr<TempRunDirectory> ApplySkin::run;

TEST_F(ApplySkin, PassesACopyOfTheNumberedSkin) {
    const struct {
        int number, size;
    } cases[] = {{58, 20975}, {42, 5057}, {1, 18930}, {6, 26370}, {57, 49705}};
    for (const auto& c : cases) {
        recorder.forget();
        apply_skin(c.number);
        ASSERT_EQ(recorder.calls(), 1) << c.number;
        EXPECT_FALSE(recorder.null(0)) << c.number;
        EXPECT_EQ(recorder.size(0), c.size) << c.number;
        EXPECT_EQ(recorder.bytes(0).substr(0, 4), ".SHE") << c.number;
        EXPECT_EQ(recorder.bytes(0), catalogue_bytes(c.number)) << c.number;
        EXPECT_NE(recorder.address(0), catalogue_skin(c.number).data()) << "not a copy: " << c.number;
        EXPECT_EQ(recorder.password(0), "") << c.number;
        EXPECT_EQ(recorder.number(0, 0), 0);
        EXPECT_EQ(recorder.number(0, 1), 0);
        EXPECT_EQ(recorder.number(0, 2), 0);
    }
}

TEST_F(ApplySkin, OtherNumbersCallTheEngineWithNoSkin) {
    for (int number : {0, -1, 59, 99, INT_MIN, INT_MAX}) {
        recorder.forget();
        apply_skin(number);
        ASSERT_EQ(recorder.calls(), 1) << number;
        EXPECT_TRUE(recorder.null(0)) << number;
        EXPECT_EQ(recorder.size(0), 0) << number;
        EXPECT_EQ(recorder.password(0), "") << number;
        EXPECT_EQ(recorder.number(0, 0) | recorder.number(0, 1) | recorder.number(0, 2), 0) << number;
    }
}

TEST_F(ApplySkin, CallsInARowReachTheEngineInOrder) {
    apply_skin(3);
    apply_skin(36);
    apply_skin(36);
    ASSERT_EQ(recorder.calls(), 3);
    EXPECT_EQ(recorder.bytes(0), catalogue_bytes(3));
    EXPECT_EQ(recorder.bytes(1), catalogue_bytes(36));
    EXPECT_EQ(recorder.bytes(2), catalogue_bytes(36));
}

TEST_F(ApplySkin, ChecksForTheEngineFileOnEveryCallWithoutReplacingIt) {
    const std::string path = run->file("SkinH_EL.dll");
    const std::string recording = file_bytes(RECORDING_ENGINE);
    apply_skin(9);
    EXPECT_EQ(file_bytes(path), recording) << "an existing engine was replaced";

    // Gone between two skin changes: written afresh, while the engine already
    // loaded goes on serving this run.
    std::filesystem::rename(path, run->file("recorder.so"));
    apply_skin(15);
    EXPECT_EQ(file_bytes(path), built_engine());
    EXPECT_EQ(dos_attributes(path), "0x2");
    EXPECT_EQ(recorder.calls(), 2);
    EXPECT_EQ(recorder.bytes(1), catalogue_bytes(15));
    std::filesystem::remove(path);
    std::filesystem::rename(run->file("recorder.so"), path);
}

}  // namespace
