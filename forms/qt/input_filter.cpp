#include "forms/qt/input_filter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>

#include "forms/dispatch.h"
#include "forms/qt/key_codes.h"
#include "skins/engine/own_colours.h"

namespace forms::qt {

namespace {

struct Owner {
    QWidget* widget = nullptr;  // the control's own widget
    WindowId window = 0;
    ControlId control = 0;
};

// The control a widget belongs to: the nearest widget carrying a control id,
// not looking past a top-level window (a combo box's dropped list is one).
Owner owner_of(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QVariant control = w->property("yzControl");
        if (control.isValid()) return {w, w->property("yzWindow").toInt(), control.toInt()};
        if (w->isWindow()) break;
    }
    return {};
}

class InputFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress && type != QEvent::ContextMenu) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) return false;
        const Owner owner = owner_of(widget);
        if (owner.widget == nullptr || !owner.widget->isEnabled()) return false;
        if (type == QEvent::ContextMenu)
            return menu_requested(owner.window, owner.control,
                                  static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse);
        if (event->type() == QEvent::KeyPress) return key(widget, owner, static_cast<QKeyEvent*>(event));
        return press(widget, owner, static_cast<QMouseEvent*>(event));
    }

private:
    static bool key(QWidget* widget, const Owner& owner, QKeyEvent* event) {
        // An ignored key travels on to the parents; only its first stop counts,
        // the widget with the focus (or the window when nothing has it).
        QWidget* focus = widget->window()->focusWidget();
        if (focus != nullptr ? widget != focus : widget != widget->window()) return false;
        const bool keypad = event->modifiers() & Qt::KeypadModifier;
        return key_pressed(owner.window, owner.control, windows_key_code(event->key(), keypad),
                           function_key_bits(event->modifiers(), event->key()));
    }

    static bool press(QWidget* widget, const Owner& owner, QMouseEvent* event) {
        if (event->button() != Qt::LeftButton) return false;
        // An ignored press travels on to the parents; only the widget under
        // the pointer counts.
        const QPoint at = event->position().toPoint();
        if (widget->childAt(at) != nullptr) return false;
        QPoint client = widget->mapTo(owner.widget, at);
        if (auto* frame = qobject_cast<QFrame*>(owner.widget);
            frame != nullptr && frame->property(skin_contract::kind_property) == skin_contract::picture_box_kind)
            client -= frame->contentsRect().topLeft();
        return left_button_down(owner.window, owner.control, client.x(), client.y(),
                                function_key_bits(event->modifiers()));
    }
};

}  // namespace

void install_input_filter() {
    static InputFilter* filter = nullptr;
    if (filter != nullptr || qApp == nullptr) return;
    filter = new InputFilter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace forms::qt
