// The real engine, deployed by the program into its run directory, restyling
// the real windows. Pictures go to <build>/skin_shots/main_NN.png for a
// person to look at.
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QTabWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "forms/model.h"
#include "forms/qt/looks.h"
#include "main_window/controls.h"
#include "main_window/wiring.h"
#include "skins/catalogue.h"
#include "skins/engine/she_format.h"
#include "skins/skins.h"
#include "tests/main_window/layout_lookup.h"
#include "tests/skins/skin_test_support.h"
#include "tests/support/form_access.h"
#include "tests/support/recording_platform.h"
#include "welcome_window/controls.h"
#include "welcome_window/wiring.h"

namespace {

using namespace main_window;

she::Rgb page_colour(int number) {
    const ByteSet bytes = catalogue_skin(number);
    const auto skin = she::read_skin(bytes.data(), bytes.size());
    return skin ? skin->color(she::Role::PageBack) : she::Rgb{};
}

int distance(QColor a, she::Rgb b) {
    return std::abs(a.red() - b.red) + std::abs(a.green() - b.green) + std::abs(a.blue() - b.blue);
}

bool has_colour(const QImage& image, QColor wanted) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == wanted) return true;
    return false;
}

// The pixels a group box's caption adds, in the caption's colour: what
// differs from the same box drawn without its caption.
QRect caption_ink(QGroupBox* group, QColor colour) {
    const QImage with = group->grab().toImage();
    const QString caption = group->title();
    group->setTitle(QString());
    const QImage without = group->grab().toImage();
    group->setTitle(caption);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y) && with.pixelColor(x, y) == colour) ink |= QRect(x, y, 1, 1);
    return ink;
}

// The columns a text drawn from x = 0 inks in a font.
std::pair<int, int> ink_columns(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 8, metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), text);
    painter.end();
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != QColor(Qt::white).rgb()) first = std::min(first, x), last = std::max(last, x);
    return {first, last};
}

// The main window loaded as on a first start (its Created handler deploys
// the engine into the empty run directory and attaches skin 6), and the
// welcome window beside it without its handlers.
class SkinnedWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run = new TempRunDirectory;
        outside = new RecordingPlatform;
        static const auto welcome_wiring =
            layout_lookup::controls_only(welcome_window::wiring(), welcome_window::description);
        const forms::DescribedWindow windows[] = {{&description, main_window::wiring()},
                                                  {&welcome_window::description, welcome_wiring}};
        forms::DescribeWindows(windows);
        ASSERT_TRUE(LoadWindow(id, std::nullopt, false));
        ASSERT_TRUE(LoadWindow(welcome_window::id, std::nullopt, false));
    }
    static void TearDownTestSuite() {
        delete outside;
        delete run;
    }
    static inline TempRunDirectory* run = nullptr;
    static inline RecordingPlatform* outside = nullptr;
};

TEST_F(SkinnedWindows, TakeEachSkinTheReaderChooses) {
    ASSERT_TRUE(std::filesystem::exists(run->file("SkinH_EL.dll")));
    QWidget* window = WidgetOf(id, 窗口);
    ASSERT_NE(window, nullptr);
    qobject_cast<QTabWidget*>(WidgetOf(id, 选择夹1))->setCurrentIndex(2);

    const QString folder = QStringLiteral(YZ_BINARY_DIR "/skin_shots");
    QDir().mkpath(folder);
    for (int number : {6, 1, 3, 9, 36, 15}) {
        if (number != 6) apply_skin(number);
        const QImage shot = window->grab().toImage();
        shot.save(folder + QStringLiteral("/main_%1.png").arg(number, 2, 10, QLatin1Char('0')));
        // The pages of 选择夹1 fill the lower window; near its bottom right
        // corner the settings page holds no control.
        const QColor page = shot.pixelColor(shot.width() - 20, shot.height() - 20);
        EXPECT_LE(distance(page, page_colour(number)), 3) << "skin " << number;
        // The clock's transparent label keeps the colour its layout gives it.
        const QWidget* clock = WidgetOf(id, 透明标签5);
        const QImage label = shot.copy(QRect(clock->mapTo(window, QPoint(0, 0)), clock->size()));
        EXPECT_TRUE(has_colour(label, QColor(0x00, 0x88, 0xFF))) << "skin " << number << " recoloured the clock";
    }
}

// A skin styles only what the layout leaves to the system: the group box
// captions of 下载链接 and of the welcome window keep the layout's colour,
// alignment and font, and the welcome window's progress bar has no border.
TEST_F(SkinnedWindows, KeepWhatTheLayoutStates) {
    struct Group {
        forms::WindowId window;
        forms::ControlId control;
    };
    const Group groups[] = {
        {id, 分组框2},
        {id, 分组框3},
        {id, 分组框4},
        {id, 分组框24},
        {id, 分组框26},
        {welcome_window::id, welcome_window::分组框1},
        {welcome_window::id, welcome_window::分组框2},
        {welcome_window::id, welcome_window::分组框3},
        {welcome_window::id, welcome_window::分组框5},
        {welcome_window::id, welcome_window::分组框6},
    };
    qobject_cast<QTabWidget*>(WidgetOf(id, 选择夹1))->setCurrentIndex(4);
    forms::WriteProperty(welcome_window::id, welcome_window::进度条1, forms::prop::BarPosition, 100);
    // Skins whose backgrounds are none of the captions' colours, so that a caption can be told from the gap it leaves.
    for (int number : {1, 6, 3, 9, 15}) {
        apply_skin(number);
        for (const Group& g : groups) {
            const forms::ControlDesc& c =
                *layout_lookup::find(g.window == id ? description : welcome_window::description, g.control);
            SCOPED_TRACE("skin " + std::to_string(number) + " " + to_utf8(c.name));
            auto* group = qobject_cast<QGroupBox*>(WidgetOf(g.window, g.control));
            ASSERT_NE(group, nullptr);
            const QRect ink = caption_ink(group, forms::qt::color_of(c.text_color));
            if (ink.isEmpty()) {
                ADD_FAILURE() << "no caption in the layout's colour";
                continue;
            }
            // The caption's own extent, from its ink and the ink of its text in the layout's font.
            const QFont font = forms::qt::font_of(c.font);
            const QString text = forms::qt::from_gbk(c.text);
            const auto [first, last] = ink_columns(font, text);
            EXPECT_EQ(ink.width(), last - first + 1) << "not the layout's font";
            const int left = ink.left() - first, right = left + QFontMetrics(font).horizontalAdvance(text);
            const int width = group->width();
            switch (c.align) {
                case forms::Align::Left: EXPECT_LE(left, 12); break;
                case forms::Align::Centre: EXPECT_LE(std::abs(left + right - width), 2); break;
                case forms::Align::Right: EXPECT_LE(width - right, 12); break;
            }
        }
        // Corners and edges of the full bar are its chunk, not a frame.
        const QImage bar = WidgetOf(welcome_window::id, welcome_window::进度条1)->grab().toImage();
        const int middle = bar.height() / 2;
        EXPECT_EQ(bar.pixel(0, 0), bar.pixel(4, 0)) << "skin " << number;
        EXPECT_EQ(bar.pixel(0, middle), bar.pixel(4, middle)) << "skin " << number;
    }
}

}  // namespace
