// Loading a window: description lookup, the parent rule, placement, the
// controls on their parents, the order of the load events, widgets made when
// first shown.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include "forms_fixture.h"

using namespace forms;
using namespace trial;

TEST_F(FormsTest, LoadingFindsOnlyDescribedWindowsAndLoadedParents) {
    EXPECT_FALSE(LoadWindow(4711, std::nullopt, false));
    EXPECT_FALSE(IsLoaded(4711));
    EXPECT_FALSE(LoadWindow(bare, window, false)) << "the parent is not loaded";
    EXPECT_FALSE(IsLoaded(bare));
    load();
    EXPECT_TRUE(IsLoaded(window));
    EXPECT_TRUE(LoadWindow(bare, window, false));
    EXPECT_TRUE(IsLoaded(bare));
}

TEST_F(FormsTest, LoadEventsComeInOrderAfterTheControlsExistAndBeforeShowing) {
    QWidget* top = load();
    const std::vector<std::string> expected = {"Created 1", "Moved 901", "Resized 901"};
    EXPECT_EQ(calls(), expected) << "no control raised anything while it was made";
    EXPECT_TRUE(top->isVisible());
    EXPECT_TRUE(ReadBoolean(window, 窗口, prop::Visible));
}

TEST_F(FormsTest, WindowIsCentredByItsOuterSizeAndItsClientAreaLosesTheFrame) {
    outside.width = 1365;  // odd differences are truncated
    outside.height = 767;
    QWidget* top = load();
    EXPECT_EQ(ReadInteger(window, 窗口, prop::Left), (1365 - 317) / 2);
    EXPECT_EQ(ReadInteger(window, 窗口, prop::Top), (767 - 400) / 2);
    EXPECT_EQ(ReadInteger(window, 窗口, prop::Width), 317);
    EXPECT_EQ(ReadInteger(window, 窗口, prop::Height), 400);
    EXPECT_EQ(top->size(), QSize(311, 375));
    EXPECT_EQ(top->geometry().topLeft(), QPoint((1365 - 317) / 2 + 3, (767 - 400) / 2 + 22));
    EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "fixed size";
    EXPECT_TRUE(top->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(top->windowTitle(), QStringLiteral("砚舟小说搜索器V1.4正式版 "));

    ASSERT_TRUE(LoadWindow(bare, std::nullopt, false));
    QWidget* frameless = WidgetOf(bare, 窗口);
    EXPECT_EQ(frameless->size(), QSize(580, 475));
    EXPECT_TRUE(frameless->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(frameless->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(frameless->geometry().topLeft(), QPoint((1365 - 580) / 2, (767 - 475) / 2));
}

// Run by ctest on two screens as well, the second at 150 % and 360 of Qt's
// pixels high (two_screens.json): moved there, the window takes that
// screen's scale at the largest step at which it fits (125 %), its controls
// and fonts with it, and the first screen's again when it comes back.
TEST_F(FormsTest, AWindowFollowsTheScaleOfTheScreenItIsOn) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2) GTEST_SKIP() << "a single screen";
    const auto at_ratio = [&](qreal ratio) {
        return *std::find_if(screens.begin(), screens.end(),
                             [&](QScreen* s) { return s->devicePixelRatio() == ratio; });
    };
    QWidget* top = load();
    const int font_before = widget(按钮1)->font().pixelSize();
    const struct {
        QScreen* screen;
        int dpi;
        QSize client;
        QRect button;
    } rows[] = {
        {at_ratio(1.5), 120, {259, 312}, {117, 8, 66, 20}},
        {at_ratio(1.0), 96, {311, 375}, {140, 10, 80, 24}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dpi);
        top->move(row.screen->geometry().topLeft() + QPoint(10, 10));
        for (int waited = 0; waited < 2000 && top->size() != row.client; waited += 10) QTest::qWait(10);
        EXPECT_EQ(top->screen(), row.screen);
        EXPECT_EQ(find_loaded(window)->dpi, row.dpi);
        EXPECT_EQ(top->size(), row.client);
        EXPECT_EQ(widget(按钮1)->geometry(), row.button);
        EXPECT_EQ(widget(按钮1)->font().pixelSize() == font_before, row.dpi == 96);
        EXPECT_EQ(ReadInteger(window, 窗口, prop::Width), 317) << "the layout's size";
    }
}

TEST_F(FormsTest, EveryControlIsAStandardWidgetNamedAndPlacedOnItsParent) {
    load();
    struct Row {
        ControlId control;
        const char* kind;
        const char* qt_class;
        const char* name;
        QRect geometry;
        ControlId parent;
    };
    const Row rows[] = {
        {编辑框1, "EditBox", "QLineEdit", "编辑框1", {10, 10, 120, 20}, 窗口},
        {按钮1, "Button", "QPushButton", "按钮1", {140, 10, 80, 24}, 窗口},
        {组合框1, "ComboBox", "QComboBox", "组合框1", {10, 40, 120, 20}, 窗口},
        {标签1, "Label", "QLabel", "标签1", {10, 70, 120, 16}, 窗口},
        {图片框1, "PicBox", "QFrame", "图片框1", {140, 70, 80, 40}, 窗口},
        {透明标签1, "TransLabel", "QWidget", "透明标签1", {140, 80, 80, 16}, 窗口},
        {进度条1, "ProgressBar", "QProgressBar", "进度条1", {10, 120, 210, 16}, 窗口},
        {分组框1, "GroupBox", "QGroupBox", "分组框1", {10, 140, 210, 50}, 窗口},
        {按钮2, "Button", "QPushButton", "按钮2", {10, 18, 90, 24}, 分组框1},
        {选择夹1, "Tab", "QTabWidget", "选择夹1", {0, 200, 240, 150}, 窗口},
        {编辑框2, "EditBox", "QLineEdit", "编辑框2", {10, 30, 40, 20}, 选择夹1},
        {编辑框3, "EditBox", "QLineEdit", "编辑框3", {10, 20, 100, 20}, 分组框2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* w = widget(row.control);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(row.qt_class));
        EXPECT_EQ(w->objectName(), QString::fromUtf8(to_utf8(row.name)));
        EXPECT_EQ(w->property("yzKind").toString(), QString::fromLatin1(row.kind));
        EXPECT_EQ(w->geometry(), row.geometry);
        EXPECT_EQ(w->parentWidget(), widget(row.parent));
    }
    EXPECT_EQ(widget(窗口)->property("yzKind").toString(), "Window");
    EXPECT_EQ(widget(时钟1), nullptr) << "timers have no widget";
    EXPECT_EQ(WidgetOf(window, 4711), nullptr);
    EXPECT_EQ(WidgetOf(modal, 对话框), nullptr) << "not loaded";
}

TEST_F(FormsTest, ControlsShowTheirDescribedContent) {
    load();
    auto* combo = qobject_cast<QComboBox*>(widget(组合框1));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), QStringLiteral("晋江"));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(qobject_cast<QComboBox*>(widget(组合框2))->currentIndex(), -1);
    EXPECT_EQ(qobject_cast<QPushButton*>(widget(按钮2))->text(), QStringLiteral("确定（Enter）"));
    EXPECT_FALSE(qobject_cast<QPushButton*>(widget(按钮2))->autoDefault());
    EXPECT_EQ(qobject_cast<QLabel*>(widget(标签1))->text(), QStringLiteral("输入皮肤编号1~58"));
    auto* group = qobject_cast<QGroupBox*>(widget(分组框1));
    EXPECT_EQ(group->title(), QStringLiteral("★分组☆"));
    EXPECT_EQ(group->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    auto* tabs = qobject_cast<QTabWidget*>(widget(选择夹1));
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("第二页"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    auto* bar = qobject_cast<QProgressBar*>(widget(进度条1));
    EXPECT_EQ(bar->value(), 30);
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(编辑框2))->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(widget(图片框1)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(widget(编辑框1)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FormsTest, OnlyButtonsEditBoxesAndComboBoxesTakeTheFocus) {
    load();
    for (ControlId c : {编辑框1, 按钮1, 组合框1, 编辑框2}) EXPECT_TRUE(widget(c)->focusPolicy() & Qt::TabFocus) << c;
    for (ControlId c : {标签1, 图片框1, 透明标签1, 进度条1, 分组框1, 选择夹1})
        EXPECT_FALSE(widget(c)->focusPolicy() & Qt::TabFocus) << c;
    EXPECT_FALSE(qobject_cast<QTabWidget*>(widget(选择夹1))->tabBar()->focusPolicy() & Qt::TabFocus);
}

TEST_F(FormsTest, ControlsOfOtherPagesAreHiddenFromTheStart) {
    load();
    EXPECT_TRUE(widget(编辑框2)->isVisible());
    EXPECT_FALSE(widget(按钮3)->isVisible());
    EXPECT_FALSE(widget(分组框2)->isVisible());
    EXPECT_FALSE(widget(编辑框3)->isVisible()) << "inside a group box on the hidden page";
    EXPECT_TRUE(ReadBoolean(window, 编辑框2, prop::Visible));
    EXPECT_FALSE(ReadBoolean(window, 按钮3, prop::Visible));
    EXPECT_FALSE(ReadBoolean(window, 编辑框3, prop::Visible));
    EXPECT_FALSE(ReadBoolean(window, 编辑框4, prop::Visible)) << "described hidden";
}

TEST_F(FormsTest, ACreatedHandlerThatHidesTheWindowKeepsItHidden) {
    trial::record().hide_in_created = true;
    QWidget* top = load();
    EXPECT_FALSE(top->isVisible());
    EXPECT_FALSE(ReadBoolean(window, 窗口, prop::Visible));
    EXPECT_TRUE(IsLoaded(window)) << "a hidden window stays loaded";
    write(窗口, prop::Visible, true);
    EXPECT_TRUE(top->isVisible());
}

TEST_F(FormsTest, LoadingALoadedWindowAgainKeepsTheOneThereIs) {
    QWidget* top = load();
    write(编辑框1, prop::EditContent, Text("书名"));
    EXPECT_TRUE(LoadWindow(window, std::nullopt, false));
    EXPECT_EQ(WidgetOf(window, 窗口), top);
    EXPECT_EQ(ReadText(window, 编辑框1, prop::EditContent), "书名");
    EXPECT_EQ(trial::record().count("Created 1"), 1);
}

TEST_F(FormsTest, DestroyingEndsTheWindowAndItsControls) {
    load();
    QPointer<QWidget> edit = widget(编辑框1);
    destroy_window(window);
    EXPECT_FALSE(IsLoaded(window));
    EXPECT_EQ(WidgetOf(window, 编辑框1), nullptr);
    EXPECT_EQ(calls().back(), "Destroying 901");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(edit.isNull());
}

TEST_F(FormsTest, WritesToAPageNeverShownAppearWhenItIsFirstShown) {
    load();
    struct Write {
        ControlId control;
        int property;
        Value value;
    };
    const Write writes[] = {
        {编辑框3, prop::EditContent, Text("写在未见之页")},
        {编辑框3, prop::ToolTip, Text("提示")},
        {按钮3, prop::ButtonCaption, Text("新标题")},
        {按钮3, prop::Disabled, false},
        {按钮4, prop::Visible, true},
        {图片框3, prop::Left, 60},
    };
    for (const Write& w : writes) write(w.control, w.property, w.value);
    for (ControlId c : {编辑框3, 按钮3, 按钮4, 图片框3}) EXPECT_EQ(BuiltWidgetOf(window, c), nullptr) << c;

    auto* tabs = qobject_cast<QTabWidget*>(widget(选择夹1));
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    auto* edit = qobject_cast<QLineEdit*>(BuiltWidgetOf(window, 编辑框3));
    auto* button = qobject_cast<QPushButton*>(BuiltWidgetOf(window, 按钮3));
    ASSERT_TRUE(edit && button && BuiltWidgetOf(window, 按钮4) && BuiltWidgetOf(window, 图片框3));
    EXPECT_EQ(edit->text(), QStringLiteral("写在未见之页"));
    EXPECT_EQ(edit->toolTip(), QStringLiteral("提示"));
    EXPECT_EQ(button->text(), QStringLiteral("新标题"));
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(BuiltWidgetOf(window, 按钮4)->isVisible());
    EXPECT_EQ(BuiltWidgetOf(window, 图片框3)->x(), 60);
}

TEST_F(FormsTest, EachPageIsMadeTheFirstTimeItIsShownAndOnlyThen) {
    QWidget* top = load();
    ASSERT_TRUE(LoadWindow(bare, std::nullopt, false));
    struct Page {
        WindowId window;
        ControlId tab;
        int page;
        ControlId on_it;
    };
    // The first page of each tab control is shown with its window; the
    // third of the vertical tabs is empty.
    const Page pages[] = {{window, 选择夹1, 1, 编辑框3},
                          {window, 选择夹1, 0, 编辑框2},
                          {bare, 竖排选择夹, 1, 楷体标签},
                          {bare, 竖排选择夹, 2, 竖排选择夹},
                          {bare, 竖排选择夹, 0, 竖排图片框}};
    auto choose = [](const Page& p) {
        auto* tabs = qobject_cast<QTabWidget*>(WidgetOf(p.window, p.tab));
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(p.page).center());
        ASSERT_EQ(tabs->currentIndex(), p.page);
    };
    QWidget* frameless = WidgetOf(bare, 窗口);
    auto widgets = [&] { return top->findChildren<QWidget*>().size() + frameless->findChildren<QWidget*>().size(); };
    std::vector<QWidget*> made;
    for (const Page& p : pages) {
        SCOPED_TRACE(p.page);
        EXPECT_EQ(BuiltWidgetOf(p.window, p.on_it) != nullptr, p.page == 0 || p.on_it == p.tab);
        choose(p);
        made.push_back(BuiltWidgetOf(p.window, p.on_it));
        EXPECT_TRUE(made.back() != nullptr && made.back()->isVisible());
    }
    const auto count = widgets();
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        choose(pages[i]);
        EXPECT_EQ(BuiltWidgetOf(pages[i].window, pages[i].on_it), made[i]);
    }
    EXPECT_EQ(widgets(), count) << "no page made twice";
}
