// Numbered properties: what writes store, what the widgets show, what reads
// give back.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "forms/property_values.h"
#include "forms_fixture.h"

using namespace forms;
using namespace trial;

TEST_F(FormsTest, PlacementIsClampedAsWindowsClampsIt) {
    load();
    struct Case {
        int number;
        std::int32_t written, read;
    };
    const Case cases[] = {
        {prop::Left, 40, 40},        {prop::Left, -32627, -32627}, {prop::Left, -40000, -32627},
        {prop::Top, 32627, 32627},   {prop::Top, 32700, 32627},    {prop::Width, -5, 0},
        {prop::Width, 32628, 32627}, {prop::Height, 33, 33},       {prop::Height, -1, 0},
    };
    for (const Case& c : cases) {
        write(按钮1, c.number, c.written);
        EXPECT_EQ(ReadInteger(window, 按钮1, c.number), c.read) << c.number << " " << c.written;
    }
    write(按钮1, prop::Left, 7);
    write(按钮1, prop::Top, 9);
    write(按钮1, prop::Width, 50);
    write(按钮1, prop::Height, 22);
    EXPECT_EQ(widget(按钮1)->geometry(), QRect(7, 9, 50, 22));
}

TEST_F(FormsTest, ProgressPositionIsStoredAsWrittenAndDrawnInsideTheRange) {
    load();
    auto* bar = qobject_cast<QProgressBar*>(widget(进度条1));
    write(进度条1, prop::BarPosition, 150);
    EXPECT_EQ(ReadInteger(window, 进度条1, prop::BarPosition), 150);
    EXPECT_EQ(bar->value(), 100) << "a full bar";
    struct Case {
        int number;
        std::int32_t written, read;
    };
    const Case cases[] = {
        {prop::BarPosition, -3, 0}, {prop::BarPosition, 40000, 32767}, {prop::BarMaximum, 40000, 32767},
        {prop::BarMinimum, -1, 0},  {prop::BarMaximum, 100, 100},      {prop::BarPosition, 101, 101},
    };
    for (const Case& c : cases) {
        write(进度条1, c.number, c.written);
        EXPECT_EQ(ReadInteger(window, 进度条1, c.number), c.read) << c.number << " " << c.written;
    }
    // The range runs from the smaller to the larger end whichever is which.
    write(进度条1, prop::BarMinimum, 80);
    write(进度条1, prop::BarMaximum, 20);
    write(进度条1, prop::BarPosition, 50);
    EXPECT_EQ(bar->minimum(), 20);
    EXPECT_EQ(bar->maximum(), 80);
    EXPECT_EQ(bar->value(), 50);
    write(进度条1, prop::BarPosition, 5);
    EXPECT_EQ(bar->value(), 20);
    EXPECT_EQ(ReadInteger(window, 进度条1, prop::BarMinimum), 80);
}

TEST_F(FormsTest, ComboSelectionReadsMinusOneWhenNothingIsSelected) {
    load();
    auto* combo = qobject_cast<QComboBox*>(widget(组合框2));
    EXPECT_EQ(ReadInteger(window, 组合框2, prop::ComboSelection), -1);
    write(组合框2, prop::ComboSelection, 1);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(ReadInteger(window, 组合框2, prop::ComboSelection), 1);
    write(组合框2, prop::ComboSelection, 2);  // past the list
    EXPECT_EQ(ReadInteger(window, 组合框2, prop::ComboSelection), -1);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_TRUE(trial::record().selections_seen.empty()) << "programmatic changes raise nothing";
}

TEST_F(FormsTest, TextsGoBothWaysAsGbk) {
    load();
    write(编辑框1, prop::EditContent, Text("斗破苍穹"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(编辑框1))->text(), QStringLiteral("斗破苍穹"));
    EXPECT_EQ(ReadText(window, 编辑框1, prop::EditContent), "斗破苍穹");
    write(按钮1, prop::ButtonCaption, Text("宜搜小说网"));
    EXPECT_EQ(qobject_cast<QPushButton*>(widget(按钮1))->text(), QStringLiteral("宜搜小说网"));
    EXPECT_EQ(ReadText(window, 按钮1, prop::ButtonCaption), "宜搜小说网");
    write(标签1, prop::LabelCaption, Text("一\r\n二"));
    EXPECT_EQ(qobject_cast<QLabel*>(widget(标签1))->text(), QStringLiteral("一\n二"));
    EXPECT_EQ(ReadText(window, 标签1, prop::LabelCaption), "一\r\n二") << "kept as written";
    write(窗口, prop::WindowCaption, Text("新标题"));
    EXPECT_EQ(widget(窗口)->windowTitle(), QStringLiteral("新标题"));
    EXPECT_EQ(ReadText(window, 窗口, prop::WindowCaption), "新标题");
}

TEST_F(FormsTest, TypedTextIsReadBackAsGbk) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框1));
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("ab"));
    edit->insert(QStringLiteral("凡人"));  // what an input method commits
    EXPECT_EQ(ReadText(window, 编辑框1, prop::EditContent), "ab凡人");
}

TEST_F(FormsTest, TransparentLabelPropertiesAreStoredAndKeptInRange) {
    load();
    struct Case {
        int number;
        Value written, read;
    };
    const Case cases[] = {
        {prop::TransCaption, Text("2013年3月30日"), Text("2013年3月30日")},
        {prop::TransEffect, 3, 3},
        {prop::TransEffect, 9, 0},
        {prop::TransColor, 0x9000FF, 0x9000FF},
        {prop::TransAlign, 2, 2},
        {prop::TransAlign, -1, 0},
        {prop::TransWrap, true, true},
        {prop::TransVAlign, 2, 2},
    };
    for (const Case& c : cases) {
        write(透明标签1, c.number, c.written);
        EXPECT_EQ(read(透明标签1, c.number), c.read) << c.number;
    }
}

TEST_F(FormsTest, CommonFlagsReachTheWidgets) {
    load();
    write(按钮1, prop::Disabled, true);
    EXPECT_FALSE(widget(按钮1)->isEnabled());
    EXPECT_TRUE(ReadBoolean(window, 按钮1, prop::Disabled));
    write(按钮1, prop::Disabled, false);
    EXPECT_TRUE(widget(按钮1)->isEnabled());

    write(按钮1, prop::Visible, false);
    EXPECT_FALSE(widget(按钮1)->isVisible());
    EXPECT_FALSE(ReadBoolean(window, 按钮1, prop::Visible));
    write(按钮1, prop::Visible, true);
    EXPECT_TRUE(widget(按钮1)->isVisible());

    write(按钮1, prop::MousePointer, hand_cursor_number);
    EXPECT_EQ(widget(按钮1)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ReadInteger(window, 按钮1, prop::MousePointer), hand_cursor_number);
    EXPECT_EQ(ReadInteger(window, 编辑框1, prop::MousePointer), 0);

    write(按钮1, prop::Tag, Text("备注"));
    EXPECT_EQ(ReadText(window, 按钮1, prop::Tag), "备注");
}

TEST_F(FormsTest, AControlOnAHiddenPageIsShownOnlyWithItsPage) {
    load();
    write(按钮4, prop::Visible, false);
    write(编辑框3, prop::Visible, true);
    EXPECT_FALSE(ReadBoolean(window, 编辑框3, prop::Visible)) << "its page is not current";
    EXPECT_FALSE(widget(编辑框3)->isVisible());
    page_chosen(window, 选择夹1, 1);
    EXPECT_TRUE(ReadBoolean(window, 编辑框3, prop::Visible));
    EXPECT_TRUE(widget(编辑框3)->isVisible());
    EXPECT_FALSE(widget(按钮4)->isVisible()) << "its own flag still says hidden";
    EXPECT_FALSE(ReadBoolean(window, 编辑框2, prop::Visible));
}

TEST_F(FormsTest, AControlOfAHiddenWindowReadsInvisible) {
    load();
    write(窗口, prop::Visible, false);
    EXPECT_FALSE(ReadBoolean(window, 按钮1, prop::Visible));
    EXPECT_FALSE(widget(窗口)->isVisible());
    write(窗口, prop::Visible, true);
    EXPECT_TRUE(ReadBoolean(window, 按钮1, prop::Visible));
}

TEST_F(FormsTest, MovingTheWindowMovesItsOuterRectangleAndRaisesMoved) {
    QWidget* top = load();
    trial::record().calls.clear();
    write(窗口, prop::Left, 1920 - 1430);
    write(窗口, prop::Top, -20);
    EXPECT_EQ(ReadInteger(window, 窗口, prop::Left), 490);
    EXPECT_EQ(ReadInteger(window, 窗口, prop::Top), -20);
    EXPECT_EQ(top->geometry().topLeft(), QPoint(493, 2));
    EXPECT_EQ(calls(), (std::vector<std::string>{"Moved 901", "Moved 901"}));
    write(窗口, prop::Left, 490);
    EXPECT_EQ(calls().size(), 2u) << "no move, no event";
}

TEST_F(FormsTest, TimerIntervalIsNeverNegative) {
    load();
    write(时钟1, prop::TimerInterval, -50);
    EXPECT_EQ(ReadInteger(window, 时钟1, prop::TimerInterval), 0);
    write(时钟1, prop::TimerInterval, 1);
    EXPECT_EQ(ReadInteger(window, 时钟1, prop::TimerInterval), 1);
}

TEST_F(FormsTest, PictureBoxPropertiesAreStored) {
    load();
    write(图片框1, prop::PicBorder, 5);
    write(图片框1, prop::PicDisplayMode, 2);
    write(图片框1, prop::PicAnimate, false);
    EXPECT_EQ(ReadInteger(window, 图片框1, prop::PicBorder), 5);
    EXPECT_EQ(ReadInteger(window, 图片框1, prop::PicDisplayMode), 2);
    EXPECT_FALSE(ReadBoolean(window, 图片框1, prop::PicAnimate));
    write(图片框1, prop::PicBorder, 6);
    EXPECT_EQ(ReadInteger(window, 图片框1, prop::PicBorder), 0);
}

TEST(PropertyValues, ConvertBetweenSorts) {
    struct Case {
        Value value;
        std::int32_t integer;
        bool boolean;
        Text text;
    };
    const Case cases[] = {
        {std::int32_t{42}, 42, true, "42"},
        {std::int32_t{-7}, -7, true, "-7"},
        {std::int32_t{0}, 0, false, "0"},
        {true, 1, true, "真"},
        {false, 0, false, "假"},
        {Text(" -12abc"), -12, true, " -12abc"},
        {Text("书"), 0, false, "书"},
        {Text("99999999999"), 2147483647, true, "99999999999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(as_integer(c.value), c.integer) << to_utf8(c.text);
        EXPECT_EQ(as_boolean(c.value), c.boolean) << to_utf8(c.text);
        EXPECT_EQ(as_text(c.value), c.text);
    }
}
