// What the reader sees: transparent labels, pictures, tabs, colours under a
// skin's style sheet. tools/form_shots.cpp saves pictures of the test windows.
#include <QElapsedTimer>
#include <QGroupBox>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <map>
#include <tuple>

#include "forms/placement.h"
#include "forms/presentation.h"
#include "forms/qt/looks.h"
#include "forms/qt/picture_box.h"
#include "forms/qt/trans_label.h"
#include "forms_fixture.h"
#include "host/program_end.h"

using namespace forms;
using namespace trial;

namespace {

// What the window shows on the screen now: the backing store, with every
// incremental repaint in it (QWidget::grab would paint everything afresh).
QImage on_screen(QWidget* top) {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    return top->screen()->grabWindow(top->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

int pixels_of(const QImage& image, QRect area, QRgb color) {
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) ++n;
    return n;
}

// Rows of `image` inside `area` where some pixel differs from `blank`.
std::vector<int> inked_rows(const QImage& image, const QImage& blank, QRect area) {
    std::vector<int> rows;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != blank.pixel(x, y)) {
                rows.push_back(y);
                break;
            }
    return rows;
}

qt::TransInk* ink_of(WindowId window, ControlId label) {
    auto* trans = dynamic_cast<qt::TransLabel*>(WidgetOf(window, label));
    return trans != nullptr ? trans->ink() : nullptr;
}

QRgb pixel(QWidget* w, QPoint at) { return w->grab().toImage().pixel(at) & 0xFFFFFF; }

// The clock of every picture box's frames while it lives, moved on by the test.
class TestFrameClock final : public qt::FrameClock {
public:
    TestFrameClock() { qt::use_frame_clock(this); }
    ~TestFrameClock() override { qt::use_frame_clock(nullptr); }
    void start(qt::PictureBox* box, int delay_ms) override { due_[box] = now_ + delay_ms; }
    void stop(qt::PictureBox* box) override { due_.erase(box); }
    // Moves the clock on by `ms`: each box shows the frames that fall due meanwhile.
    void pass(int ms) {
        const int until = now_ + ms;
        for (;;) {
            const auto next = std::min_element(due_.begin(), due_.end(),
                                               [](const auto& a, const auto& b) { return a.second < b.second; });
            if (next == due_.end() || next->second > until) break;
            qt::PictureBox* box = next->first;
            now_ = next->second;
            due_.erase(next);
            box->next_frame();
        }
        now_ = until;
    }

private:
    int now_ = 0;
    std::map<qt::PictureBox*, int> due_;
};

void wait_ms(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

TEST_F(FormsTest, ANewTransparentCaptionLeavesNoTraceOfTheOldOverAPicture) {
    QWidget* top = load();
    const QRect around(130, 66, 100, 50);  // the label over 图片框1, and room around it
    write(透明标签1, prop::TransCaption, Text("很长很长的旧文字"));
    const QImage before = on_screen(top);
    write(透明标签1, prop::TransCaption, Text("新"));
    const QImage after = on_screen(top).copy(around);
    destroy_window(window);

    QWidget* fresh = load();
    write(透明标签1, prop::TransCaption, Text("新"));
    const QImage expected = on_screen(fresh).copy(around);
    EXPECT_NE(before.copy(around), expected) << "the old caption was on the screen";
    EXPECT_EQ(after, expected);
}

TEST_F(FormsTest, TransparentTextIsNotClippedToTheLabel) {
    QWidget* top = load();
    write(透明标签1, prop::Left, 10);
    write(透明标签1, prop::Top, 100);
    write(透明标签1, prop::Width, 30);
    write(透明标签1, prop::TransAlign, 0);
    write(透明标签1, prop::TransCaption, Text("一行很长的文字不换行"));
    const QImage screen = on_screen(top);
    screen.save(QStringLiteral(YZ_BINARY_DIR "/forms_unclipped.png"));
    const QRgb blue = 0x0088FF;
    EXPECT_GT(pixels_of(screen, QRect(10, 100, 30, 16), blue), 0);
    EXPECT_GT(pixels_of(screen, QRect(45, 100, 120, 16), blue), 0) << "the line goes on past the label's right edge";
}

TEST_F(FormsTest, EffectThreeDrawsABlackShadowAndAnEmptyCaptionDrawsNothing) {
    QWidget* top = load();
    const QRect area(228, 38, 80, 24);  // empty window background
    write(透明标签1, prop::Left, 230);
    write(透明标签1, prop::Top, 40);
    write(透明标签1, prop::Width, 70);
    write(透明标签1, prop::TransCaption, Text("阴影"));
    EXPECT_EQ(pixels_of(on_screen(top), area, 0x000000), 0);
    EXPECT_GT(pixels_of(on_screen(top), area, 0x0088FF), 0);
    write(透明标签1, prop::TransEffect, 3);
    EXPECT_GT(pixels_of(on_screen(top), area, 0x000000), 0);
    write(透明标签1, prop::TransCaption, Text(""));
    const QImage empty = on_screen(top);
    EXPECT_EQ(pixels_of(empty, area, 0x000000) + pixels_of(empty, area, 0x0088FF), 0);
}

TEST_F(FormsTest, PicturesAreDecodedWhenFirstShown) {
    load();
    auto* hidden = static_cast<qt::PictureBox*>(widget(图片框3));
    auto* shown = static_cast<qt::PictureBox*>(widget(图片框1));
    EXPECT_TRUE(shown->decoded());
    EXPECT_EQ(shown->frame_count(), 1);
    EXPECT_FALSE(hidden->decoded()) << "its page was never opened";
    page_chosen(window, 选择夹1, 1);
    EXPECT_TRUE(hidden->decoded());
}

TEST_F(FormsTest, TransparentTextIsLaidOutWhenFirstShown) {
    ASSERT_TRUE(LoadWindow(bare, std::nullopt, false));
    WriteProperty(bare, 窗口, prop::Visible, true);
    QWidget* top = WidgetOf(bare, 窗口);
    qt::TransInk* shown = ink_of(bare, 竖排标签);
    qt::TransInk* hidden = ink_of(bare, 楷体标签);
    ASSERT_NE(shown, nullptr);
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(shown->laid_out());
    EXPECT_FALSE(hidden->laid_out()) << "its page was never opened";

    // A caption written while the page is away is what the page shows, with
    // room for all of its lines below the label's own 48 pixels.
    WriteProperty(bare, 楷体标签, prop::TransCaption, Text("一\r\n二\r\n三\r\n四\r\n五"));
    EXPECT_FALSE(hidden->laid_out());
    page_chosen(bare, 竖排选择夹, 1);
    EXPECT_TRUE(hidden->laid_out());
    const QRect label = WidgetOf(bare, 楷体标签)->geometry();
    EXPECT_GE(hidden->geometry().bottom(), label.top() + 4 * qt::line_pitch(qt::font_of({"楷体_GB2312", bold, 16})));
    const QImage screen = on_screen(top);
    const QPoint at = WidgetOf(bare, 楷体标签)->mapTo(top, QPoint(0, 0));
    EXPECT_GT(pixels_of(screen, QRect(at + QPoint(0, 60), QSize(40, 30)), 0x0000FF), 0) << "the fifth line is drawn";
}

// Wrapped lines of the fonts the layouts use, as they come out on the screen:
// the ink of one line fits in the pitch, and a text of three lines is three
// pitches tall.
TEST_F(FormsTest, WrappedLinesOfBoldTextDoNotOverlap) {
    struct Case {
        ControlId label;
        int page;
        forms::Font font;
    };
    const Case cases[] = {
        {竖排标签, 0, {"宋体", bold, 14}},
        {楷体标签, 1, {"楷体_GB2312", bold, 16}},
    };
    ASSERT_TRUE(LoadWindow(bare, std::nullopt, false));
    WriteProperty(bare, 窗口, prop::Visible, true);
    QWidget* top = WidgetOf(bare, 窗口);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.font.face);
        page_chosen(bare, 竖排选择夹, c.page);
        WriteProperty(bare, c.label, prop::TransEffect, 0);
        QWidget* label = WidgetOf(bare, c.label);
        const QRect area(label->mapTo(top, QPoint(0, -4)), QSize(label->width(), 90));
        auto rows_with = [&](const Text& caption) {
            WriteProperty(bare, c.label, prop::TransCaption, Text());
            const QImage blank = on_screen(top);
            WriteProperty(bare, c.label, prop::TransCaption, caption);
            return inked_rows(on_screen(top), blank, area);
        };
        const std::vector<int> one = rows_with("国增加块");
        const std::vector<int> three = rows_with("国增加块\r\n国增加块\r\n国增加块");
        ASSERT_FALSE(one.empty());
        ASSERT_FALSE(three.empty());
        const int pitch = qt::line_pitch(qt::font_of(c.font));
        const int height = one.back() - one.front() + 1;
        EXPECT_LE(height, pitch) << "one line's ink is taller than the distance between lines";
        EXPECT_EQ(three.back() - three.front() + 1, 2 * pitch + height);
        EXPECT_EQ(three.size(), one.size() * 3) << "lines share rows";
        const std::vector<int> tops = ink_of(bare, c.label)->line_tops();
        EXPECT_EQ(tops, (std::vector<int>{0, pitch, 2 * pitch}));
    }
}

TEST_F(FormsTest, DisplayModesPlaceThePicture) {
    load();
    QWidget* box = widget(图片框1);  // 80 x 40, a 2-pixel frame: 76 x 36 inside; the picture is 4 x 2
    struct Case {
        int mode;
        QPoint at;
        QRgb color;
    };
    const Case cases[] = {
        {1, {2 + 9, 2 + 9}, 0xFF0000},  // stretched: each picture pixel 19 x 18
        {1, {2 + 66, 2 + 27}, 0xFFFF00},
        {1, {2 + 47, 2 + 9}, 0x0000FF},
        {0, {2, 2}, 0xFF0000},  // natural size from the top left
        {0, {5, 3}, 0xFFFF00},
        {2, {2 + 36, 2 + 17}, 0xFF0000},  // smaller than the box: centred, not enlarged
        {2, {2 + 39, 2 + 18}, 0xFFFF00},
    };
    for (const Case& c : cases) {
        write(图片框1, prop::PicDisplayMode, c.mode);
        EXPECT_EQ(pixel(box, c.at), c.color) << "mode " << c.mode << " at " << c.at.x() << "," << c.at.y();
    }
    write(图片框1, prop::PicDisplayMode, 0);
    EXPECT_NE(pixel(box, {2 + 20, 2 + 20}), 0xFFFF00u) << "nothing stretched";
}

TEST(PicturePlacement, EachDisplayModePlacesAndSmoothsThePicture) {
    const Geometry box{2, 2, 80, 40};
    const struct {
        DisplayMode mode;
        int width, height;
        Geometry to;
        bool smooth;
        int dpi = unscaled_dpi;
    } cases[] = {
        {DisplayMode::Natural, 100, 10, {2, 2, 100, 10}, false},  // clipped by the box, not shrunk
        {DisplayMode::Stretched, 10, 10, box, false},
        {DisplayMode::Stretched, 100, 10, box, true},
        {DisplayMode::Fitted, 10, 10, {2 + 35, 2 + 15, 10, 10}, false},
        {DisplayMode::Fitted, 160, 40, {2, 2 + 10, 80, 20}, true},  // the width runs out first
        {DisplayMode::Fitted, 40, 80, {2 + 30, 2, 20, 40}, true},   // the height does
        {DisplayMode::Fitted, 81, 40, {2, 2, 80, 39}, true},        // rounded down, never past the box
        // At 150 % a picture's own size is scaled too, and every picture smoothed.
        {DisplayMode::Natural, 100, 10, {2, 2, 150, 15}, true, 144},
        {DisplayMode::Stretched, 10, 10, box, true, 144},
        {DisplayMode::Fitted, 10, 10, {2 + 32, 2 + 12, 15, 15}, true, 144},
        {DisplayMode::Fitted, 11, 11, {2 + 32, 2 + 12, 16, 16}, true, 144},  // 16.5
    };
    for (const auto& c : cases) {
        const PicturePlacement p = place_picture(box, c.width, c.height, c.mode, c.dpi);
        const Geometry& g = p.rect;
        EXPECT_EQ(std::tuple(g.left, g.top, g.width, g.height, p.smooth),
                  std::tuple(c.to.left, c.to.top, c.to.width, c.to.height, c.smooth))
            << int(c.mode) << " " << c.width << "x" << c.height;
    }
}

// Edges are scaled, not sizes: neighbours that touch at 100 % touch at every
// scale, and each length is within a pixel of the exact product.
TEST(Scaling, EdgesScaleSoThatNeighboursStillTouch) {
    const Geometry row[] = {{0, 21, 307, 393}, {307, 21, 41, 13}, {348, 21, 7, 393}, {-3, -5, 3, 5}};
    for (const int dpi : {96, 120, 144, 168, 192}) {
        SCOPED_TRACE(dpi);
        for (std::size_t i = 0; i + 1 < std::size(row); ++i) {
            const Geometry a = scaled(row[i], dpi), b = scaled(row[i + 1], dpi);
            if (row[i].left + row[i].width == row[i + 1].left) { EXPECT_EQ(a.left + a.width, b.left); }
            EXPECT_EQ(a.top, scaled(row[i].top, dpi));
            EXPECT_NEAR(a.width, row[i].width * dpi / 96.0, 1.0);
            EXPECT_NEAR(a.height, row[i].height * dpi / 96.0, 1.0);
        }
        EXPECT_EQ(scaled(Font{"宋体", bold, 14}, dpi).height, scaled(14, dpi));
    }
    EXPECT_EQ(scaled(7, 144), 10) << "halves round towards zero";
    EXPECT_EQ(scaled(-7, 144), -10);
    EXPECT_EQ(scaled(14, 120), 17) << "text grows no faster than its box";
    EXPECT_EQ(scaled(13, 144), 19);
    EXPECT_EQ(scaled(-11, 96, 144), -7) << "from another scale";
    // The client area the layouts were drawn for, around which each view's frame lies.
    const Geometry client = client_of({490, 280, 317, 521}, Frame::FixedWithTitle);
    EXPECT_EQ(std::tuple(client.left, client.top, client.width, client.height), std::tuple(493, 302, 311, 496));
    const Geometry frameless = client_of({10, 20, 300, 200}, Frame::None);
    EXPECT_EQ(std::tuple(frameless.left, frameless.top, frameless.width, frameless.height),
              std::tuple(10, 20, 300, 200));
}

// The welcome window (580 x 475, frameless, centred) on a screen of each
// scale: centred in the size it has there, at 100 % exactly the layout's
// centre; shown at the largest 25 % step at which it fits the work area when
// it does not at the screen's own, and no smaller than 100 %, where it keeps
// its left edge and top on the area. Qt's screens count pixels at their
// scale (unit 144 at 150 %).
TEST(Placement, AWindowIsCentredInItsScaledSizeAndShrinksToFit) {
    const struct {
        ScreenSize screen;
        ScreenArea work;
        int dpi, unit_dpi;
        int shown_dpi;
        ScreenArea window;
    } rows[] = {
        {{1920, 1080}, {0, 0, 1920, 1040}, 96, 96, 96, {670, 302, 580, 475}},
        {{1920, 1080}, {0, 0, 1920, 1040}, 120, 96, 120, {597, 243, 725, 594}},
        {{1920, 1080}, {0, 0, 1920, 1040}, 144, 96, 144, {525, 184, 870, 712}},
        {{1920, 1080}, {0, 0, 1920, 1040}, 192, 96, 192, {380, 65, 1160, 950}},
        {{1366, 768}, {0, 0, 1366, 728}, 144, 96, 144, {248, 16, 870, 712}},  // moved up onto the area
        {{1366, 768}, {0, 0, 1366, 728}, 192, 96, 144, {248, 16, 870, 712}},  // not at 200 % nor 175 %
        {{1366, 768}, {0, 0, 1366, 768}, 168, 96, 144, {248, 28, 870, 712}},
        {{640, 480}, {0, 0, 640, 440}, 120, 96, 96, {30, 0, 580, 475}},         // not even at 100 %
        {{853, 480}, {0, 0, 853, 452}, 144, 144, 120, {185, 42, 483, 396}},     // Qt on 1280 x 720 at 150 %
        {{1280, 720}, {0, 0, 1280, 693}, 144, 144, 144, {350, 122, 580, 475}},  // Qt on 1920 x 1080 at 150 %
    };
    for (const auto& row : rows) {
        const ScreenFacts screen{row.screen, row.work, row.dpi, row.unit_dpi, {}};
        const Placement placed = place_window({580, 475}, Frame::None, std::nullopt, screen);
        SCOPED_TRACE(std::to_string(row.screen.width) + "x" + std::to_string(row.screen.height) + " at " +
                     std::to_string(row.dpi));
        EXPECT_EQ(placed.dpi, row.shown_dpi);
        EXPECT_EQ(placed.window, row.window);
    }
    // A captioned window's client area grows with its scale; the system's
    // frame around it keeps the screen's (here Windows 10's at 150 %).
    const ScreenFacts windows_10{{1366, 768}, {0, 0, 1366, 728}, 144, 96, ScreenSize{24, 58}};
    const Placement main = place_window({317, 521}, Frame::FixedWithTitle, ScreenPoint{-64, -32}, windows_10);
    EXPECT_EQ(main.dpi, 120);
    EXPECT_EQ(main.window, (ScreenArea{0, 0, 389 + 24, 620 + 58}));
}

TEST_F(FormsTest, AnAnimatedPicturePlaysItsFramesUnlessStill) {
    TestFrameClock clock;
    load();
    auto* box = static_cast<qt::PictureBox*>(widget(图片框2));
    ASSERT_EQ(box->frame_count(), 2);
    EXPECT_EQ(pixel(box, {5, 5}), 0xFF0000u);
    clock.pass(99);
    EXPECT_EQ(box->current_frame(), 0) << "a frame stays for its delay, 100 ms";
    clock.pass(1);
    EXPECT_EQ(box->current_frame(), 1);
    EXPECT_EQ(pixel(box, {5, 5}), 0x0000FFu);
    write(图片框2, prop::PicAnimate, false);
    const int frame = box->current_frame();
    clock.pass(250);
    EXPECT_EQ(box->current_frame(), frame);
}

TEST_F(FormsTest, AnAnimationRestsWhileItsPictureIsHidden) {
    TestFrameClock clock;
    load();
    auto* box = static_cast<qt::PictureBox*>(widget(图片框2));
    write(图片框2, prop::Visible, false);
    const int frame = box->current_frame();
    clock.pass(250);
    EXPECT_EQ(box->current_frame(), frame);
    write(图片框2, prop::Visible, true);
    clock.pass(150);
    EXPECT_NE(box->current_frame(), frame) << "it plays on once shown again";
}

TEST_F(FormsTest, PageControlsStartBelowAOneRowStrip) {
    load();
    auto* tabs = qobject_cast<QTabWidget*>(widget(选择夹1));
    EXPECT_LE(tabs->tabBar()->geometry().bottom(), 20) << "the layouts place page controls from 21 down";
    EXPECT_EQ(tabs->tabPosition(), QTabWidget::North);
}

TEST_F(FormsTest, AVerticalTabFontStacksTheTitlesOnTheRight) {
    ASSERT_TRUE(LoadWindow(bare, std::nullopt, false));
    auto* tabs = qobject_cast<QTabWidget*>(WidgetOf(bare, 竖排选择夹));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabPosition(), QTabWidget::East);
    const QRect first = tabs->tabBar()->tabRect(0);
    EXPECT_GE(first.height(), 4 * 12) << "four characters one under another";
    EXPECT_LT(first.width(), first.height() / 2);
    EXPECT_EQ(tabs->tabBar()->font().family(), QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(tabs->tabBar()->font().pixelSize(), 12);
}

TEST_F(FormsTest, ExplicitColoursSurviveAnApplicationStyleSheet) {
    qApp->setStyleSheet(
        QStringLiteral("QLineEdit { color: #123456; background-color: #654321; }"
                       "QLabel { color: #0000ff; background-color: #ffff00; }"));
    load();
    QWidget* pinned = widget(编辑框1);  // black on white
    QWidget* free = widget(编辑框3);    // system colours
    page_chosen(window, 选择夹1, 1);
    EXPECT_EQ(pixel(pinned, {pinned->width() / 2, pinned->height() / 2}), 0xFFFFFFu);
    EXPECT_EQ(pixel(free, {free->width() / 2, free->height() / 2}), 0x654321u) << "the sheet reaches the rest";
    QWidget* label = widget(标签1);  // red on green
    EXPECT_EQ(pixel(label, {label->width() - 1, label->height() - 1}), 0x00FF00u);
    qApp->setStyleSheet(QString());
}

// 宋体, also as the default GUI font, is drawn from its bitmap strikes at the
// sizes that have them; other sizes and faces keep their smooth outlines.
TEST_F(FormsTest, FontsMapToTheDesktopFaces) {
    struct Case {
        forms::Font font;
        const char* family;
        int pixels;
        bool strikes;
        qreal device_ratio = 1;
    };
    const Case cases[] = {
        {{}, "AR PL UMing CN", 12, true},
        {{"宋体", bold, 16}, "AR PL UMing CN", 16, true},
        {{"宋体", bold, 20}, "AR PL UMing CN", 20, false},
        {{"@宋体", normal, 12}, "AR PL UMing CN", 12, true},
        {{"楷体_GB2312", bold, 16}, "AR PL UKai CN", 16, false},
        // On a scaled screen the strikes count in device pixels.
        {{}, "AR PL UMing CN", 12, true, 1.25},                  // 15
        {{"宋体", bold, 14}, "AR PL UMing CN", 14, false, 1.5},  // 21
        {{"宋体", normal, 12}, "AR PL UMing CN", 12, false, 2},  // 24
        {{"宋体", normal, 9}, "AR PL UMing CN", 9, true, 1.5},   // 13.5, drawn 14
    };
    for (const Case& c : cases) {
        const QFont font = qt::font_of(c.font, c.device_ratio);
        SCOPED_TRACE(c.family + std::to_string(c.pixels));
        EXPECT_EQ(font.families(), (QStringList{QString::fromLatin1(c.family), QStringLiteral("Noto Sans CJK SC")}));
        EXPECT_EQ(font.pixelSize(), c.pixels);
        EXPECT_EQ(font.styleStrategy() == QFont::NoAntialias, c.strikes);
    }
    // Also once the application's own font is the crisp default.
    load();
    EXPECT_NE(qt::font_of({"楷体_GB2312", bold, 16}, 1).styleStrategy(), QFont::NoAntialias);
    EXPECT_EQ(widget(按钮1)->font(), qt::font_of({}));
    QGroupBox* group = qobject_cast<QGroupBox*>(widget(分组框1));
    EXPECT_EQ(group->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
}

using FormsEndDeathTest = FormsTest;

TEST_F(FormsEndDeathTest, NoEventIsRaisedOnceTheProgramIsEnding) {
    EXPECT_EXIT(
        {
            load();
            write(时钟1, prop::TimerInterval, 10);
            begin_program_end();
            QTest::mouseClick(widget(按钮1), Qt::LeftButton);
            wait_ms(60);
            std::exit(trial::record().count("Click 3") + trial::record().ticks1);
        },
        testing::ExitedWithCode(0), "");
}
