// A small window with one control of each kind, shown under several skins.
// Each picture is saved to <build>/skin_shots/ for a person to look at; the
// checks here are the ones a picture can answer by itself.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "skins/engine/she_format.h"
#include "tests/skins/engine_fixture.h"

namespace {

template <class W>
W* add(QWidget* parent, const char* kind, QRect where) {
    auto* w = new W(parent);
    w->setProperty("yzKind", QString::fromLatin1(kind));
    w->setGeometry(where);
    return w;
}

struct SampleWindow {
    QWidget window;
    QLabel* trans_label = nullptr;

    SampleWindow() {
        window.setProperty("yzKind", QStringLiteral("Window"));
        window.resize(330, 210);
        auto* tabs = add<QTabWidget>(&window, "Tab", {8, 8, 314, 104});
        auto* page = new QWidget;
        tabs->addTab(page, QStringLiteral("Search"));
        tabs->addTab(new QWidget, QStringLiteral("Settings"));
        auto* group = add<QGroupBox>(page, "GroupBox", {6, 4, 180, 66});
        group->setTitle(QStringLiteral("Skin"));
        add<QLineEdit>(group, "EditBox", {10, 22, 60, 22})->setText(QStringLiteral("58"));
        add<QPushButton>(group, "Button", {80, 20, 88, 26})->setText(QStringLiteral("OK (Enter)"));
        auto* combo = add<QComboBox>(page, "ComboBox", {196, 26, 100, 22});
        combo->addItems({QStringLiteral("Blue"), QStringLiteral("Black")});
        auto* disabled = add<QPushButton>(&window, "Button", {8, 120, 90, 26});
        disabled->setText(QStringLiteral("Disabled"));
        disabled->setEnabled(false);
        add<QLabel>(&window, "Label", {110, 124, 150, 18})->setText(QStringLiteral("Skin number 1~58"));
        auto* bar = add<QProgressBar>(&window, "ProcessBar", {8, 156, 314, 20});
        bar->setValue(60);
        // A transparent label colours its own text; the skin must leave it.
        trans_label = add<QLabel>(&window, "TransLabel", {8, 184, 200, 20});
        trans_label->setText(QStringLiteral("██████"));
        QPalette own = trans_label->palette();
        own.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0xFF));
        trans_label->setPalette(own);
        window.show();
    }
};

bool has_colour(const QImage& image, QColor wanted) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == wanted) return true;
    return false;
}

TEST_F(SkinEngine, SampleWindowUnderTheNamedSkins) {
    SampleWindow sample;
    const QString folder = QStringLiteral(YZ_BINARY_DIR "/skin_shots");
    QDir().mkpath(folder);
    for (int number : {1, 3, 2, 4, 6, 8, 36, 9, 15}) {
        ASSERT_EQ(attach_skin(number), 1);
        const QImage shot = sample.window.grab().toImage();
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/skin_%1.png").arg(number, 2, 10, QLatin1Char('0'))));
        EXPECT_TRUE(has_colour(sample.trans_label->grab().toImage(), QColor(0xFF, 0x00, 0xFF)))
            << "skin " << number << " repainted the transparent label";
    }
}

}  // namespace
