#include "forms/qt/tab_control.h"

#include <QStyleOptionTab>
#include <QStylePainter>

#include "forms/presentation.h"
#include "forms/qt/looks.h"

namespace forms::qt {

namespace {

constexpr int tab_padding = 12;

bool is_vertical_shape(QTabBar::Shape shape) {
    switch (shape) {
        case QTabBar::RoundedEast:
        case QTabBar::RoundedWest:
        case QTabBar::TriangularEast:
        case QTabBar::TriangularWest: return true;
        default: return false;
    }
}

}  // namespace

TabStrip::TabStrip(QWidget* parent, bool vertical_text) : QTabBar(parent), vertical_text_(vertical_text) {
    setFocusPolicy(Qt::NoFocus);
    setDrawBase(true);
}

bool TabStrip::stacked_text() const { return vertical_text_ || is_vertical_shape(shape()); }

void TabStrip::set_scale(int dpi, int from_dpi) {
    dpi_ = dpi;
    from_dpi_ = from_dpi;
}

// The style's padding around a title counts at the window's scale, as its text does.
QSize TabStrip::tabSizeHint(int index) const {
    const QFontMetrics metrics(font());
    const QString title = tabText(index);
    const auto at_scale = [this](int length) { return scaled(length, dpi_, from_dpi_); };
    if (!stacked_text()) {
        const int text = metrics.horizontalAdvance(title);
        const int padding = std::max(QTabBar::tabSizeHint(index).width() - text, tab_padding);
        return {text + at_scale(padding), at_scale(tab_strip_height)};
    }
    int widest = 0;
    for (QChar ch : title) widest = std::max(widest, metrics.horizontalAdvance(ch));
    return {std::max(widest + at_scale(8), at_scale(tab_strip_height)),
            static_cast<int>(title.size()) * metrics.height() + at_scale(tab_padding)};
}

void TabStrip::paintEvent(QPaintEvent* event) {
    if (!stacked_text()) {
        QTabBar::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    const QFontMetrics metrics(font());
    auto paint_tab = [&](int i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        const QRect r = tabRect(i);
        const QString title = tabText(i);
        int y = r.top() + (r.height() - static_cast<int>(title.size()) * metrics.height()) / 2;
        painter.setPen(
            option.palette.color(isTabEnabled(i) ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        for (QChar ch : title) {
            painter.drawText(QRect(r.left(), y, r.width(), metrics.height()), Qt::AlignCenter, QString(ch));
            y += metrics.height();
        }
    };
    // The current tab last, so that its larger shape lies over its neighbours.
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex()) paint_tab(i);
    if (currentIndex() >= 0) paint_tab(currentIndex());
}

TabControl::TabControl(QWidget* parent, const ControlDesc& desc) : QTabWidget(parent) {
    auto* strip = new TabStrip(this, vertical_font(desc.font));
    strip->setFont(font_of(desc.font));
    setTabBar(strip);
    setTabPosition(desc.tab_side == TabSide::Right ? QTabWidget::East : QTabWidget::North);
    setFocusPolicy(Qt::NoFocus);
    setDocumentMode(false);
    for (std::string_view title : desc.items) {
        auto* page = new QWidget;
        page->setFocusPolicy(Qt::NoFocus);
        addTab(page, from_gbk(title));
    }
}

void TabControl::set_scale(const QFont& font, int dpi, int from_dpi) {
    auto* strip = static_cast<TabStrip*>(tabBar());
    strip->set_scale(dpi, from_dpi);
    strip->setFont(font);
}

}  // namespace forms::qt
