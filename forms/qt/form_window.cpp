#include "forms/qt/form_window.h"

#include <QCloseEvent>

#include "forms/dispatch.h"
#include "forms/presentation.h"

namespace forms::qt {

namespace {

Qt::WindowFlags flags_of(const WindowDesc& desc) {
    Qt::WindowFlags flags = Qt::Window;
    if (desc.frame == Frame::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (desc.minimize_box) flags |= Qt::WindowMinimizeButtonHint;
        if (desc.maximize_box) flags |= Qt::WindowMaximizeButtonHint;
    }
    if (desc.always_on_top) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

}  // namespace

FormWindow::FormWindow(WindowId id, const WindowDesc& desc)
    : QWidget(nullptr, flags_of(desc)), id_(id), frame_(desc.frame) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::NoFocus);
}

void FormWindow::place(Geometry outer, int dpi, int unit_dpi) {
    const Geometry g = client_of(outer, frame_);
    layout_ = QSize(outer.width, outer.height);
    placed_at_ = QPoint(g.left, g.top);
    resize_for(dpi, unit_dpi);
    setGeometry(QRect(placed_at_, size()));
}

void FormWindow::resize_for(int dpi, int unit_dpi) {
    const Geometry g = client_of({0, 0, layout_.width(), layout_.height()}, frame_);
    setFixedSize(scaled(g.width, dpi, unit_dpi), scaled(g.height, dpi, unit_dpi));
}

Geometry FormWindow::outer() const {
    const FrameMargins m = classic_frame(frame_);
    const QPoint at = geometry().topLeft();
    return {at.x() - m.left, at.y() - m.top, layout_.width(), layout_.height()};
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The model decides (MayClose) and destroys the window itself.
    event->ignore();
    // A window a modal dialog disabled takes no input, its close button included.
    if (!retired_ && isEnabled()) close_requested(id_);
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Our own placements are known already; only the reader's moves are news.
    if (retired_ || geometry().topLeft() == placed_at_) return;
    placed_at_ = geometry().topLeft();
    window_placed(id_, outer());
}

}  // namespace forms::qt
