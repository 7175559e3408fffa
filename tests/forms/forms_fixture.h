#pragma once
// A test window loaded fresh for each test, on a fixed 1920 x 1080 screen;
// every window still loaded at the end is destroyed.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include "forms/dispatch.h"
#include "forms/model.h"
#include "forms/window_state.h"
#include "test_windows.h"
#include "tests/support/form_access.h"
#include "tests/support/recording_platform.h"

class FormsTest : public ::testing::Test {
protected:
    RecordingPlatform outside;

    void SetUp() override {
        forms::DescribeWindows(trial::windows());
        trial::record().reset();
    }

    void TearDown() override {
        for (forms::WindowId id : forms::loaded_ids()) forms::destroy_window(id);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Loads the test window non-modally and returns its top-level widget.
    QWidget* load() {
        EXPECT_TRUE(LoadWindow(trial::window, std::nullopt, false));
        QWidget* top = WidgetOf(trial::window, trial::窗口);
        EXPECT_NE(top, nullptr);
        return top;
    }

    static QWidget* widget(forms::ControlId control) { return WidgetOf(trial::window, control); }
    static forms::Value read(forms::ControlId control, int number) {
        return forms::ReadProperty(trial::window, control, number);
    }
    static void write(forms::ControlId control, int number, const forms::Value& value) {
        forms::WriteProperty(trial::window, control, number, value);
    }
    static const std::vector<std::string>& calls() { return trial::record().calls; }
};
