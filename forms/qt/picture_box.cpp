#include "forms/qt/picture_box.h"

#include <QPainter>
#include <qdrawutil.h>

#include "forms/image/picture.h"

namespace forms::qt {

namespace {

// A frame without a delay of its own shows for as long as browsers show it.
constexpr int default_frame_delay_ms = 100;
constexpr int shortest_frame_delay_ms = 20;

}  // namespace

PictureBox::PictureBox(QWidget* parent, Picture picture) : QFrame(parent), source_(picture) {
    setFocusPolicy(Qt::NoFocus);
    frame_timer_.setSingleShot(true);
    connect(&frame_timer_, &QTimer::timeout, this, [this] {
        if (frames_.empty()) return;
        current_ = (current_ + 1) % static_cast<int>(frames_.size());
        update();
        schedule_next_frame();
    });
}

void PictureBox::set_border(int border) {
    border_ = border;
    // QFrame keeps its frame width in the contents margins: clear ours first,
    // let the frame style set its own, and add ours only for the drawn frame.
    setContentsMargins(QMargins());
    switch (border) {
        case 1: setFrameStyle(QFrame::WinPanel | QFrame::Sunken); break;
        case 2: setFrameStyle(QFrame::WinPanel | QFrame::Raised); break;
        case 3: setFrameStyle(QFrame::Panel | QFrame::Sunken); setLineWidth(1); break;
        case 5: setFrameStyle(QFrame::Box | QFrame::Plain); setLineWidth(1); break;
        default: setFrameStyle(QFrame::NoFrame); break;
    }
    if (border == 4) setContentsMargins(QMargins(4, 4, 4, 4));  // drawn in paintEvent
    update();
}

void PictureBox::set_display_mode(int mode) {
    mode_ = mode;
    update();
}

void PictureBox::set_animate(bool animate) {
    animate_ = animate;
    if (!animate_) frame_timer_.stop();
    else if (decoded_ && isVisible()) schedule_next_frame();
}

void PictureBox::decode() {
    decoded_ = true;
    if (source_ == nullptr) return;
    const image::Picture picture = image::decode_picture(*source_);
    for (const auto& frame : picture.frames) {
        QImage image(frame.rgba.data(), picture.width, picture.height, picture.width * 4, QImage::Format_RGBA8888);
        frames_.push_back(image.copy());
        delays_.push_back(frame.delay_ms);
    }
}

void PictureBox::schedule_next_frame() {
    if (!animate_ || frames_.size() < 2 || frame_timer_.isActive()) return;
    int delay = delays_[current_];
    if (delay <= 0) delay = default_frame_delay_ms;
    frame_timer_.start(std::max(delay, shortest_frame_delay_ms));
}

void PictureBox::showEvent(QShowEvent* event) {
    if (!decoded_) decode();
    schedule_next_frame();
    QFrame::showEvent(event);
}

void PictureBox::hideEvent(QHideEvent* event) {
    frame_timer_.stop();  // the same frame shows again when the box does
    QFrame::hideEvent(event);
}

QRect PictureBox::picture_rect(QSize picture) const {
    const QRect box = contentsRect();
    switch (mode_) {
        case 0: return QRect(box.topLeft(), picture);
        case 2: {
            QSize size = picture;
            if (size.width() > box.width() || size.height() > box.height())
                size.scale(box.size(), Qt::KeepAspectRatio);
            return QRect(box.left() + (box.width() - size.width()) / 2, box.top() + (box.height() - size.height()) / 2,
                         size.width(), size.height());
        }
        default: return box;
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (border_ == 4) {
        // A sunken edge inside a raised frame.
        qDrawWinPanel(&painter, rect(), palette(), false);
        qDrawWinPanel(&painter, rect().adjusted(2, 2, -2, -2), palette(), true);
    }
    if (!frames_.empty()) {
        painter.save();
        painter.setClipRect(contentsRect());
        const QImage& image = frames_[current_];
        const QRect target = picture_rect(image.size());
        // Shrunk logos and covers read better smoothed; enlarged ones stay crisp.
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              target.width() < image.width() || target.height() < image.height());
        painter.drawImage(target, image);
        painter.restore();
    }
    painter.end();
    QFrame::paintEvent(event);
}

}  // namespace forms::qt
