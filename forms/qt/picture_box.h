#pragma once
// A picture box: one embedded picture in one of six borders and three
// display modes. The picture is decoded the first time the box is shown, so
// the pictures of pages nobody opens cost nothing at start; an animation
// runs only while the box is shown.
#include <QFrame>
#include <QImage>
#include <QTimer>
#include <vector>

#include "forms/description.h"

namespace forms::qt {

class PictureBox final : public QFrame {
public:
    PictureBox(QWidget* parent, Picture picture);
    void set_border(int border);       // 0 to 5
    void set_display_mode(int mode);   // 0 natural, 1 stretched, 2 fitted
    void set_animate(bool animate);
    bool decoded() const { return decoded_; }
    int frame_count() const { return static_cast<int>(frames_.size()); }
    int current_frame() const { return current_; }

protected:
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void decode();
    void schedule_next_frame();
    QRect picture_rect(QSize picture) const;

    Picture source_;
    bool decoded_ = false;
    std::vector<QImage> frames_;
    std::vector<int> delays_;
    int current_ = 0;
    int border_ = 0, mode_ = 1;
    bool animate_ = true;
    QTimer frame_timer_;
};

}  // namespace forms::qt
