#pragma once
// The top-level widget of a loaded window. Its client area is the layout's
// outer size less a Windows-classic frame, so that every control sits where
// the layout puts it; the outer rectangle is what the window's left, top,
// width and height mean.
#include <QMargins>
#include <QWidget>

#include "forms/description.h"

namespace forms::qt {

// The classic fixed dialog frame: 3 pixels each side and a 19-pixel caption.
QMargins frame_margins(Frame frame);

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
