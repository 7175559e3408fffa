#include "forms/qt/trans_label.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextOption>

#include "forms/qt/looks.h"

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
    switch (look_.ink.align) {
        case Align::Centre: flags |= Qt::AlignHCenter; break;
        case Align::Right: flags |= Qt::AlignRight; break;
        default: flags |= Qt::AlignLeft; break;
    }
    if (look_.ink.word_wrap) return flags | Qt::TextWordWrap | Qt::AlignTop;
    switch (look_.ink.valign) {
        case VAlign::Middle: flags |= Qt::AlignVCenter; break;
        case VAlign::Bottom: flags |= Qt::AlignBottom; break;
        default: flags |= Qt::AlignTop; break;
    }
    return flags | Qt::TextSingleLine;
}

// Windows' DrawText puts lines one tmHeight apart, and the faces the layouts
// name have no internal leading: the character height a layout gives is the
// whole cell, and a text that needs more lines than its label holds runs on
// below it exactly as far as it would there.
int line_pitch(const QFont& font) { return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize(); }

QRect TransInk::text_bounds() {
    wrapped_.reset();
    if (look_.text.isEmpty()) return label_rect_;
    QRect bounds;
    if (look_.ink.word_wrap) {
        QString text = look_.text;
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        wrapped_ = std::make_unique<QTextLayout>(text, look_.font);
        QTextOption option(Qt::Alignment(text_flags()) & Qt::AlignHorizontal_Mask);
        option.setWrapMode(QTextOption::WordWrap);
        wrapped_->setTextOption(option);
        const int pitch = line_pitch(look_.font);
        QRectF lines;
        wrapped_->beginLayout();
        for (int y = 0;; y += pitch) {
            QTextLine line = wrapped_->createLine();
            if (!line.isValid()) break;
            line.setLineWidth(label_rect_.width());
            line.setPosition(QPointF(0, y));
            lines |= line.naturalTextRect();
        }
        wrapped_->endLayout();
        bounds = lines.toAlignedRect();
    } else {
        const QFontMetrics metrics(look_.font);
        bounds = metrics.boundingRect(QRect(QPoint(0, 0), label_rect_.size()), text_flags(), look_.text);
    }
    bounds.translate(label_rect_.topLeft());
    return bounds.united(label_rect_).adjusted(-overhang, -overhang, overhang, overhang);
}

std::vector<int> TransInk::line_tops() const {
    std::vector<int> tops;
    if (wrapped_)
        for (int i = 0; i < wrapped_->lineCount(); ++i) tops.push_back(qRound(wrapped_->lineAt(i).y()));
    return tops;
}

void TransInk::fit() {
    stale_ = false;
    const QRect ink_rect = text_bounds();
    if (ink_rect != geometry()) setGeometry(ink_rect);
    update();
}

void TransInk::show_look(const TransLook& look, QRect label_rect) {
    look_ = look;
    label_rect_ = label_rect;
    stale_ = true;
    wrapped_.reset();
    if (isVisible()) fit();
}

void TransInk::showEvent(QShowEvent*) {
    if (stale_) fit();
}

void TransInk::paintEvent(QPaintEvent*) {
    if (look_.text.isEmpty() || stale_) return;
    QPainter painter(this);
    painter.setFont(look_.font);
    const QPoint label_at = label_rect_.topLeft() - geometry().topLeft();
    const QRect text_rect(label_at, label_rect_.size());
    const int flags = text_flags() | Qt::TextDontClip;
    for (int i = 0; i < look_.ink.pass_count; ++i) {
        const InkPass& pass = look_.ink.passes[std::size_t(i)];
        painter.setPen(color_of(pass.color));
        if (wrapped_)
            wrapped_->draw(&painter, label_at + QPoint(pass.dx, pass.dy));
        else
            painter.drawText(text_rect.translated(pass.dx, pass.dy), flags, look_.text);
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
