// The main window as a reader meets it: engines chosen in the list, names
// typed into the book-name box, searches sent with Enter or the button, and
// what reaches the browser, byte for byte. The window is loaded once, with its
// real handlers and a recording platform; it is never closed, because closing
// it ends the program.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "forms/dispatch.h"
#include "forms/model.h"
#include "host/host.h"
#include "host/run_directory.h"
#include "main_window/controls.h"
#include "main_window/flow.h"
#include "main_window/wiring.h"
#include "search/reader_catalogue.h"
#include "tests/search/expected_addresses.h"
#include "tests/support/form_access.h"
#include "tests/support/recording_platform.h"
#include "tests/support/temp_folder.h"
#include "welcome_window/controls.h"
#include "welcome_window/wiring.h"

namespace {

using namespace main_window;
namespace prop = forms::prop;

const Text settings_name = "搜索器设置信息1.4.ini";

class MainWindow : public ::testing::Test {
protected:
    static inline RecordingPlatform* outside = nullptr;
    static inline TempFolder* folder = nullptr;
    static inline std::string first_start_file;

    static void SetUpTestSuite() {
        outside = new RecordingPlatform;
        InitHost();
        folder = new TempFolder;
        outside->run_directory = folder->utf8();
        const forms::DescribedWindow windows[] = {{&welcome_window::description, welcome_window::wiring()},
                                                  {&main_window::description, main_window::wiring()}};
        forms::DescribeWindows(windows);
        ASSERT_TRUE(LoadWindow(id, std::nullopt, false));
        first_start_file = folder->get(settings_name);
        QCoreApplication::processEvents();
    }

    void SetUp() override {
        outside->opened.clear();
        outside->width = 1920;
        outside->height = 1080;
        outside->work.reset();
        std::filesystem::remove(folder->os(settings_name));
        choose(组合框1, 0);
        choose(组合框3, 0);
        type_name("");
    }

    static QLineEdit* edit_box() { return qobject_cast<QLineEdit*>(WidgetOf(id, 编辑框1)); }
    static QComboBox* list(forms::ControlId control) { return qobject_cast<QComboBox*>(WidgetOf(id, control)); }

    static void choose(forms::ControlId control, int index) {
        auto* box = list(control);
        ASSERT_NE(box, nullptr);
        box->setCurrentIndex(index);
        QCoreApplication::processEvents();
    }

    // Types the name into the book-name box as a reader would.
    static void type_name(const Text& gbk_name) {
        QLineEdit* box = edit_box();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // the old name goes as a reader clears it
        QTest::keyClick(box, Qt::Key_Delete);
        for (const QChar ch : QString::fromUtf8(to_utf8(gbk_name))) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(box, char(ch.unicode()));
            else  // what an input method hands the box
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    static void press_enter(QWidget* widget, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(widget, Qt::Key_Return, modifiers);
        QCoreApplication::processEvents();
    }

    static std::string settings() { return folder->get(settings_name); }

    // Waits for the window's timers, as the reader would wait.
    template <class Condition>
    static bool within(std::chrono::milliseconds limit, Condition condition) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end) return false;
            QTest::qWait(5);
        }
        return true;
    }
};

TEST_F(MainWindow, FirstStartWritesTheFirstStartSkinAlone) {
    EXPECT_EQ(first_start_file, "[搜索器设置：]\r\n皮肤=6\r\n");
}

// Each engine's address for a name, written out in full.
struct EngineAddress {
    int index;
    Text before;
    Text after;
};
const EngineAddress engine_addresses[] = {
    {0, "http://book.easou.com/w/search/", "_1_0_0_1.html?wver=dsp"},
    {1, "http://www.jjwxc.net/search.php?kw=", "&t=1"},
    {2, "http://search.readnovel.com/web/search.php?searchconditions=0&keywords=", ""},
    {3, "http://search.zongheng.com/search/bookName/", "/1.html"},
    {4, "http://search.xs8.cn/kw/", "/col/all?"},
    {5, "http://www.lingdiankanshu.com/Book/Search.aspx?SearchKey=", ""},
    {6, "http://yc.sohu.com/search.php?keyword=", "&searchtype=1"},
    {7, "http://www.soso.com/q?sc=web&site=book.qq.com&cid=w.q.book&w=", ""},
    {8, "http://book.sina.com.cn/s.php?k=", "+&s_type="},
    {9, "http://www.yuanchuang.com/book/search?q=", "+&f=0"},
    {10, "http://search.xinxs8.com/mm_s_search.php?PHPSESSID=7c2e4a91d05b38f6e1a9c4d27b0f5e83&exact=bkName&k=", ""},
};
// Names go in as typed, nothing trimmed, as one value: GBK bytes, and every
// byte but A-Z a-z 0-9 - . _ ~ percent-encoded.
const std::pair<Text, Text> names[] = {{"Dou Po", "Dou%20Po"},
                                       {"斗破苍穹", "%B6%B7%C6%C6%B2%D4%F1%B7"},
                                       {"", ""},
                                       {"a&b?c#d/e+f", "a%26b%3Fc%23d%2Fe%2Bf"},
                                       {"  two sides  ", "%20%20two%20sides%20%20"}};

TEST_F(MainWindow, EveryEngineBuildsItsAddressFromTheNameAsOneValue) {
    for (const auto& engine : engine_addresses) {
        choose(组合框1, engine.index);
        for (const auto& [name, sent] : names) {
            outside->opened.clear();
            type_name(name);
            press_enter(edit_box());
            ASSERT_EQ(outside->opened.size(), 1u) << engine.index << " " << to_utf8(name);
            EXPECT_EQ(outside->opened[0], engine.before + sent + engine.after) << engine.index << " " << to_utf8(name);
        }
    }
    for (const ExpectedSearch& search : expected_searches) {
        choose(组合框1, search.engine);
        type_name(search.name);
        press_enter(edit_box());
        EXPECT_EQ(outside->opened.back(), search.address);
        // The remembered name is what was typed, byte for byte.
        EXPECT_EQ(settings(), "[搜索器设置：]\r\n搜索记录=" + Text(search.name) + "\r\n");
    }
    // A character GBK cannot hold reaches the box as "?", and the engine as %3F.
    choose(组合框1, 1);
    edit_box()->setText(QString::fromUtf8("\xE6\x96\x97\xE7\xA0\xB4\xF0\x9F\x98\x80\xE8\x8B\x8D\xE7\xA9\xB9"));
    QTest::keyClick(edit_box(), Qt::Key_End);
    press_enter(edit_box());
    EXPECT_EQ(outside->opened.back(), "http://www.jjwxc.net/search.php?kw=%B6%B7%C6%C6%3F%B2%D4%F1%B7&t=1");
}

// The engine list's menu, second entry: the catalogue read again, the list
// rebuilt with the chosen engine kept by its name, and the report shown.
TEST_F(MainWindow, ReadingTheCatalogueAgainRebuildsTheListAndReports) {
    choose(组合框1, 7);
    folder->put(Text(search::catalogue_file_name),
                "[搜索引擎]\r\n零点看书网=隐藏\r\n甲【A】=http://a.example/%s\r\n坏=%s\r\n");
    forms::menu_chosen(id, 组合框1, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(list(组合框1)->count(), 11);
    EXPECT_EQ(from_utf8(list(组合框1)->itemText(10).toStdString()), "甲【A】");
    EXPECT_EQ(forms::ReadInteger(id, 组合框1, prop::ComboSelection), 6);  // 腾讯读书, one up
    ASSERT_EQ(outside->reports.size(), 1u);
    EXPECT_NE(outside->reports[0].message.find("读入了 2 个搜索引擎、0 个站点"), Text::npos);
    EXPECT_NE(outside->reports[0].message.find("第 4 行：地址不是以 http:// 或 https:// 开头"), Text::npos);
    choose(组合框1, 10);
    type_name("C#");
    press_enter(edit_box());
    EXPECT_EQ(outside->opened.back(), "http://a.example/C%23");
    EXPECT_EQ(forms::ReadText(id, 按钮1, prop::ButtonCaption), "甲");

    // Gone again: the built-in list, and the first engine where the chosen one is gone.
    std::filesystem::remove(folder->os(Text(search::catalogue_file_name)));
    forms::menu_chosen(id, 组合框1, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(list(组合框1)->count(), 11);
    EXPECT_EQ(forms::ReadInteger(id, 组合框1, prop::ComboSelection), 0);
    EXPECT_EQ(from_utf8(list(组合框1)->itemText(5).toStdString()), "零点看书网【B】");
    EXPECT_EQ(outside->reports.size(), 2u);
}

TEST_F(MainWindow, ThreeWaysSendASearchAndOtherKeysDoNothing) {
    type_name("abc");
    QTest::keyClick(edit_box(), Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter
    press_enter(edit_box(), Qt::ControlModifier);                    // any modifier held
    for (const auto key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Left}) QTest::keyClick(edit_box(), key);
    EXPECT_EQ(outside->opened.size(), 2u);
    type_name("abc");

    auto* search_button = qobject_cast<QPushButton*>(WidgetOf(id, 按钮1));
    ASSERT_NE(search_button, nullptr);
    QTest::mouseClick(search_button, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(outside->opened.size(), 3u);

    // Enter in the skin list searches with the engine and name of the strip.
    auto* skin_list = list(组合框2);
    skin_list->setFocus();
    press_enter(skin_list);
    ASSERT_EQ(outside->opened.size(), 4u);
    for (const auto& address : outside->opened)
        EXPECT_EQ(address, "http://book.easou.com/w/search/abc_1_0_0_1.html?wver=dsp");
}

TEST_F(MainWindow, SearchButtonCaptionFollowsTheEngineListWithinATick) {
    auto* search_button = qobject_cast<QPushButton*>(WidgetOf(id, 按钮1));
    ASSERT_NE(search_button, nullptr);
    const Text captions[] = {"宜搜小说网", "晋江文学网", "小说阅读网", "纵横中文网", "言情小说吧", "零点看书网",
                             "搜狐原创",   "腾讯读书",   "新浪读书",   "原创小说网", "新小说吧"};
    for (int index : {10, 3, 7, 0}) {
        choose(组合框1, index);
        EXPECT_TRUE(within(std::chrono::milliseconds(200), [&] {
            return forms::ReadText(id, 按钮1, prop::ButtonCaption) == captions[index];
        })) << index;
        EXPECT_EQ(from_utf8(search_button->text().toStdString()), captions[index]);
    }
    // The history captions tell what a search will do with the name.
    choose(组合框3, 1);
    EXPECT_TRUE(within(std::chrono::milliseconds(200), [&] {
        return from_utf8(list(组合框3)->toolTip().toStdString()) == "读出书名" &&
               from_utf8(search_button->toolTip().toStdString()) == "读出书名";
    }));
    choose(组合框3, 0);
    EXPECT_TRUE(within(std::chrono::milliseconds(200),
                       [&] { return from_utf8(search_button->toolTip().toStdString()) == "记录书名"; }));
    // The skin button keeps its own caption.
    EXPECT_EQ(forms::ReadText(id, 按钮2, prop::ButtonCaption), "确定（Enter）");
}

TEST_F(MainWindow, WriteModeRemembersTheNameAfterEverySearch) {
    type_name("遮天");
    press_enter(edit_box());
    EXPECT_EQ(settings(), "[搜索器设置：]\r\n搜索记录=遮天\r\n");
    // An empty box stores an empty value; the key stays.
    type_name("");
    press_enter(edit_box());
    EXPECT_EQ(settings(), "[搜索器设置：]\r\n搜索记录=\r\n");
    EXPECT_EQ(outside->opened.size(), 2u);
}

TEST_F(MainWindow, ReadModeSearchesWithTheTypedNameThenShowsTheStoredOne) {
    folder->put(settings_name, "[搜索器设置：]\r\n皮肤=3\r\n搜索记录=圣王\r\n");
    choose(组合框3, 1);
    type_name("typed");
    press_enter(edit_box());
    ASSERT_EQ(outside->opened.size(), 1u);
    EXPECT_EQ(outside->opened[0], "http://book.easou.com/w/search/typed_1_0_0_1.html?wver=dsp");
    EXPECT_EQ(forms::ReadText(id, 编辑框1, prop::EditContent), "圣王");
    EXPECT_EQ(settings(), "[搜索器设置：]\r\n皮肤=3\r\n搜索记录=圣王\r\n");
    // Without a stored name the box is emptied.
    std::filesystem::remove(folder->os(settings_name));
    press_enter(edit_box());
    EXPECT_EQ(outside->opened.back(), "http://book.easou.com/w/search/%CA%A5%CD%F5_1_0_0_1.html?wver=dsp");
    EXPECT_EQ(forms::ReadText(id, 编辑框1, prop::EditContent), "");
    EXPECT_FALSE(std::filesystem::exists(folder->os(settings_name)));
}

TEST_F(MainWindow, ClockShowsTheDateAndTheSmallestNonZeroUnit) {
    const std::pair<DateTime, Text> cases[] = {
        {{2026, 12, 7, 9, 5, 0}, "2026年12月7日9时5分"},
        {{2026, 12, 7, 12, 0, 7}, "2026年12月7日12时0分7秒"},
        {{2026, 1, 1, 0, 0, 0}, "2026年1月1日"},
        {{2013, 3, 30, 16, 0, 0}, "2013年3月30日16时"},
    };
    for (const auto& [when, text] : cases) {
        outside->clock = when;
        EXPECT_TRUE(within(std::chrono::milliseconds(2500), [&] {
            return forms::ReadText(id, 透明标签5, prop::TransCaption) == text;
        })) << to_utf8(text);
    }
}

// The window's layout is 317 x 521; it goes to (width - 1430, height - 800),
// moved the least distance that puts all of it, frame included, on the area
// left to windows. A program that Windows scales as a bitmap sees a 1920 x
// 1080 screen at 150 % as 1280 x 720; one aware of the scale sees the pixels
// themselves and a window half as large again (466 x 744 of client area and
// a frame that adds 8 and 32 pixels). Where the window would not fit the area
// at the screen's scale, it is shown at the largest 25 % step at which it
// does, never below 100 %; Qt's pixels (units at the screen's scale) shrink
// with it.
TEST_F(MainWindow, PlacementPutsTheWholeWindowOnTheWorkArea) {
    constexpr ScreenSize classic{6, 25}, windows_10{14, 37}, windows_10_scaled{8, 32};
    const struct {
        int width, height;
        std::optional<ScreenArea> work;
        int dpi, unit_dpi;
        ScreenSize frame;
        int shown_dpi, left, top;
    } screens[] = {
        {1920, 1080, {}, 96, 96, classic, 96, 490, 280},
        {1920, 1080, ScreenArea{0, 0, 1920, 1040}, 96, 96, windows_10, 96, 490, 280},
        {1366, 768, ScreenArea{0, 0, 1366, 728}, 96, 96, classic, 96, 0, 0},
        {1280, 720, ScreenArea{0, 0, 1280, 680}, 96, 96, classic, 96, 0, 0},
        {1024, 768, {}, 96, 96, classic, 96, 0, 0},
        {1280, 720, ScreenArea{0, 0, 1280, 693}, 96, 96, classic, 96, 0, 0},  // 150 %, scaled as a bitmap
        {1920, 1080, ScreenArea{0, 0, 1920, 1020}, 144, 96, windows_10_scaled, 144, 490, 244},  // 150 %, aware of it
        {1920, 1080, ScreenArea{0, 0, 1920, 780}, 96, 96, classic, 96, 490, 259},               // moved up, no further
        {1920, 1080, ScreenArea{0, 0, 700, 1080}, 96, 96, classic, 96, 383, 280},               // a dock on the right
        {1024, 768, ScreenArea{70, 28, 954, 740}, 96, 96, classic, 96, 70, 28},  // beside a dock, below a panel
        {800, 480, ScreenArea{0, 0, 800, 450}, 96, 96, classic, 96, 0,
         0},  // taller than the area: the title bar stays on it
        // Too tall at the screen's scale: the largest step that fits.
        {1366, 768, ScreenArea{0, 0, 1366, 728}, 144, 96, windows_10_scaled, 120, 0, 0},       // 776 > 728 at 150 %
        {1366, 768, ScreenArea{0, 0, 1366, 728}, 192, 96, windows_10_scaled, 120, 0, 0},       // 200 %: nor at 175 %
        {1920, 1080, ScreenArea{0, 0, 1920, 1040}, 192, 96, windows_10_scaled, 192, 490, 16},  // 200 % fits
        {1920, 1080, ScreenArea{0, 0, 1920, 1040}, 216, 96, windows_10_scaled, 192, 490, 16},  // 225 % does not
        {800, 480, ScreenArea{0, 0, 800, 450}, 144, 96, windows_10_scaled, 96, 0, 0},          // 100 % at the least
        {853, 480, ScreenArea{0, 0, 853, 452}, 144, 144, classic, 120, 0, 0},    // Qt on 1280 x 720 at 150 %
        {1280, 720, ScreenArea{0, 0, 1280, 693}, 144, 144, classic, 144, 0, 0},  // Qt on 1920 x 1080 at 150 %
    };
    for (const auto& screen : screens) {
        outside->width = screen.width;
        outside->height = screen.height;
        outside->work = screen.work;
        outside->dpi = screen.dpi;
        outside->unit_dpi = screen.unit_dpi;
        outside->frame = screen.frame;
        main_window::place_main_window();
        const std::string row =
            std::to_string(screen.width) + "x" + std::to_string(screen.height) + " at " + std::to_string(screen.dpi);
        EXPECT_EQ(forms::find_loaded(id)->dpi, screen.shown_dpi) << row;
        EXPECT_EQ(forms::ReadInteger(id, 窗口, prop::Left), screen.left) << row;
        EXPECT_EQ(forms::ReadInteger(id, 窗口, prop::Top), screen.top) << row;
    }
    outside->dpi = outside->unit_dpi = 96;
    outside->frame.reset();
    main_window::place_main_window();
}

}  // namespace
