#include "forms/qt/picture_box.h"

#include <qdrawutil.h>
#include <QPainter>

#include "forms/presentation.h"
#include "pictures/picture.h"

namespace forms::qt {

namespace {

FrameClock* test_clock = nullptr;

QRect rect_of(const Geometry& g) { return {g.left, g.top, g.width, g.height}; }

}  // namespace

void use_frame_clock(FrameClock* clock) { test_clock = clock; }

PictureBox::PictureBox(QWidget* parent, Picture picture) : QFrame(parent), source_(picture) {
    setFocusPolicy(Qt::NoFocus);
    frame_timer_.setSingleShot(true);
    connect(&frame_timer_, &QTimer::timeout, this, &PictureBox::next_frame);
}

PictureBox::~PictureBox() {
    if (test_clock != nullptr) test_clock->stop(this);
}

void PictureBox::next_frame() {
    animation_.advance();
    update();
    schedule_next_frame();
}

void PictureBox::set_border(Border border) {
    border_ = border;
    // QFrame keeps its frame width in the contents margins: clear ours first,
    // let the frame style set its own, and add ours only for the drawn frame.
    setContentsMargins(QMargins());
    switch (border) {
        case Border::Sunken: setFrameStyle(QFrame::WinPanel | QFrame::Sunken); break;
        case Border::Raised: setFrameStyle(QFrame::WinPanel | QFrame::Raised); break;
        case Border::ThinSunken:
            setFrameStyle(QFrame::Panel | QFrame::Sunken);
            setLineWidth(1);
            break;
        case Border::Line:
            setFrameStyle(QFrame::Box | QFrame::Plain);
            setLineWidth(1);
            break;
        default: setFrameStyle(QFrame::NoFrame); break;
    }
    if (border == Border::SunkenInRaised) setContentsMargins(QMargins(4, 4, 4, 4));  // drawn in paintEvent
    update();
}

void PictureBox::set_display_mode(DisplayMode mode) {
    mode_ = mode;
    update();
}

void PictureBox::set_animate(bool animate) {
    animation_.set_animate(animate);
    if (!animate)
        stop_frames();
    else if (decoded_ && isVisible())
        schedule_next_frame();
}

void PictureBox::set_scale(int dpi, int from_dpi) {
    dpi_ = dpi;
    from_dpi_ = from_dpi;
    update();
}

void PictureBox::decode() {
    decoded_ = true;
    if (source_ == nullptr) return;
    const image::Picture picture = image::decode_picture(*source_);
    std::vector<int> delays;
    for (const auto& frame : picture.frames) {
        QImage image(frame.rgba.data(), picture.width, picture.height, picture.width * 4, QImage::Format_RGBA8888);
        frames_.push_back(image.copy());
        delays.push_back(frame.delay_ms);
    }
    animation_.set_delays(std::move(delays));
}

void PictureBox::schedule_next_frame() {
    const std::optional<int> delay = animation_.start_wait();
    if (!delay) return;
    if (test_clock != nullptr)
        test_clock->start(this, *delay);
    else
        frame_timer_.start(*delay);
}

void PictureBox::stop_frames() {
    frame_timer_.stop();
    if (test_clock != nullptr) test_clock->stop(this);
    animation_.stop_wait();
}

void PictureBox::showEvent(QShowEvent* event) {
    if (!decoded_) decode();
    schedule_next_frame();
    QFrame::showEvent(event);
}

void PictureBox::hideEvent(QHideEvent* event) {
    stop_frames();  // the same frame shows again when the box does
    QFrame::hideEvent(event);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (border_ == Border::SunkenInRaised) {
        // A sunken edge inside a raised frame.
        qDrawWinPanel(&painter, rect(), palette(), false);
        qDrawWinPanel(&painter, rect().adjusted(2, 2, -2, -2), palette(), true);
    }
    if (!frames_.empty()) {
        painter.save();
        painter.setClipRect(contentsRect());
        const QImage& image = frames_[std::size_t(animation_.current())];
        const QRect box = contentsRect();
        const PicturePlacement to = place_picture({box.left(), box.top(), box.width(), box.height()}, image.width(),
                                                  image.height(), mode_, dpi_, from_dpi_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, to.smooth);
        painter.drawImage(rect_of(to.rect), image);
        painter.restore();
    }
    painter.end();
    QFrame::paintEvent(event);
}

}  // namespace forms::qt
