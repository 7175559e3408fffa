#pragma once
// The top-level widget of a loaded window. Its client area is the layout's
// outer size less the classic frame (forms/presentation.h), so that every control sits where
// the layout puts it; the outer rectangle is what the window's left, top,
// width and height mean.
#include <QWidget>

#include "forms/description.h"

namespace forms::qt {

class FormWindow final : public QWidget {
public:
    FormWindow(WindowId id, const WindowDesc& desc);
    // Places the client area for an outer rectangle on the screen, the
    // layout's client area shown at `dpi` in pixels of `unit_dpi`
    // (forms/placement.h); the outer size stays the layout's.
    void place(Geometry outer, int dpi, int unit_dpi);
    // The client area at that scale where the window is now.
    void resize_for(int dpi, int unit_dpi);
    Geometry outer() const;
    // From now on the window only waits to be deleted.
    void retire() { retired_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    WindowId id_;
    Frame frame_;
    QPoint placed_at_;
    QSize layout_;  // the outer size the layout gives
    bool retired_ = false;
};

}  // namespace forms::qt
