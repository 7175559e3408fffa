// The reader's keys and presses, as Qt delivers them, reaching handlers.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "forms/qt/key_codes.h"
#include "forms/qt/looks.h"
#include "forms_fixture.h"

using namespace forms;
using namespace trial;

namespace {

std::string key_down(ControlId control, int key, int bits = 0) {
    return "KeyDown " + std::to_string(control) + " " + std::to_string(key) + " " + std::to_string(bits);
}

}  // namespace

TEST(KeyCodes, QtKeysBecomeWindowsVirtualKeys) {
    struct Case {
        int qt_key;
        bool keypad;
        int code;
    };
    // clang-format off
    const Case cases[] = {
        {Qt::Key_Return, false, 13}, {Qt::Key_Enter, true, 13},   {Qt::Key_A, false, 65},
        {Qt::Key_Z, false, 90},      {Qt::Key_0, false, 48},      {Qt::Key_5, true, 53},
        {Qt::Key_9, true, 57},       {Qt::Key_Minus, true, 189},  {Qt::Key_Period, true, 190},
        {Qt::Key_Slash, true, 191},  {Qt::Key_Asterisk, true, 106}, {Qt::Key_Plus, true, 107},
        {Qt::Key_Minus, false, 189}, {Qt::Key_Exclam, false, 49}, {Qt::Key_F1, false, 112},
        {Qt::Key_F12, false, 123},   {Qt::Key_Left, false, 37},   {Qt::Key_Down, false, 40},
        {Qt::Key_Home, true, 36},    {Qt::Key_Escape, false, 27}, {Qt::Key_Tab, false, 9},
        {Qt::Key_Space, false, 32},  {Qt::Key_Delete, false, 46}, {Qt::Key_Shift, false, 16},
        {Qt::Key_Control, false, 17}, {Qt::Key_Alt, false, 18},  {Qt::Key_Backspace, false, 8},
        {Qt::Key_Semicolon, false, 186}, {Qt::Key_BracketRight, false, 221},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(qt::windows_key_code(c.qt_key, c.keypad), c.code) << std::hex << c.qt_key << " keypad " << c.keypad;
}

TEST(KeyCodes, AModifierKeyDoesNotHoldItself) {
    const auto all = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    EXPECT_EQ(qt::function_key_bits(all, Qt::Key_A), 7);
    EXPECT_EQ(qt::function_key_bits(all, Qt::Key_Shift), 5);
    EXPECT_EQ(qt::function_key_bits(all, Qt::Key_Control), 6);
    EXPECT_EQ(qt::function_key_bits(all, Qt::Key_Alt), 3);
    EXPECT_EQ(qt::function_key_bits(Qt::KeypadModifier, Qt::Key_5), 0);
    EXPECT_EQ(qt::function_key_bits(Qt::ShiftModifier | Qt::KeypadModifier), 2);
}

TEST_F(FormsTest, EnterFromEitherKeyReachesKeyDownAsThirteenAndStillReachesTheBox) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框1));
    edit->setFocus();
    int returns = 0;
    QObject::connect(edit, &QLineEdit::returnPressed, [&] { ++returns; });
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    // The modifiers are keys of their own: Shift goes down first, then Ctrl with Shift held, then A.
    const std::vector<std::string> expected = {"Created 1",
                                               "Moved 901",
                                               "Resized 901",
                                               key_down(编辑框1, 13),
                                               key_down(编辑框1, 13),
                                               key_down(编辑框1, 55),
                                               key_down(编辑框1, 16),
                                               key_down(编辑框1, 17, 2),
                                               key_down(编辑框1, 65, 3)};
    EXPECT_EQ(calls(), expected);
    EXPECT_EQ(returns, 2) << "a handler that returns nothing lets the key through";
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
}

TEST_F(FormsTest, AKeyDownHandlerThatReturnsFalseSwallowsTheKey) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框1));
    edit->setFocus();
    trial::record().key_result = false;
    QTest::keyClicks(edit, QStringLiteral("abc"));
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(trial::record().count(key_down(编辑框1, 66)), 1);
    trial::record().key_result = true;
    QTest::keyClicks(edit, QStringLiteral("xy"));
    EXPECT_EQ(edit->text(), QStringLiteral("xy")) << "true lets it through like nothing";
}

TEST_F(FormsTest, TabMovesTheFocusWithoutKeyDown) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框1));
    edit->setFocus();
    trial::record().calls.clear();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(widget(窗口)->focusWidget(), widget(按钮1));
    EXPECT_TRUE(calls().empty());
}

TEST_F(FormsTest, EscAsksTheWindowToCloseAndMayCloseDecides) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框1));
    edit->setFocus();
    trial::record().calls.clear();
    trial::record().close_result = false;
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_TRUE(IsLoaded(window));
    EXPECT_EQ(calls(), (std::vector<std::string>{"MayClose 1"})) << "no KeyDown for Esc";

    trial::record().close_result = std::nullopt;
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(IsLoaded(window));
    EXPECT_EQ(calls(), (std::vector<std::string>{"MayClose 1", "MayClose 1", "Destroying 901"}));
}

TEST_F(FormsTest, EscWithAModifierIsAnOrdinaryKey) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框1));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(IsLoaded(window));
    EXPECT_EQ(calls().back(), key_down(编辑框1, 27, 2));
}

TEST_F(FormsTest, TheCloseButtonGoesThroughMayClose) {
    QWidget* top = load();
    trial::record().close_result = false;
    top->close();
    EXPECT_TRUE(IsLoaded(window));
    EXPECT_TRUE(top->isVisible());
    trial::record().close_result = true;
    write(窗口, prop::Disabled, true);  // as under a modal dialog
    top->close();
    EXPECT_TRUE(IsLoaded(window)) << "a disabled window takes no close request";
    EXPECT_EQ(trial::record().count("MayClose 1"), 1);
    write(窗口, prop::Disabled, false);
    top->close();
    EXPECT_FALSE(IsLoaded(window));
}

TEST_F(FormsTest, ButtonsClickByMouseAndByKeyboard) {
    load();
    auto* button = qobject_cast<QPushButton*>(widget(按钮1));
    QTest::mouseClick(button, Qt::LeftButton);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(trial::record().count("Click 3"), 2);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(trial::record().count("Click 3"), 2) << "no default button: Enter is only a key";
    EXPECT_EQ(calls().back(), key_down(按钮1, 13));
}

TEST_F(FormsTest, EnterClicksTheDefaultButtonFromItselfOrAnotherControl) {
    ASSERT_TRUE(LoadWindow(modal, std::nullopt, false));
    for (const ControlId from : {对话按钮, 对话编辑框}) {
        QWidget* control = WidgetOf(modal, from);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
    }
    EXPECT_EQ(trial::record().count("Click 3"), 2);
    // Coming into view, the default button takes the focus.
    WidgetOf(modal, 对话编辑框)->setFocus();
    WriteProperty(modal, 对话按钮, prop::Visible, false);
    WriteProperty(modal, 对话按钮, prop::Visible, true);
    EXPECT_EQ(WidgetOf(modal, 对话按钮)->window()->focusWidget(), WidgetOf(modal, 对话按钮));
}

TEST_F(FormsTest, ADisabledControlRaisesNothing) {
    load();
    write(按钮1, prop::Disabled, true);
    QTest::mouseClick(widget(按钮1), Qt::LeftButton);
    EXPECT_EQ(trial::record().count("Click 3"), 0);
}

TEST_F(FormsTest, SelectionMadeSeesTheNewlyChosenItem) {
    load();
    auto* combo = qobject_cast<QComboBox*>(widget(组合框1));
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(list->isVisible());
    const QRect item = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(trial::record().selections_seen, std::vector<int>{2});
    EXPECT_EQ(ReadInteger(window, 组合框1, prop::ComboSelection), 2);

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(trial::record().selections_seen, (std::vector<int>{2, 1}));
    EXPECT_EQ(calls().back(), "SelectionMade 4");
}

TEST_F(FormsTest, SelectionChangedTellsOfEveryChangeByTheReaderOrByAWrite) {
    load();
    auto* combo = qobject_cast<QComboBox*>(widget(组合框1));
    combo->setCurrentIndex(2);  // as the list's own keys do
    write(组合框1, prop::ComboSelection, 1);
    write(组合框1, prop::ComboSelection, 1);  // no change
    combo->setCurrentIndex(1);
    write(组合框1, prop::ComboSelection, 7);  // past the list: nothing selected
    EXPECT_EQ(trial::record().count("SelectionChanged 4"), 3);
    EXPECT_TRUE(trial::record().selections_seen.empty()) << "no choice was made";
}

TEST_F(FormsTest, TheDroppedListIsAtLeastItsDescribedHeight) {
    load();
    auto* combo = qobject_cast<QComboBox*>(widget(组合框1));
    combo->showPopup();
    EXPECT_GE(combo->view()->height(), 160);
    combo->hidePopup();
}

TEST_F(FormsTest, ChoosingAPageShowsItsControlsFocusesItsFirstAndRaisesClick) {
    load();
    auto* tabs = qobject_cast<QTabWidget*>(widget(选择夹1));
    QTabBar* strip = tabs->tabBar();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(1).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(widget(编辑框3)->isVisible());
    EXPECT_FALSE(widget(编辑框2)->isVisible());
    EXPECT_EQ(widget(窗口)->focusWidget(), widget(编辑框3)) << "按钮3 is disabled, 编辑框3 is next";
    EXPECT_EQ(trial::record().count("Click 12"), 1);
    EXPECT_EQ(calls().back(), "Click 12") << "after the press itself";
}

TEST_F(FormsTest, LeftButtonDownGivesClientCoordinatesAndFunctionKeys) {
    load();
    trial::record().calls.clear();
    QTest::mousePress(widget(图片框1), Qt::LeftButton, {}, QPoint(12, 7));
    QTest::mousePress(widget(标签1), Qt::LeftButton, Qt::ControlModifier, QPoint(3, 4));
    QTest::mousePress(widget(透明标签1), Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, QPoint(5, 6));
    QTest::mousePress(widget(图片框1), Qt::RightButton, {}, QPoint(12, 7));
    const std::vector<std::string> expected = {"LeftButtonDown 7 10 5 0", "LeftButtonDown 6 3 4 1",
                                               "LeftButtonDown 8 5 6 6"};
    EXPECT_EQ(calls(), expected) << "the picture's raised frame is 2 pixels; the right button is no LeftButtonDown";
}

TEST_F(FormsTest, ALeftButtonDownHandlerThatReturnsFalseSwallowsThePress) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框1));
    write(编辑框1, prop::EditContent, Text("abcdef"));
    edit->setCursorPosition(6);
    trial::record().press_result = false;
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, 10));
    EXPECT_EQ(edit->cursorPosition(), 6) << "the box never saw the press";
    trial::record().press_result = std::nullopt;
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, 10));
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_EQ(trial::record().count("LeftButtonDown 2 2 10 0"), 2);
}

TEST_F(FormsTest, APressOnATabPageGoesToTheTabControlOnce) {
    load();
    trial::record().calls.clear();
    // Where a reader presses, the deepest widget there gets the press first.
    QWidget* tabs = widget(选择夹1);
    const QPoint at(150, 120);
    QWidget* under = tabs->childAt(at);
    ASSERT_NE(under, nullptr);
    QTest::mousePress(under, Qt::LeftButton, {}, under->mapFrom(tabs, at));
    EXPECT_EQ(calls(), (std::vector<std::string>{"LeftButtonDown 12 150 120 0"}));
}

TEST_F(FormsTest, AnEditBoxLimitCountsGbkBytes) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框2));
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("123"));
    EXPECT_EQ(ReadText(window, 编辑框2, prop::EditContent), "12");
    edit->clear();
    edit->insert(QStringLiteral("皮"));
    edit->insert(QStringLiteral("肤"));
    EXPECT_EQ(edit->text(), QStringLiteral("皮")) << "one Chinese character fills two bytes";

    // A reader's tool sets the text whole, past the validator: the model
    // holds it, kept to one line and the limit as typing would keep it.
    for (const auto& [box, put, kept] :
         {std::tuple{编辑框2, "369\n7", "36"}, {编辑框1, "凡人修仙传\n", "凡人修仙传"}}) {
        auto* target = qobject_cast<QLineEdit*>(widget(box));
        QAccessibleEditableTextInterface* tool = QAccessible::queryAccessibleInterface(target)->editableTextInterface();
        ASSERT_NE(tool, nullptr);
        tool->replaceText(0, int(target->text().size()), qt::from_gbk(put));
        EXPECT_EQ(ReadText(window, box, prop::EditContent), kept) << box;
        EXPECT_EQ(qt::to_gbk(target->text()), kept) << box;
    }
}

// As Windows cuts a paste: the longest beginning of the pasted text that fits.
TEST_F(FormsTest, APasteIntoALimitedEditBoxKeepsWhatFits) {
    load();
    auto* edit = qobject_cast<QLineEdit*>(widget(编辑框2));
    edit->setFocus();
    for (const auto& c : trial::paste_cases) {
        WriteProperty(window, 编辑框2, prop::EditContent, Text(c.before));
        edit->setSelection(c.cursor, c.selected);
        QApplication::clipboard()->setText(qt::from_gbk(c.pasted));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(qt::to_gbk(edit->text()), c.after) << to_utf8(c.before) << " + " << to_utf8(c.pasted);
        EXPECT_EQ(ReadText(window, 编辑框2, prop::EditContent), c.after)
            << to_utf8(c.before) << " + " << to_utf8(c.pasted);
    }
    edit->clear();
    edit->insert(QStringLiteral("1") + QChar(0) + QStringLiteral("2"));
    EXPECT_EQ(edit->text(), QStringLiteral("12")) << "a NUL never enters";
}
