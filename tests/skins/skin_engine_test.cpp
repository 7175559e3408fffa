// The real engine, loaded from the build as the program loads it, restyling
// a real application.
#include <dlfcn.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "skins/catalogue.h"
#include "skins/engine/she_format.h"
#include "skins/engine/skin_look.h"
#include "tests/skins/unreadable_skins.h"

namespace {

using AttachRes = int (*)(const unsigned char*, int, const char*, int, int, int);

AttachRes engine() {
    static AttachRes attach = [] {
        void* library = dlopen(YZ_BINARY_DIR "/lib/SkinH_EL.dll", RTLD_NOW | RTLD_LOCAL);
        return library ? reinterpret_cast<AttachRes>(dlsym(library, "SkinH_AttachRes")) : nullptr;
    }();
    return attach;
}

std::vector<std::uint8_t> skin_copy(int number) {
    const ByteSet bytes = catalogue_skin(number);
    return {bytes.begin(), bytes.end()};
}

// As the program does it: from a copy that is freed right after the call.
int attach_skin(int number) {
    std::vector<std::uint8_t> copy = skin_copy(number);
    return engine()(copy.data(), int(copy.size()), "", 0, 0, 0);
}

struct Look {
    QString sheet;
    QColor window, button_text, base;
    bool operator==(const Look&) const = default;
};

Look current_look() {
    const QPalette p = QApplication::palette();
    return {qApp->styleSheet(), p.color(QPalette::Window), p.color(QPalette::ButtonText), p.color(QPalette::Base)};
}

Look expected_look(int number) {
    const auto bytes = skin_copy(number);
    const she::Skin skin = she::read_skin(bytes.data(), bytes.size()).value();
    auto color = [&skin](she::Role role) {
        return QColor(skin.color(role).red, skin.color(role).green, skin.color(role).blue);
    };
    return {she::style_sheet_for(skin), color(she::Role::WindowBack), color(she::Role::ButtonText),
            color(she::Role::EditBack)};
}

class SkinEngine : public testing::Test {
protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "skin_engine_tests";
        static char* argv[] = {name, nullptr};
        static QApplication application(argc, argv);
        ASSERT_NE(engine(), nullptr) << dlerror();
    }
};

TEST_F(SkinEngine, AttachingASkinRestylesExistingAndLaterWindows) {
    QWidget before;
    auto* edit = new QLineEdit(&before);
    before.show();

    ASSERT_EQ(attach_skin(3), 1);

    const Look look = expected_look(3);
    EXPECT_EQ(current_look(), look);
    EXPECT_FALSE(look.sheet.contains(QLatin1Char('{') + QLatin1String("fill"))) << "a placeholder was left";
    EXPECT_EQ(before.palette().color(QPalette::Window), look.window);
    EXPECT_EQ(edit->palette().color(QPalette::Base), look.base);
    QWidget after;
    EXPECT_EQ(after.palette().color(QPalette::Window), look.window);
}

TEST_F(SkinEngine, EachCallReplacesTheSkinBefore) {
    for (int number : {3, 1, 36, 9, 1}) {
        ASSERT_EQ(attach_skin(number), 1) << number;
        EXPECT_EQ(current_look(), expected_look(number)) << "after skin " << number;
    }
}

// Counts the restyling a widget goes through.
class Restyles : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange) ++count;
        return false;
    }
};

TEST_F(SkinEngine, TheSkinInForceAttachedAgainRestylesNothing) {
    QWidget window;
    auto* button = new QPushButton("OK", &window);
    window.show();
    Restyles restyles;
    button->installEventFilter(&restyles);
    ASSERT_EQ(attach_skin(7), 1);
    const int after_first = restyles.count;
    EXPECT_GT(after_first, 0) << "a new skin restyles the button";
    const QImage look = window.grab().toImage();

    ASSERT_EQ(attach_skin(7), 1);
    EXPECT_EQ(restyles.count, after_first);
    EXPECT_EQ(current_look(), expected_look(7));
    EXPECT_EQ(window.grab().toImage(), look);

    ASSERT_EQ(attach_skin(8), 1);
    EXPECT_GT(restyles.count, after_first) << "another skin is put in force";
    EXPECT_EQ(current_look(), expected_look(8));
}

TEST_F(SkinEngine, WhatItCannotReadKeepsTheSkinInForce) {
    ASSERT_EQ(attach_skin(15), 1);
    const Look kept = current_look();
    const UnreadableSkins unreadable(skin_copy(15));
    for (const auto& c : unreadable.cases()) {
        EXPECT_EQ(engine()(c.data, c.size, "", 0, 0, 0), 0) << c.what;
        EXPECT_EQ(current_look(), kept) << c.what;
    }
}

TEST_F(SkinEngine, KeepsNothingOfTheCallersBytes) {
    QWidget window;
    window.resize(120, 60);
    (new QPushButton("OK", &window))->setGeometry(10, 10, 80, 30);
    window.show();
    auto copy = std::make_unique<std::vector<std::uint8_t>>(skin_copy(4));
    ASSERT_EQ(engine()(copy->data(), int(copy->size()), "", 0, 0, 0), 1);
    const QImage first = window.grab().toImage();
    // Scribbled over and freed: a later paint must look the same (and
    // AddressSanitizer catches any read of the freed bytes).
    std::fill(copy->begin(), copy->end(), 0xEE);
    copy.reset();
    window.update();
    EXPECT_EQ(window.grab().toImage(), first);
}

}  // namespace
