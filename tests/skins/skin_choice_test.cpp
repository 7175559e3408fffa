// Choosing skins on the real main window as a reader does: pick a list entry
// and click "确定", or type a number into the skin box and press Enter or
// click its button. A recording stand-in engine sits in the run directory
// under the engine's name; it sees what apply_skin hands over and, at that
// moment, the settings file, which tells whether the skin came before the write.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "forms/model.h"
#include "host/host.h"
#include "host/run_directory.h"
#include "host/settings.h"
#include "main_window/controls.h"
#include "main_window/wiring.h"
#include "skins/catalogue.h"
#include "tests/skins/recorder.h"
#include "tests/skins/skin_test_support.h"
#include "tests/support/form_access.h"
#include "tests/support/recording_platform.h"
#include "welcome_window/wiring.h"

namespace {

using namespace main_window;

std::string catalogue_bytes(int number) {
    const ByteSet skin = catalogue_skin(number);
    return {reinterpret_cast<const char*>(skin.data()), skin.size()};
}

template <class W>
W* widget(forms::ControlId control) {
    return qobject_cast<W*>(WidgetOf(id, control));
}

// The main window stays loaded for the whole run: closing it ends the program.
class SkinChoice : public testing::Test {
protected:
    static void SetUpTestSuite() {
        run = std::make_unique<TempRunDirectory>();
        std::filesystem::copy_file(RECORDING_ENGINE, run->file("SkinH_EL.dll"));
        outside = std::make_unique<RecordingPlatform>();
        const forms::DescribedWindow windows[] = {{&description, main_window::wiring()}};
        forms::DescribeWindows(windows);
        ASSERT_TRUE(LoadWindow(id, std::nullopt, false));
        widget<QTabWidget>(选择夹1)->setCurrentIndex(2);  // "软件设置"
    }
    static void TearDownTestSuite() {
        outside.reset();
        run.reset();
    }

    void SetUp() override {
        for (const auto& [path, library] : outside->loaded)
            if (path == run->file("SkinH_EL.dll")) recorder.library = library;
        ASSERT_NE(recorder.library, nullptr) << "the main window attached no skin from the run directory";
        recorder.watch(settings_path());
        start_afresh();
    }

    void start_afresh() const {
        std::filesystem::remove(settings_path());
        recorder.forget();
    }
    static std::string settings_path() { return os_path(settings_file_path()); }
    static Text stored_skin() { return ReadSetting(settings_file_path(), settings_section, skin_key); }

    static void choose_listed(int entry) {
        widget<QComboBox>(组合框2)->setCurrentIndex(entry);
        QTest::mouseClick(widget<QPushButton>(按钮5), Qt::LeftButton);
    }
    static void type_number(const char* typed, bool by_enter) {
        auto* box = widget<QLineEdit>(编辑框2);
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromLatin1(typed));
        if (by_enter)
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::mouseClick(widget<QPushButton>(按钮2), Qt::LeftButton);
    }

    // One attach happened, with these bytes ("" for none), the empty password and three zeros.
    void expect_one_attach(const std::string& bytes, const std::string& how) const {
        ASSERT_EQ(recorder.calls(), 1) << how;
        EXPECT_EQ(recorder.null(0), bytes.empty()) << how;
        EXPECT_EQ(recorder.size(0), int(bytes.size())) << how;
        EXPECT_EQ(recorder.bytes(0), bytes) << how;
        EXPECT_EQ(recorder.password(0), "") << how;
        EXPECT_EQ(recorder.number(0, 0) | recorder.number(0, 1) | recorder.number(0, 2), 0) << how;
    }

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
    } cases[] = {{0, 1, "1"}, {1, 3, "3"},   {2, 2, "2"}, {3, 4, "4"},
                 {4, 8, "8"}, {5, 36, "36"}, {6, 9, "9"}, {7, 15, "15"}};
    for (const auto& c : cases) {
        start_afresh();
        choose_listed(c.entry);
        expect_one_attach(catalogue_bytes(c.skin), "entry " + std::to_string(c.entry));
        EXPECT_EQ(recorder.watched(0), "(missing)") << "stored before the skin was attached: " << c.entry;
        EXPECT_EQ(stored_skin(), c.stored) << c.entry;
    }
    // No entry selected: nothing attached, nothing stored.
    start_afresh();
    forms::WriteProperty(id, 组合框2, forms::prop::ComboSelection, -1);
    QTest::mouseClick(widget<QPushButton>(按钮5), Qt::LeftButton);
    EXPECT_EQ(recorder.calls(), 0);
    EXPECT_FALSE(std::filesystem::exists(settings_path()));
}

TEST_F(SkinChoice, ATypedNumberIsStoredAsTypedThenAttached) {
    const struct {
        const char* typed;
        int skin;  // 0: no skin data
        int size;
    } cases[] = {{"58", 58, 20975}, {"42", 42, 5057}, {"6", 6, 26370}, {"0", 0, 0},    {"59", 0, 0},
                 {"99", 0, 0},      {"ab", 0, 0},     {"", 0, 0},      {"5x", 5, 8321}};
    for (bool by_enter : {true, false}) {
        for (const auto& c : cases) {
            const std::string how = std::string(by_enter ? "Enter after " : "button after ") + "\"" + c.typed + "\"";
            start_afresh();
            type_number(c.typed, by_enter);
            expect_one_attach(c.skin ? catalogue_bytes(c.skin) : std::string(), how);
            EXPECT_EQ(recorder.size(0), c.size) << how;
            if (c.skin) {
                EXPECT_EQ(recorder.bytes(0).substr(0, 4), ".SHE") << how;
                EXPECT_NE(recorder.address(0), catalogue_skin(c.skin).data()) << "not a copy: " << how;
            }
            EXPECT_NE(recorder.watched(0), "(missing)") << "attached before the text was stored: " << how;
            EXPECT_EQ(stored_skin(), c.typed) << how;
        }
    }
}

TEST_F(SkinChoice, AMissingEngineFileIsWrittenAgainWithoutReplacingTheLoadedOne) {
    const std::string path = run->file("SkinH_EL.dll");
    choose_listed(1);
    EXPECT_EQ(file_bytes(path), file_bytes(RECORDING_ENGINE)) << "an existing engine file was replaced";
    std::filesystem::rename(path, run->file("recorder.so"));
    start_afresh();
    choose_listed(7);
    EXPECT_EQ(file_bytes(path), built_engine());
    EXPECT_EQ(dos_attributes(path), "0x2");
    expect_one_attach(catalogue_bytes(15), "served by the engine already loaded");
    std::filesystem::remove(path);
    std::filesystem::rename(run->file("recorder.so"), path);
}

}  // namespace
