#pragma once
// A picture box: one embedded picture in one of six borders and three
// display modes (forms/presentation.h places it). The picture is decoded the
// first time the box is shown, so the pictures of pages nobody opens cost
// nothing at start; an animation (forms/animation.h) runs only while the box
// is shown.
#include <QFrame>
#include <QImage>
#include <QTimer>
#include <vector>

#include "forms/animation.h"
#include "forms/description.h"

namespace forms::qt {

class PictureBox;

// What times an animation's frames: each box's own timer, unless a test
// puts a clock of its own in their place.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    // `box` is to show its next frame (next_frame()) after `delay_ms`.
    virtual void start(PictureBox* box, int delay_ms) = 0;
    virtual void stop(PictureBox* box) = 0;
};
// nullptr: the boxes' own timers again.
void use_frame_clock(FrameClock* clock);

class PictureBox final : public QFrame {
public:
    PictureBox(QWidget* parent, Picture picture);
    ~PictureBox() override;
    void set_border(Border border);
    void set_display_mode(DisplayMode mode);
    void set_animate(bool animate);
    // A picture's own size counts at `dpi` from `from_dpi` (forms/presentation.h).
    void set_scale(int dpi, int from_dpi);
    bool decoded() const { return decoded_; }
    int frame_count() const { return static_cast<int>(frames_.size()); }
    int current_frame() const { return animation_.current(); }
    // The current frame's time is over.
    void next_frame();

protected:
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void decode();
    void schedule_next_frame();
    void stop_frames();

    Picture source_;
    bool decoded_ = false;
    std::vector<QImage> frames_;
    Animation animation_;
    Border border_ = Border::None;
    DisplayMode mode_ = DisplayMode::Stretched;
    int dpi_ = 96, from_dpi_ = 96;
    QTimer frame_timer_;
};

}  // namespace forms::qt
