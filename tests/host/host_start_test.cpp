// Host start-up and the parts of the Linux platform a test can see headless.
#include <unistd.h>

#include <climits>
#include <string>

#include <gtest/gtest.h>
#include <QApplication>

#include "forms/model.h"
#include "host/host.h"
#include "host/settings.h"
#include "platform/platform.h"
#include "tests/support/platform_stand_in.h"

namespace {

TEST(HostStart, RunDirectoryBecomesTheCurrentDirectoryAndQtComesUp) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            ASSERT_EQ(chdir("/"), 0);
            install_platform(nullptr);
            InitHost();
            char cwd[PATH_MAX];
            bool ok = getcwd(cwd, sizeof cwd) != nullptr && from_utf8(cwd) == RunDirectory();
            ok = ok && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
            ok = ok && ScreenWidth() > 0 && ScreenHeight() > 0;  // the offscreen screen
            InitHost();                                          // a second call keeps the one application
            std::fprintf(stderr, ok ? "started\n" : "failed\n");
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "started");
}

TEST(HostStart, WithoutAWindowSystemTheFatalReportGoesToStandardError) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            install_platform(nullptr);
            ReportFatalError("载入启动窗口失败", 6);
        },
        testing::ExitedWithCode(255),
        to_utf8("错误\n运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：载入启动窗口失败\r\n"));
}

TEST(SettingsFilePath, IsTheRunDirectoryAndTheVersionedName) {
    {
        PlatformStandIn outside;
        outside.run_directory = "/srv/\xE7\x9B\xAE\xE5\xBD\x95";
        EXPECT_EQ(settings_file_path(), "/srv/目录\\搜索器设置信息1.4.ini");
    }
    EXPECT_EQ(settings_file_path(), RunDirectory() + "\\搜索器设置信息1.4.ini");
}

}  // namespace
