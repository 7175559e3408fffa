#pragma once
// The tab control. Its pages are empty: the controls of every page are
// children of the tab control itself, placed relative to its top-left corner
// as the layouts give them (a one-row strip is 20 pixels high, so page
// controls start at 21), and the model shows only the current page's.
#include <QTabBar>
#include <QTabWidget>

#include "forms/description.h"

namespace forms::qt {

// The strip: Windows-sized tabs; with a vertical font ("@宋体") the titles
// run top to bottom with upright characters.
class TabStrip final : public QTabBar {
public:
    TabStrip(QWidget* parent, bool vertical_text);
    // Lengths of its own count at `dpi` from `from_dpi` (forms/presentation.h).
    void set_scale(int dpi, int from_dpi);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent*) override;

private:
    bool stacked_text() const;
    bool vertical_text_;
    int dpi_ = 96, from_dpi_ = 96;
};

class TabControl final : public QTabWidget {
public:
    TabControl(QWidget* parent, const ControlDesc& desc);
    // The titles' font, and the strip's lengths at the window's scale.
    void set_scale(const QFont& font, int dpi, int from_dpi);
};

inline constexpr int tab_strip_height = 20;  // at 100 %

}  // namespace forms::qt
