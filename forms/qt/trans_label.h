#pragma once
// The transparent label: text drawn straight over whatever lies beneath it,
// not clipped to the label's rectangle. Two widgets make it: TransLabel has
// exactly the label's rectangle and takes the mouse; its ink, a sibling just
// above it that lets the mouse through, is as large as the text needs and
// draws it. Neither paints a background, so when the text changes Qt
// repaints what lies beneath and no trace of the old text stays.
#include <QPointer>
#include <QWidget>

#include "forms/description.h"

namespace forms::qt {

struct TransLook {
    QString text;  // line breaks as \n
    QFont font;
    QColor color;
    int effect = 0;
    Align align = Align::Left;
    bool word_wrap = true;
    VAlign valign = VAlign::Top;
};

class TransInk final : public QWidget {
public:
    explicit TransInk(QWidget* parent);
    void show_look(const TransLook& look, QRect label_rect);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int text_flags() const;
    QRect text_bounds() const;  // in the parent's coordinates
    TransLook look_;
    QRect label_rect_;
};

class TransLabel final : public QWidget {
public:
    explicit TransLabel(QWidget* parent);
    TransInk* ink() const { return ink_; }
    void show_look(const TransLook& look);
    // The ink goes with the label.
    void setVisible(bool visible) override;

protected:
    void moveEvent(QMoveEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QPointer<TransInk> ink_;
    TransLook look_;
};

}  // namespace forms::qt
