// Timers, modal loads and the message loop.
#include <QElapsedTimer>
#include <QTimer>

#include "forms/timers.h"
#include "forms_fixture.h"

using namespace forms;
using namespace trial;

namespace {

// The form timers' clock while it lives, moved on by the test a millisecond
// at a time, each step a wake-up of the display.
class TestTimersClock {
public:
    TestTimersClock() {
        now_ = TimerClock::now();
        set_timers_clock([] { return now_; });
    }
    ~TestTimersClock() { set_timers_clock(nullptr); }
    void pass(int ms) {
        for (int i = 0; i < ms; ++i) {
            now_ += std::chrono::milliseconds(1);
            timers_due();
        }
    }

private:
    static inline TimerClock::time_point now_;
};

}  // namespace

TEST_F(FormsTest, ATimerWithIntervalZeroNeverTicks) {
    TestTimersClock clock;
    load();
    clock.pass(120);
    EXPECT_EQ(trial::record().ticks1, 0);
}

TEST_F(FormsTest, ATimerOfOneMillisecondTicksAtTheTenMillisecondFloor) {
    TestTimersClock clock;
    load();
    write(时钟1, prop::TimerInterval, 1);
    clock.pass(300);
    const int ticks = trial::record().ticks1;
    EXPECT_GE(ticks, 10);
    EXPECT_LE(ticks, 31) << "at most one tick per 10 ms";
    EXPECT_LE(ticks, 20) << "at most one per Windows tick of 15.6 ms";
}

TEST_F(FormsTest, WritingAnIntervalOfZeroOrLessStopsTheTimer) {
    TestTimersClock clock;
    load();
    write(时钟2, prop::TimerInterval, 10);
    clock.pass(60);
    EXPECT_GT(trial::record().ticks2, 0);
    write(时钟2, prop::TimerInterval, -5);
    const int stopped_at = trial::record().ticks2;
    clock.pass(60);
    EXPECT_EQ(trial::record().ticks2, stopped_at);
}

TEST_F(FormsTest, AModalLoadKeepsTheCallerDisabledWhileTimersTickThenRestoresIt) {
    load();
    write(时钟1, prop::TimerInterval, 10);
    trial::record().load_modal_in_click = true;
    trial::record().close_in_tick = true;
    QTest::mouseClick(widget(按钮1), Qt::LeftButton);  // returns only once the dialog is gone

    ASSERT_TRUE(trial::record().caller_disabled_seen.has_value());
    EXPECT_TRUE(*trial::record().caller_disabled_seen);
    EXPECT_GT(trial::record().caller_ticks_seen, 0) << "the caller's timer ticked in the nested loop";
    EXPECT_EQ(trial::record().modal_ticks, 3);
    EXPECT_FALSE(IsLoaded(modal));
    EXPECT_FALSE(ReadBoolean(window, 窗口, prop::Disabled));
    EXPECT_TRUE(widget(窗口)->isEnabled());
    const auto& log = calls();
    auto at = [&](const std::string& s) { return std::find(log.begin(), log.end(), s) - log.begin(); };
    EXPECT_LT(at("Click 3"), at("Created 902"));
    EXPECT_LT(at("Created 902"), at("Destroying 902"));
    EXPECT_EQ(log.back(), "modal returned");
}

TEST_F(FormsTest, AModalLoadKeepsADisabledCallerDisabledAndAHiddenCallerHidden) {
    QWidget* top = load();
    write(窗口, prop::Visible, false);
    write(窗口, prop::Disabled, true);
    trial::record().close_in_tick = true;
    ASSERT_TRUE(LoadWindow(modal, window, true));
    EXPECT_FALSE(top->isVisible());
    EXPECT_TRUE(ReadBoolean(window, 窗口, prop::Disabled)) << "it was disabled before";
    EXPECT_FALSE(ReadBoolean(window, 窗口, prop::Visible));
}

TEST_F(FormsTest, EscClosesAModalDialog) {
    load();
    QTimer::singleShot(30, [] {
        QWidget* dialog = WidgetOf(modal, 对话框);
        if (dialog == nullptr) return;
        QWidget* focus = dialog->focusWidget();  // keys go where the focus is
        QTest::keyClick(focus != nullptr ? focus : dialog, Qt::Key_Escape);
    });
    bool forced = false;
    QTimer guard;  // never hang the suite; gone with the test
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        forced = IsLoaded(modal);
        destroy_window(modal);
    });
    guard.start(3000);
    ASSERT_TRUE(LoadWindow(modal, std::nullopt, true));
    EXPECT_FALSE(forced);
    EXPECT_FALSE(IsLoaded(modal));
    EXPECT_EQ(calls().back(), "Destroying 902");
    QCoreApplication::processEvents();
}

TEST_F(FormsTest, AModalWindowThatIsNotShownDoesNotWait) {
    trial::record().hide_in_created = true;
    ASSERT_TRUE(LoadWindow(bare, std::nullopt, true));
    EXPECT_TRUE(IsLoaded(bare)) << "hidden in Created: no nested loop";
}

TEST_F(FormsTest, TheMessageLoopReturnsAtOnceWithoutWindows) {
    QElapsedTimer clock;
    clock.start();
    RunMessageLoop();
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(FormsTest, TheMessageLoopEndsWhenTheLastWindowIsDestroyed) {
    load();
    trial::record().close_in_tick = true;
    ASSERT_TRUE(LoadWindow(modal, std::nullopt, false));
    QTimer::singleShot(50, [] { destroy_window(window); });
    RunMessageLoop();
    EXPECT_FALSE(IsLoaded(window));
    EXPECT_FALSE(IsLoaded(modal));
    EXPECT_EQ(trial::record().modal_ticks, 3);
}

TEST_F(FormsTest, RunStartupWindowLoadsTheWindow) {
    RunStartupWindow(window);
    EXPECT_TRUE(IsLoaded(window));
    EXPECT_TRUE(widget(窗口)->isVisible());
}

using FormsDeathTest = FormsTest;

TEST_F(FormsDeathTest, APropertyOfAWindowNotLoadedIsFatal) {
    const Text expected = "运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n";
    EXPECT_EXIT(ReadProperty(window, 编辑框1, prop::EditContent), testing::ExitedWithCode(255),
                RecordingPlatform::error_box_line("错误", expected));
    EXPECT_EXIT(WriteProperty(window, 窗口, prop::Left, 0), testing::ExitedWithCode(255),
                RecordingPlatform::error_box_line("错误", expected));
}

TEST_F(FormsDeathTest, APropertyOfAControlTheWindowDoesNotHaveIsFatal) {
    load();
    const Text expected = "运行时出错!\r\n\r\n错误信息：指定窗口尚未载入\r\n";
    EXPECT_EXIT(ReadProperty(window, 4711, prop::ButtonCaption), testing::ExitedWithCode(255),
                RecordingPlatform::error_box_line("错误", expected));
}

TEST_F(FormsDeathTest, AStartupWindowThatCannotLoadIsFatal) {
    const Text expected = "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n";
    EXPECT_EXIT(RunStartupWindow(4711), testing::ExitedWithCode(255),
                RecordingPlatform::error_box_line("错误", expected));
}
