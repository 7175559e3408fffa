#pragma once
// The transparent label: text drawn straight over whatever lies beneath it,
// not clipped to the label's rectangle. Two widgets make it: TransLabel has
// exactly the label's rectangle and takes the mouse; its ink, a sibling just
// above it that lets the mouse through, is as large as the text needs and
// draws it. Neither paints a background, so when the text changes Qt
// repaints what lies beneath and no trace of the old text stays.
//
// The text is laid out only when the ink is first shown: labels on pages
// nobody opens (long word-wrapped notes among them) load no glyphs at start.
#include <QPointer>
#include <QTextLayout>
#include <QWidget>
#include <memory>

#include "forms/presentation.h"

namespace forms::qt {

struct TransLook {
    QString text;  // line breaks as \n
    QFont font;
    LabelInk ink;
};

// Distance between wrapped lines: the font's character height, as on Windows.
int line_pitch(const QFont& font);

class TransInk final : public QWidget {
public:
    explicit TransInk(QWidget* parent);
    void show_look(const TransLook& look, QRect label_rect);
    bool laid_out() const { return !stale_; }
    // Tops of the wrapped lines, relative to the label; empty when not wrapped.
    std::vector<int> line_tops() const;

protected:
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void fit();
    int text_flags() const;
    QRect text_bounds();  // in the parent's coordinates; lays out wrapped text
    TransLook look_;
    QRect label_rect_;
    bool stale_ = true;
    std::unique_ptr<QTextLayout> wrapped_;  // laid out in the label's coordinates
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
