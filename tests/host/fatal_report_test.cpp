// The fatal report: its exact text, the caption, the end of the program with
// status 255, and events being dropped while the box is up.
#include <optional>

#include <gtest/gtest.h>

#include "host/host.h"
#include "tests/support/recording_platform.h"

namespace {

struct ReportCase {
    Text message;
    std::optional<int> code;
    Text text;
};

TEST(FatalReport, TextCaptionAndExitStatus) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    const ReportCase cases[] = {
        {"载入启动窗口失败", std::nullopt, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        {"调用DLL命令后发现堆栈错误", 6,
         "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n"},
        {"", 6, "运行时出错!\r\n\r\n错误代码：6\r\n\r\n"},
        {"", -12, "运行时出错!\r\n\r\n错误代码：-12\r\n\r\n"},
        {"", 0, "运行时出错!\r\n\r\n错误代码：0\r\n\r\n"},
        {"", std::nullopt, "运行时出错!\r\n\r\n"},
    };
    for (const ReportCase& c : cases) {
        EXPECT_EXIT(
            {
                RecordingPlatform outside;
                ReportFatalError(c.message, c.code);
            },
            testing::ExitedWithCode(255), RecordingPlatform::error_box_line("错误", c.text))
            << c.text;
    }
}

// Checks, while the box is "up", that the program already counts as ending.
class EndingProbe : public RecordingPlatform {
public:
    void show_error_box(const Text& caption, const Text& message) override {
        std::fputs(ProgramEnding() ? "ending while the box is up\n" : "NOT ending\n", stderr);
        RecordingPlatform::show_error_box(caption, message);
    }
};

TEST(FatalReport, ProgramCountsAsEndingBeforeTheBoxAppears) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_FALSE(ProgramEnding());
    EXPECT_EXIT(
        {
            EndingProbe outside;
            ReportFatalError("x");
        },
        testing::ExitedWithCode(255), "ending while the box is up");
}

// A second fatal error raised while the first box is up (a nested event loop
// can run handlers) shows no second box.
class ReentrantProbe : public RecordingPlatform {
public:
    void show_error_box(const Text& caption, const Text& message) override {
        RecordingPlatform::show_error_box(caption, message);
        ReportFatalError("second");
    }
};

TEST(FatalReport, SecondReportWhileTheFirstIsUpShowsNoSecondBox) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            ReentrantProbe outside;
            ReportFatalError("first");
        },
        testing::ExitedWithCode(255),
        RecordingPlatform::hex("错误信息：first\r\n") + "\n$");  // the last line is the first box
}

}  // namespace
