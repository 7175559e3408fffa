#include "forms/qt/accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>

#include <optional>

#include "forms/accessibility.h"
#include "forms/qt/looks.h"
#include "forms/qt/trans_label.h"

namespace forms::qt {
namespace {

// Qt names a list by its current item here, so a list answers through us
// too, though the table only annotates it.
bool answered_by_us(const ControlState& c) { return served(c) == Served::Own || c.kind == Kind::ComboBox; }

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
const ControlState* state_of(const Owner& owner) {
    const LoadedWindow* w = owner.loaded();
    return w != nullptr && owner.control != 0 ? w->find(owner.control) : nullptr;
}

// Our interfaces, told apart from Qt's own.
class Ours {
public:
    explicit Ours(Owner owner) : owner_(owner) {}
    virtual ~Ours() = default;

protected:
    AccessibleInfo info() const {
        const ControlState* c = state_of(owner_);
        return c != nullptr ? accessible_of(*owner_.loaded(), *c) : AccessibleInfo{};
    }
    // The name, description and value a reader asks for, from the table but
    // for the value, which the control may hold itself; nullopt for the rest.
    static std::optional<QString> said(QAccessible::Text t, const AccessibleInfo& now, const QString& value) {
        switch (t) {
            case QAccessible::Name: return spoken(now.name);
            case QAccessible::Description: return spoken(now.description);
            case QAccessible::Value: return value;
            default: return std::nullopt;
        }
    }
    Owner owner_;
};

// Children a reader meets: a transparent label's ink only draws the label's
// text, which the label itself offers.
QList<QWidget*> met_children(const QWidget* widget) {
    QList<QWidget*> met;
    for (QObject* o : widget->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w != nullptr && !w->isWindow() && dynamic_cast<TransInk*>(w) == nullptr) met.append(w);
    }
    return met;
}

// Static text also offers its text as text, so that a reader can go through
// a note a line at a time (Qt finds the lines in it); it has no caret and no
// selection.
class AccessibleControl final : public QAccessibleWidget, public QAccessibleTextInterface, public Ours {
public:
    AccessibleControl(QWidget* widget, Owner owner) : QAccessibleWidget(widget), Ours(owner) {}

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

    int childCount() const override { return int(met_children(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> met = met_children(widget());
        return index >= 0 && index < met.size() ? QAccessible::queryAccessibleInterface(met[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr ? -1 : int(met_children(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }

    QAccessible::Role role() const override { return qt_role(info().role); }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = info().role == Role::Link;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        const AccessibleInfo now = info();
        if (auto s = said(t, now, spoken(now.value))) return *s;
        return QAccessibleWidget::text(t);
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
};

// A list: named from the table, its current item its value, and the
// dropped list its one child, as Qt's own list shows it otherwise.
class AccessibleList final : public QAccessibleWidget, public Ours {
public:
    AccessibleList(QComboBox* combo, Owner owner) : QAccessibleWidget(combo, QAccessible::ComboBox), Ours(owner) {}

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == combo()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (auto s = said(t, info(), combo()->currentText())) return *s;
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction()) return QAccessibleWidget::doAction(name);
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* make_interface(const QString&, QObject* object) {
    if (!object->isWidgetType()) return nullptr;
    const Owner owner = owner_of(object);
    const ControlState* c = state_of(owner);
    if (c == nullptr || !answered_by_us(*c)) return nullptr;
    if (c->kind == Kind::ComboBox) {
        auto* combo = qobject_cast<QComboBox*>(object);
        return combo != nullptr ? new AccessibleList(combo, owner) : nullptr;
    }
    return new AccessibleControl(static_cast<QWidget*>(object), owner);
}

}  // namespace

void serve_screen_readers() {
    static const bool installed = (QAccessible::installFactory(make_interface), true);
    (void)installed;
}

void name_for_readers(const LoadedWindow& window, const ControlState& c, QWidget* widget) {
    if (answered_by_us(c)) {
        // Qt may have made its own interface while the widget was being made,
        // before it carried its marks (and before a reader came): ours
        // replaces it.
        QAccessibleInterface* now = QAccessible::queryAccessibleInterface(widget);
        if (now != nullptr && dynamic_cast<Ours*>(now) == nullptr)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(now));
        return;
    }
    if (served(c) != Served::Annotated) return;
    const AccessibleInfo info = accessible_of(window, c);
    if (!info.name.empty()) widget->setAccessibleName(spoken(info.name));
    widget->setAccessibleDescription(spoken(info.description));
}

}  // namespace forms::qt
