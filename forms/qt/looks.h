#pragma once
// How the program's fonts, colours and cursors look on this desktop.
#include <QColor>
#include <QFont>
#include <QString>

#include "forms/description.h"
#include "forms/presentation.h"
#include "platform/text.h"

class QWidget;

namespace forms::qt {

// The font of a description: 宋体 and 楷体_GB2312 become the AR PL faces of
// the same style, with Noto Sans CJK SC for characters they lack; no face is
// the default GUI font of a Chinese Windows, 宋体 at 12 px. 宋体 at the sizes
// Windows draws from bitmap strikes is drawn from the face's own strikes. A
// face beginning with "@" is the vertical variant; vertical_font() tells.
// The device pixels per pixel of the screens (the largest, where they differ).
qreal screen_ratio();
// A Chinese Windows' default GUI font is 宋体 at 12 px.
inline constexpr int default_pixel_height = 12;
// `device_ratio`: whether 宋体 is drawn from its strikes depends on the
// height in device pixels.
QFont font_of(const Font& font, qreal device_ratio = screen_ratio());
bool vertical_font(const Font& font);

// 0xRRGGBB; system_color gives `fallback`.
QColor color_of(Color color, QColor fallback = Qt::black);

// Pins what a description states about one widget's look (its own colours,
// and `more`: further rules of the widget's own, "&" standing for its
// selector) with a style sheet that names only that widget, so that an
// application style sheet (a skin) cannot override it; what the description
// leaves to the system stays the skin's (skins/engine/own_colours.h).
// `qt_class` is the widget's Qt class name; `unique_id` an ASCII id unique in
// the program.
void pin_colors(QWidget* widget, const char* qt_class, const QString& unique_id, const OwnColours& own,
                const QString& more = {});

// Rules for pin_colors that give a group box caption its stated colour and side.
QString caption_rules(std::optional<Color> text, Align align);

QString from_gbk(std::string_view gbk);
Text to_gbk(const QString& text);

}  // namespace forms::qt
