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
    // Places the client area for an outer rectangle on the screen.
    void place(Geometry outer);
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
    bool retired_ = false;
};

}  // namespace forms::qt
