#include "forms/qt/accessible.h"

#include <QAccessibleWidget>
#include <QApplication>

#include "forms/accessibility.h"
#include "forms/qt/looks.h"

namespace forms::qt {
namespace {

// The kinds whose widgets are ours, or whose press may make them a link.
bool served_by_us(Kind kind) { return kind == Kind::PicBox || kind == Kind::Label || kind == Kind::TransLabel; }

QAccessible::Role qt_role(Role role) {
    switch (role) {
        case Role::Window: return QAccessible::Window;
        case Role::Link: return QAccessible::Link;
        case Role::StaticText: return QAccessible::StaticText;
        case Role::Graphic: return QAccessible::Graphic;
        case Role::PushButton: return QAccessible::Button;
        case Role::ComboBox: return QAccessible::ComboBox;
        case Role::EditableText: return QAccessible::EditableText;
        case Role::Group: return QAccessible::Grouping;
        case Role::PageTabList: return QAccessible::PageTabList;
        case Role::ProgressBar: return QAccessible::ProgressBar;
        case Role::Pane: return QAccessible::Pane;
    }
    return QAccessible::Pane;
}

QString spoken(const Text& gbk) {
    QString s = from_gbk(gbk);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

// The control a widget shows, found through the marks the view gives it.
struct Owner {
    WindowId window = 0;
    ControlId control = 0;
    const LoadedWindow* loaded() const { return find_loaded(window); }
};
Owner owner_of(const QObject* widget) {
    return {widget->property("yzWindow").toInt(), widget->property("yzControl").toInt()};
}

// Static text also offers its text as text, so that a reader can go through
// a note a line at a time (Qt finds the lines in it); it has no caret and no
// selection.
class AccessibleControl final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    AccessibleControl(QWidget* widget, Owner owner) : QAccessibleWidget(widget), owner_(owner) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && info().role == Role::StaticText)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(int start, int end) const override { return whole().mid(start, end - start); }
    int characterCount() const override { return int(whole().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

    QAccessible::Role role() const override { return qt_role(info().role); }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = info().role == Role::Link;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        const AccessibleInfo now = info();
        switch (t) {
            case QAccessible::Name: return spoken(now.name);
            case QAccessible::Description: return spoken(now.description);
            case QAccessible::Value: return spoken(now.value);
            default: return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override {
        if (info().action == Action::Press) return {pressAction()};
        return QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction()) return QAccessibleWidget::doAction(name);
        // Later, from the event loop, as a press of the mouse comes: the
        // reader's call returns first, whatever the handler then opens.
        QMetaObject::invokeMethod(
            qApp, [o = owner_] { do_default_action(o.window, o.control); }, Qt::QueuedConnection);
    }

private:
    QString whole() const { return spoken(info().name); }
    AccessibleInfo info() const {
        const LoadedWindow* w = owner_.loaded();
        const ControlState* c = w != nullptr ? w->find(owner_.control) : nullptr;
        return c != nullptr ? accessible_of(*w, *c) : AccessibleInfo{};
    }
    Owner owner_;
};

QAccessibleInterface* make_interface(const QString&, QObject* object) {
    if (!object->isWidgetType()) return nullptr;
    const Owner owner = owner_of(object);
    const LoadedWindow* w = owner.loaded();
    const ControlState* c = w != nullptr && owner.control != 0 ? w->find(owner.control) : nullptr;
    if (c == nullptr || c->desc == nullptr || !served_by_us(c->kind)) return nullptr;
    return new AccessibleControl(static_cast<QWidget*>(object), owner);
}

}  // namespace

void serve_screen_readers() {
    static const bool installed = (QAccessible::installFactory(make_interface), true);
    (void)installed;
}

void name_for_readers(const LoadedWindow& window, const ControlState& c, QWidget* widget) {
    if (c.desc == nullptr || served_by_us(c.kind)) return;
    const AccessibleInfo info = accessible_of(window, c);
    if (!info.name.empty()) widget->setAccessibleName(spoken(info.name));
}

}  // namespace forms::qt
