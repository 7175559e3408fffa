#include "forms/qt/trans_label.h"

#include <QPainter>

namespace forms::qt {

namespace {

// Room for the effect copies and for glyphs that reach past their cell.
constexpr int overhang = 3;

}  // namespace

TransInk::TransInk(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

int TransInk::text_flags() const {
    int flags = 0;
    switch (look_.align) {
        case Align::Centre: flags |= Qt::AlignHCenter; break;
        case Align::Right: flags |= Qt::AlignRight; break;
        default: flags |= Qt::AlignLeft; break;
    }
    if (look_.word_wrap) return flags | Qt::TextWordWrap | Qt::AlignTop;
    switch (look_.valign) {
        case VAlign::Middle: flags |= Qt::AlignVCenter; break;
        case VAlign::Bottom: flags |= Qt::AlignBottom; break;
        default: flags |= Qt::AlignTop; break;
    }
    return flags | Qt::TextSingleLine;
}

QRect TransInk::text_bounds() const {
    if (look_.text.isEmpty()) return label_rect_;
    const QFontMetrics metrics(look_.font);
    QRect area(QPoint(0, 0), label_rect_.size());
    if (look_.word_wrap) area.setHeight(std::max(area.height(), 1 << 20));
    QRect bounds = metrics.boundingRect(area, text_flags(), look_.text);
    bounds.translate(label_rect_.topLeft());
    return bounds.united(label_rect_).adjusted(-overhang, -overhang, overhang, overhang);
}

void TransInk::show_look(const TransLook& look, QRect label_rect) {
    look_ = look;
    label_rect_ = label_rect;
    const QRect ink_rect = text_bounds();
    if (ink_rect != geometry()) setGeometry(ink_rect);
    update();
}

void TransInk::paintEvent(QPaintEvent*) {
    if (look_.text.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(look_.font);
    const QRect text_rect(label_rect_.topLeft() - geometry().topLeft(), label_rect_.size());
    const int flags = text_flags() | Qt::TextDontClip;
    auto draw = [&](QPoint offset, QColor color) {
        painter.setPen(color);
        painter.drawText(text_rect.translated(offset), flags, look_.text);
    };
    switch (look_.effect) {
        case 1:
            draw({1, 1}, Qt::white);
            draw({0, 0}, look_.color);
            break;
        case 2:
            draw({0, 0}, Qt::white);
            draw({1, 1}, look_.color);
            break;
        case 3:
            draw({2, 2}, Qt::black);
            draw({0, 0}, look_.color);
            break;
        default: draw({0, 0}, look_.color); break;
    }
}

TransLabel::TransLabel(QWidget* parent) : QWidget(parent), ink_(new TransInk(parent)) {
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

void TransLabel::show_look(const TransLook& look) {
    look_ = look;
    if (ink_) ink_->show_look(look_, geometry());
}

void TransLabel::moveEvent(QMoveEvent*) {
    if (ink_) ink_->show_look(look_, geometry());
}

void TransLabel::resizeEvent(QResizeEvent*) {
    if (ink_) ink_->show_look(look_, geometry());
}

void TransLabel::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (ink_) ink_->setVisible(visible);
}

}  // namespace forms::qt
