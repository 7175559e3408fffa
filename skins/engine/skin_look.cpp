// Turns a skin into an application palette and style sheet.
//
// Selectors name the standard widget classes, so windows the program creates
// later take the skin as well. What a window's controls state of their own
// look, and how, is skins/engine/own_colours.h: the skin supplies only what
// the layout leaves to the system.
#include "skins/engine/skin_look.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPixmap>

#include <string_view>

#include "skins/engine/own_colours.h"

namespace she {
namespace {

// ComboButton has no rule: a styled drop-down loses the style's arrow unless
// an arrow picture comes with it, so the combo's button keeps the style's look.
// The sheet, with {Role} for a colour, {fill:Target} for a gradient (or its
// role's plain colour), {radius}, {inner_radius} and {frame}.
constexpr std::string_view sheet_template = R"(
QPushButton {
    color: {ButtonText}; background: {fill:ButtonNormal};
    border: {frame}px solid {ButtonBorder}; border-radius: {radius}px; padding: 1px 4px;
}
QPushButton:hover    { color: {ButtonHoverText};    background: {fill:ButtonHover}; }
QPushButton:pressed  { color: {ButtonPressedText};  background: {fill:ButtonPressed}; }
QPushButton:disabled { color: {ButtonDisabledText}; background: {ButtonDisabledFace}; border-color: {DisabledText}; }

QLineEdit {
    color: {EditText}; background: {EditBack};
    border: 1px solid {EditBorder}; border-radius: {inner_radius}px;
    selection-color: {SelectionText}; selection-background-color: {Selection};
}
QLineEdit:focus    { border-color: {EditFocusBorder}; }
QLineEdit:disabled { color: {DisabledText}; }

QComboBox {
    color: {ComboText}; background: {fill:ComboFace};
    border: 1px solid {ComboBorder}; border-radius: {inner_radius}px; padding: 0px 3px;
    selection-color: {SelectionText}; selection-background-color: {Selection};
}
QComboBox:focus    { border-color: {EditFocusBorder}; }
QComboBox:disabled { color: {DisabledText}; }
QComboBox QAbstractItemView {
    color: {ListText}; background: {ListBack}; border: 1px solid {ComboBorder};
    selection-color: {ListSelectionText}; selection-background-color: {ListSelection};
}

QGroupBox {
    color: {GroupCaption};
    border: {frame}px solid {GroupFrame}; border-radius: {radius}px; margin-top: 7px;
}
QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0px 2px; color: {GroupCaption}; }

QTabWidget::pane { background: {PageBack}; border: 1px solid {PageBorder}; }
QTabBar { background: {TabStrip}; }
QTabBar::tab          { color: {TabText}; background: {fill:Tab}; border: 1px solid {PageBorder}; padding: 2px 5px; }
QTabBar::tab:hover    { background: {TabHoverFace}; }
QTabBar::tab:selected { color: {TabSelectedText}; background: {fill:TabSelected}; }

QProgressBar {
    color: {ProgressText}; background: {ProgressGroove};
    border: 1px solid {ProgressBorder}; border-radius: {inner_radius}px; text-align: center;
}
QProgressBar::chunk { background: {fill:ProgressChunk}; }

QLabel[yzKind="Label"] { color: {LabelText}; }
)";
static_assert(sheet_template.find(skin_contract::label_selector) != std::string_view::npos,
              "plain labels are styled through the selector the views keep to");

struct Named {
    std::string_view name;
    std::size_t index;
};
constexpr std::size_t at(Role role) { return static_cast<std::size_t>(role); }
constexpr std::size_t at(GradientTarget target) { return static_cast<std::size_t>(target); }

// clang-format off
constexpr Named role_names[] = {
    {"WindowBack", at(Role::WindowBack)}, {"WindowText", at(Role::WindowText)},
    {"ButtonFace", at(Role::ButtonFace)}, {"ButtonText", at(Role::ButtonText)},
    {"ButtonHoverFace", at(Role::ButtonHoverFace)}, {"ButtonHoverText", at(Role::ButtonHoverText)},
    {"ButtonPressedFace", at(Role::ButtonPressedFace)}, {"ButtonPressedText", at(Role::ButtonPressedText)},
    {"ButtonDisabledFace", at(Role::ButtonDisabledFace)}, {"ButtonDisabledText", at(Role::ButtonDisabledText)},
    {"ButtonBorder", at(Role::ButtonBorder)},
    {"EditBack", at(Role::EditBack)}, {"EditText", at(Role::EditText)},
    {"EditBorder", at(Role::EditBorder)}, {"EditFocusBorder", at(Role::EditFocusBorder)},
    {"Selection", at(Role::Selection)}, {"SelectionText", at(Role::SelectionText)},
    {"ComboBack", at(Role::ComboBack)}, {"ComboText", at(Role::ComboText)},
    {"ComboBorder", at(Role::ComboBorder)}, {"ComboButton", at(Role::ComboButton)},
    {"ListBack", at(Role::ListBack)}, {"ListText", at(Role::ListText)},
    {"ListSelection", at(Role::ListSelection)}, {"ListSelectionText", at(Role::ListSelectionText)},
    {"GroupFrame", at(Role::GroupFrame)}, {"GroupCaption", at(Role::GroupCaption)},
    {"TabStrip", at(Role::TabStrip)}, {"TabFace", at(Role::TabFace)}, {"TabText", at(Role::TabText)},
    {"TabSelectedFace", at(Role::TabSelectedFace)}, {"TabSelectedText", at(Role::TabSelectedText)},
    {"TabHoverFace", at(Role::TabHoverFace)}, {"PageBack", at(Role::PageBack)},
    {"PageBorder", at(Role::PageBorder)},
    {"ProgressGroove", at(Role::ProgressGroove)}, {"ProgressChunk", at(Role::ProgressChunk)},
    {"ProgressText", at(Role::ProgressText)}, {"ProgressBorder", at(Role::ProgressBorder)},
    {"LabelText", at(Role::LabelText)}, {"DisabledText", at(Role::DisabledText)},
};
// clang-format on

// Each gradient target with the role whose plain colour stands in for it.
struct NamedGradient {
    std::string_view name;
    std::size_t target;
    Role plain;
};
constexpr NamedGradient gradient_names[] = {
    {"ButtonNormal", at(GradientTarget::ButtonNormal), Role::ButtonFace},
    {"ButtonHover", at(GradientTarget::ButtonHover), Role::ButtonHoverFace},
    {"ButtonPressed", at(GradientTarget::ButtonPressed), Role::ButtonPressedFace},
    {"Tab", at(GradientTarget::Tab), Role::TabFace},
    {"TabSelected", at(GradientTarget::TabSelected), Role::TabSelectedFace},
    {"ProgressChunk", at(GradientTarget::ProgressChunk), Role::ProgressChunk},
    {"ComboFace", at(GradientTarget::ComboFace), Role::ComboBack},
};

QColor qcolor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }
QString css(const Rgb& c) { return qcolor(c).name(QColor::HexRgb); }

QString fill(const Skin& skin, const NamedGradient& named) {
    const auto& gradient = skin.gradients[named.target];
    if (!gradient) return css(skin.color(named.plain));
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(css(gradient->top), css(gradient->bottom));
}

QString value_of(const Skin& skin, std::string_view token) {
    if (token == "radius") return QString::number(skin.corner_radius);
    if (token == "inner_radius") return QString::number(skin.corner_radius / 2);
    if (token == "frame") return QString::number(skin.frame_width);
    for (const auto& role : role_names)
        if (token == role.name) return css(skin.colors[role.index]);
    if (token.starts_with("fill:")) {
        token.remove_prefix(5);
        for (const auto& gradient : gradient_names)
            if (token == gradient.name) return fill(skin, gradient);
    }
    return {};
}

QBrush window_brush(const Skin& skin) {
    const QColor back = qcolor(skin.color(Role::WindowBack));
    const auto& texture = skin.texture(TextureTarget::WindowBack);
    if (!texture) return QBrush(back);
    // QImage over our own vector, then copied into the pixmap: the brush owns
    // its pixels and nothing refers to the caller's bytes.
    const QImage tile(texture->rgb.data(), texture->width, texture->height, texture->width * 3, QImage::Format_RGB888);
    // The brush keeps the plain colour too: styles that shade from the
    // window colour read it rather than black.
    return QBrush(back, QPixmap::fromImage(tile.copy()));
}

}  // namespace

QPalette palette_for(const Skin& skin) {
    auto c = [&skin](Role role) { return qcolor(skin.color(role)); };
    const QColor face = c(Role::ButtonFace);
    QPalette p(face, c(Role::WindowBack));
    p.setBrush(QPalette::All, QPalette::Window, window_brush(skin));
    p.setColor(QPalette::All, QPalette::WindowText, c(Role::WindowText));
    p.setColor(QPalette::All, QPalette::Base, c(Role::EditBack));
    p.setColor(QPalette::All, QPalette::AlternateBase, c(Role::PageBack));
    p.setColor(QPalette::All, QPalette::Text, c(Role::EditText));
    p.setColor(QPalette::All, QPalette::Button, face);
    p.setColor(QPalette::All, QPalette::ButtonText, c(Role::ButtonText));
    p.setColor(QPalette::All, QPalette::Highlight, c(Role::Selection));
    p.setColor(QPalette::All, QPalette::HighlightedText, c(Role::SelectionText));
    p.setColor(QPalette::All, QPalette::ToolTipBase, c(Role::EditBack));
    p.setColor(QPalette::All, QPalette::ToolTipText, c(Role::EditText));
    p.setColor(QPalette::All, QPalette::PlaceholderText, c(Role::DisabledText));
    p.setColor(QPalette::All, QPalette::Link, c(Role::Selection));
    p.setColor(QPalette::All, QPalette::BrightText, c(Role::SelectionText));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, c(Role::DisabledText));
    p.setColor(QPalette::Disabled, QPalette::Button, c(Role::ButtonDisabledFace));
    return p;
}

QString style_sheet_for(const Skin& skin) {
    QString sheet;
    std::string_view rest = sheet_template;
    while (!rest.empty()) {
        const auto open = rest.find('{');
        const auto close = open == rest.npos ? rest.npos : rest.find('}', open);
        const auto token = close == rest.npos ? std::string_view{} : rest.substr(open + 1, close - open - 1);
        // A brace that opens a rule block is followed by a space or a line
        // end; a placeholder never is.
        const bool placeholder = !token.empty() && token.find_first_of(" \n") == token.npos;
        const auto end = placeholder ? close + 1 : (open == rest.npos ? rest.size() : open + 1);
        sheet += QLatin1String(rest.data(), qsizetype(placeholder ? open : end));
        if (placeholder) sheet += value_of(skin, token);
        rest.remove_prefix(end);
    }
    return sheet;
}

}  // namespace she
