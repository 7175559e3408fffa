#include "forms/qt/looks.h"

#include <algorithm>

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include "skins/engine/own_colours.h"

namespace forms::qt {

namespace {

constexpr std::string_view default_face = "宋体";

// The faces 宋体 and 楷体 map to; the sans face also draws what they lack.
const QString ming = QStringLiteral("AR PL UMing CN");
const QString kai = QStringLiteral("AR PL UKai CN");
const QString sans = QStringLiteral("Noto Sans CJK SC");

// Pixel heights at which the Ming face carries bitmap strikes, which Windows
// draws 宋体 from: crisp one-pixel strokes, where outlines come out grey.
// Device pixels: on a scaled screen a 12-pixel font is drawn 18 pixels high,
// where the face has no strike and unsmoothed outlines come out jagged.
constexpr int first_strike = 11, last_strike = 16;

std::string_view face_without_vertical_mark(std::string_view face) {
    return face.starts_with('@') ? face.substr(1) : face;
}

QStringList families_of(std::string_view face) {
    face = face_without_vertical_mark(face);
    if (face.empty()) face = default_face;
    if (face == "宋体") return {ming, sans};
    if (face == "楷体_GB2312" || face == "楷体") return {kai, sans};
    if (face == "黑体") return {sans};
    return {from_gbk(face), sans};
}

QString css(QColor c) { return c.name(QColor::HexRgb); }

}  // namespace

qreal screen_ratio() { return qGuiApp->devicePixelRatio(); }

QFont font_of(const Font& font, qreal device_ratio) {
    QFont f;
    f.setFamilies(families_of(font.face));
    const int height = font.height > 0 ? font.height : default_pixel_height;
    f.setPixelSize(height);
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    f.setUnderline(font.underline);
    if (const int device = qRound(height * device_ratio);
        f.families().front() == ming && device >= first_strike && device <= last_strike)
        f.setStyleStrategy(QFont::NoAntialias);  // without antialiasing the strikes are drawn, not the outlines
    else
        f.setStyleStrategy(QFont::PreferAntialias);  // stated: a new font starts as the application's, crisp or not
    return f;
}

bool vertical_font(const Font& font) { return font.face.starts_with('@'); }

QColor color_of(Color color, QColor fallback) {
    if (color == system_color) return fallback;
    return QColor((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

void pin_colors(QWidget* widget, const char* qt_class, const QString& unique_id, const OwnColours& own,
                const QString& more) {
    QString rules;
    QPalette palette = widget->palette();
    if (own.text) {
        const QColor c = color_of(*own.text);
        rules += QStringLiteral("color: %1; ").arg(css(c));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) palette.setColor(role, c);
    }
    if (own.back) {
        const QColor c = color_of(*own.back);
        rules += QStringLiteral("background-color: %1; ").arg(css(c));
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) palette.setColor(role, c);
    }
    if (rules.isEmpty() && more.isEmpty()) return;
    widget->setPalette(palette);
    widget->setProperty(skin_contract::id_property, unique_id);
    const QString selector =
        QStringLiteral("%1[%2=\"%3\"]")
            .arg(QString::fromLatin1(qt_class), QString::fromLatin1(skin_contract::id_property), unique_id);
    QString sheet = rules.isEmpty() ? QString() : QStringLiteral("%1 { %2}").arg(selector, rules);
    widget->setStyleSheet(sheet + QString(more).replace(QLatin1Char('&'), selector));
}

QString caption_rules(std::optional<Color> text, Align align) {
    QString rules;
    // A skin's caption rule names the sub-control, so the widget's colour alone would not reach it.
    if (text) rules += QStringLiteral("color: %1; ").arg(css(color_of(*text)));
    // Qt draws a caption 3 px right of the place these rules give it. A
    // right-aligned one keeps as far from the right edge (9 px more) as a
    // skin keeps a left-aligned one from the left edge.
    if (align == Align::Centre) rules += QStringLiteral("subcontrol-position: top center; left: -3px; ");
    if (align == Align::Right) rules += QStringLiteral("subcontrol-position: top right; left: -12px; ");
    return rules.isEmpty() ? QString() : QStringLiteral("&::title { %1}").arg(rules);
}

QString from_gbk(std::string_view gbk) { return QString::fromStdString(to_utf8(gbk)); }

Text to_gbk(const QString& text) { return from_utf8(text.toStdString()); }

}  // namespace forms::qt
