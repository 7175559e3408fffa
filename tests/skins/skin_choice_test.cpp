// The settings page's two skin choices, driven on the real main window as a
// reader would: pick a list entry and click "确定", or type a number into the
// skin box and press Enter or click its button. A recording stand-in engine
// in the run directory sees each attach and, at that moment, the settings
// file, which tells whether the skin was attached before or after the write.
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "app/host.h"
#include "app/settings.h"
#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "forms/qt/widget_access.h"
#include "skins/catalogue.h"
#include "tests/skins/recorder.h"
#include "tests/skins/skin_test_support.h"
#include "tests/support/recording_platform.h"

namespace {

using namespace main_window;

std::string catalogue_bytes(int number) {
    const ByteSet skin = catalogue_skin(number);
    return {reinterpret_cast<const char*>(skin.data()), skin.size()};
}

template <class W>
W* widget(forms::ControlId control) {
    auto* w = qobject_cast<W*>(WidgetOf(id, control));
    EXPECT_NE(w, nullptr) << "control " << control;
    return w;
}

// The main window stays loaded for the whole run: closing it ends the program.
class SkinChoice : public testing::Test {
protected:
    static void SetUpTestSuite() {
        run = std::make_unique<TempRunDirectory>();
        std::filesystem::copy_file(RECORDING_ENGINE, run->file("SkinH_EL.dll"));
        outside = std::make_unique<RecordingPlatform>();
        static const forms::WindowDesc* const windows[] = {&description};
        forms::DescribeWindows(windows);
        ASSERT_TRUE(LoadWindow(id, std::nullopt, false));
        widget<QTabWidget>(选择夹1)->setCurrentIndex(2);  // "软件设置"
    }

    static void TearDownTestSuite() {
        outside.reset();
        run.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(forms::IsLoaded(id));
        recorder.library = dlopen(run->file("SkinH_EL.dll").c_str(), RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(recorder.library, nullptr) << "the main window attached no skin from the run directory";
        std::filesystem::remove(settings_path());
        recorder.watch(settings_path());
        recorder.forget();
    }

    static std::string settings_path() { return os_path(settings_file_path()); }
    static Text stored_skin() { return ReadSetting(settings_file_path(), settings_section, skin_key); }

    static void choose_listed(int entry) {
        widget<QComboBox>(组合框2)->setCurrentIndex(entry);
        QTest::mouseClick(widget<QPushButton>(按钮5), Qt::LeftButton);
    }
    static void type_number(const QString& typed) {
        auto* box = widget<QLineEdit>(编辑框2);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        for (QChar ch : typed) {
            if (ch.unicode() < 0x80) {
                QTest::keyClicks(box, QString(ch));
            } else {
                // Chinese comes through the input method, one committed character at a time.
                QInputMethodEvent commit;
                commit.setCommitString(QString(ch));
                QApplication::sendEvent(box, &commit);
            }
        }
    }

    // What the engine was handed: the skin's bytes, or "" for no skin.
    std::string attached(int call) const { return recorder.null(call) ? std::string() : recorder.bytes(call); }

    static std::unique_ptr<TempRunDirectory> run;
    static std::unique_ptr<RecordingPlatform> outside;
    Recorder recorder;
};
std::unique_ptr<TempRunDirectory> SkinChoice::run;
std::unique_ptr<RecordingPlatform> SkinChoice::outside;

TEST_F(SkinChoice, EachListedEntryAttachesItsSkinThenStoresIt) {
    const struct {
        int entry, skin;
        const char* stored;
    } cases[] = {{0, 1, "1"}, {1, 3, "3"}, {2, 2, "2"}, {3, 4, "4"}, {4, 8, "8"}, {5, 36, "36"}, {6, 9, "9"}, {7, 15, "15"}};
    for (const auto& c : cases) {
        std::filesystem::remove(settings_path());
        recorder.forget();
        choose_listed(c.entry);
        ASSERT_EQ(recorder.calls(), 1) << c.entry;
        EXPECT_EQ(attached(0), catalogue_bytes(c.skin)) << c.entry;
        EXPECT_EQ(recorder.watched(0), "(missing)") << "stored before the skin was attached: " << c.entry;
        EXPECT_EQ(stored_skin(), c.stored) << c.entry;
    }
}

TEST_F(SkinChoice, ClickingTwiceAttachesAndStoresTwice) {
    choose_listed(5);
    choose_listed(5);
    ASSERT_EQ(recorder.calls(), 2);
    EXPECT_EQ(attached(1), catalogue_bytes(36));
    EXPECT_TRUE(recorder.watched(1).find("36") != std::string::npos) << "the first click stored nothing";
    EXPECT_EQ(stored_skin(), "36");
}

TEST_F(SkinChoice, NoListSelectionDoesNothing) {
    forms::WriteProperty(id, 组合框2, forms::prop::ComboSelection, -1);
    QTest::mouseClick(widget<QPushButton>(按钮5), Qt::LeftButton);
    EXPECT_EQ(recorder.calls(), 0);
    EXPECT_FALSE(std::filesystem::exists(settings_path()));
    widget<QComboBox>(组合框2)->setCurrentIndex(0);
}

TEST_F(SkinChoice, ATypedNumberIsStoredAsTypedThenAttached) {
    const struct {
        QString typed;
        const char* stored;
        int skin;  // 0: no skin data
    } cases[] = {{"58", "58", 58}, {"7", "7", 7}, {"1", "1", 1}, {"0", "0", 0}, {"99", "99", 0},
                 {"ab", "ab", 0}, {"", "", 0}, {"5x", "5x", 5}};
    for (bool by_enter : {true, false}) {
        for (const auto& c : cases) {
            const std::string how = (by_enter ? "Enter, typed " : "button, typed ") + c.typed.toStdString();
            std::filesystem::remove(settings_path());
            recorder.forget();
            type_number(c.typed);
            if (by_enter)
                QTest::keyClick(widget<QLineEdit>(编辑框2), Qt::Key_Return);
            else
                QTest::mouseClick(widget<QPushButton>(按钮2), Qt::LeftButton);
            ASSERT_EQ(recorder.calls(), 1) << how;
            EXPECT_EQ(attached(0), c.skin ? catalogue_bytes(c.skin) : std::string()) << how;
            EXPECT_EQ(recorder.size(0), c.skin ? int(catalogue_skin(c.skin).size()) : 0) << how;
            // Stored first: the file already held the text when the engine was called.
            EXPECT_NE(recorder.watched(0), "(missing)") << how;
            EXPECT_EQ(stored_skin(), c.stored) << how;
        }
    }
}

TEST_F(SkinChoice, TheSkinBoxTakesTwoBytesAtMost) {
    type_number(QStringLiteral("123"));
    EXPECT_EQ(forms::ReadText(id, 编辑框2, forms::prop::EditContent), "12");
    type_number(QStringLiteral("皮肤"));
    EXPECT_EQ(forms::ReadText(id, 编辑框2, forms::prop::EditContent), "皮");
    QTest::keyClick(widget<QLineEdit>(编辑框2), Qt::Key_Return);
    ASSERT_EQ(recorder.calls(), 1);
    EXPECT_TRUE(recorder.null(0));
    EXPECT_EQ(stored_skin(), "皮");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The main window stays loaded to the end, and like the program the test
    // ends at once rather than tear down widgets after their application.
    std::fflush(nullptr);
    std::_Exit(result);
}
