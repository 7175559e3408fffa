// The real engine, deployed by the program into its run directory, restyling
// the real main window. Pictures go to <build>/skin_shots/main_NN.png for a
// person to look at.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTabWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "forms/qt/widget_access.h"
#include "skins/catalogue.h"
#include "skins/engine/she_format.h"
#include "skins/skins.h"
#include "tests/skins/skin_test_support.h"
#include "tests/support/recording_platform.h"

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

TEST(MainWindowLook, TakesEachSkinTheReaderChooses) {
    TempRunDirectory run;
    RecordingPlatform outside;
    static const forms::WindowDesc* const windows[] = {&description};
    forms::DescribeWindows(windows);
    // Loading runs the window's Created handler: the first-start skin, with
    // the engine written into the empty run directory first.
    ASSERT_TRUE(LoadWindow(id, std::nullopt, false));
    ASSERT_TRUE(std::filesystem::exists(run.file("SkinH_EL.dll")));
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

}  // namespace
