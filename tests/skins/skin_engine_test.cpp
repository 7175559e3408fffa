// The real engine restyling a real application: what the program relies on
// when it attaches a skin.
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <memory>

#include "skins/engine/she_format.h"
#include "skins/engine/skin_look.h"
#include "tests/skins/engine_fixture.h"

namespace {

she::Skin parsed(int number) {
    const auto bytes = skin_copy(number);
    auto skin = she::read_skin(bytes.data(), bytes.size());
    EXPECT_TRUE(skin) << "skin " << number;
    return skin ? *skin : she::Skin{};
}

QColor color_of(const she::Skin& skin, she::Role role) {
    const auto& c = skin.color(role);
    return QColor(c.red, c.green, c.blue);
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
    const she::Skin skin = parsed(number);
    return {she::style_sheet_for(skin), color_of(skin, she::Role::WindowBack),
            color_of(skin, she::Role::ButtonText), color_of(skin, she::Role::EditBack)};
}

TEST_F(SkinEngine, AttachingASkinRestylesExistingAndLaterWindows) {
    auto before = std::make_unique<QWidget>();
    auto* edit = new QLineEdit(before.get());
    before->show();

    ASSERT_EQ(attach_skin(3), 1);

    const Look look = expected_look(3);
    EXPECT_EQ(current_look(), look);
    EXPECT_EQ(before->palette().color(QPalette::Window), look.window);
    EXPECT_EQ(edit->palette().color(QPalette::Base), look.base);
    QWidget after;
    EXPECT_EQ(after.palette().color(QPalette::Window), look.window);
}

TEST_F(SkinEngine, EachCallReplacesTheSkinBefore) {
    for (int number : {3, 1, 36, 9, 1}) {
        ASSERT_EQ(attach_skin(number), 1) << number;
        EXPECT_EQ(current_look(), expected_look(number)) << "after skin " << number;
    }
    EXPECT_NE(expected_look(1), expected_look(36));
}

TEST_F(SkinEngine, WhatItCannotReadKeepsTheSkinInForce) {
    ASSERT_EQ(attach_skin(15), 1);
    const Look kept = current_look();
    const auto good = skin_copy(15);
    std::vector<std::uint8_t> bad_version = good;
    bad_version[4] = 2;
    const std::vector<std::uint8_t> garbage(4000, 0xA5), magic_only = {'.', 'S', 'H', 'E'};
    struct Case {
        const char* what;
        const unsigned char* data;
        int size;
    } cases[] = {
        {"no data", nullptr, 0},
        {"no data with a size", nullptr, 100},
        {"size 0", good.data(), 0},
        {"negative size", good.data(), -5},
        {"garbage", garbage.data(), int(garbage.size())},
        {"magic only", magic_only.data(), 4},
        {"cut short", good.data(), int(good.size() / 2)},
        {"unknown version", bad_version.data(), int(bad_version.size())},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(engine()(c.data, c.size, "", 0, 0, 0), 0) << c.what;
        EXPECT_EQ(current_look(), kept) << c.what;
    }
}

TEST_F(SkinEngine, KeepsNothingOfTheCallersBytes) {
    QWidget window;
    window.resize(120, 60);
    auto* button = new QPushButton("OK", &window);
    button->setGeometry(10, 10, 80, 30);
    window.show();
    auto copy = std::make_unique<std::vector<std::uint8_t>>(skin_copy(4));
    ASSERT_EQ(engine()(copy->data(), int(copy->size()), "", 0, 0, 0), 1);
    const QImage first = window.grab().toImage();
    // Scribble over the bytes and free them: a window painted afterwards must
    // look the same (and AddressSanitizer would catch any read of them).
    std::fill(copy->begin(), copy->end(), 0xEE);
    copy.reset();
    window.update();
    EXPECT_EQ(window.grab().toImage(), first);
}

TEST_F(SkinEngine, EveryCatalogueSkinAttaches) {
    for (int number = first_skin; number <= last_skin; ++number) {
        EXPECT_EQ(attach_skin(number), 1) << number;
        EXPECT_EQ(QApplication::palette().color(QPalette::Window), expected_look(number).window) << number;
    }
}

TEST_F(SkinEngine, WidgetsShowTheSkinsColours) {
    QWidget window;
    window.resize(200, 120);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(10, 10, 120, 24);
    auto* combo = new QComboBox(&window);
    combo->addItem("x");
    combo->setGeometry(10, 50, 120, 24);
    window.show();
    for (int number : {1, 3, 9, 36}) {
        ASSERT_EQ(attach_skin(number), 1);
        const she::Skin skin = parsed(number);
        const QImage shot = window.grab().toImage();
        // Inside the edit box, well clear of its frame and text.
        EXPECT_EQ(shot.pixelColor(120, 22), color_of(skin, she::Role::EditBack)) << number;
        // The window's own background: its colour, or its texture around it.
        const QColor back = shot.pixelColor(180, 110), want = color_of(skin, she::Role::WindowBack);
        EXPECT_LE(std::abs(back.red() - want.red()) + std::abs(back.green() - want.green()) +
                      std::abs(back.blue() - want.blue()),
                  3 * 12)
            << number;
    }
}

}  // namespace
