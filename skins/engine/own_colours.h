#pragma once
// How a window tells the skin engine which colours are its own. A skin
// colours what a window leaves to the system; a colour the window's layout
// states (forms/presentation.h, OwnColours) wins over the skin. Both views
// (forms/qt, forms/win32) and both halves of the engine (skin_look.cpp here,
// windows/skinning.cpp) keep to this header, which needs nothing else of the
// program.
//
// Qt widgets. Each carries the dynamic property kind_property, the English
// name of its kind ("Window", "EditBox", "PicBox", "GroupBox", "Label",
// "Button", "ComboBox", "ProgressBar", "Tab", "Timer", "TransLabel"). The
// engine's application style sheet names widget classes, and labels only
// through label_selector, so a transparent label (a plain widget drawing its
// own ink) is never styled. A widget with colours of its own carries a style
// sheet of its own, naming it alone by id_property; that sheet wins over the
// application's, so the skin supplies only the rest.
//
// Win32 controls. The window that answers a control's WM_CTLCOLOR* states a
// text colour of its own by setting one other than the system's window text
// colour, or by drawing the text transparently (state_own_text), whatever its
// colour; the engine reads this with states_own_text and then leaves the text
// colour alone. A brush other than the system's is a background of its own.
#include <string_view>
#ifdef _WIN32
#include <windows.h>
#endif

namespace skin_contract {

inline constexpr char kind_property[] = "yzKind";
inline constexpr char id_property[] = "yzId";
inline constexpr char label_kind[] = "Label";
inline constexpr char trans_label_kind[] = "TransLabel";
inline constexpr char picture_box_kind[] = "PicBox";
inline constexpr std::string_view label_selector = R"(QLabel[yzKind="Label"])";

#ifdef _WIN32
inline void state_own_text(HDC dc) { SetBkMode(dc, TRANSPARENT); }
inline bool states_own_text(HDC dc) {
    return GetBkMode(dc) == TRANSPARENT || GetTextColor(dc) != GetSysColor(COLOR_WINDOWTEXT);
}
#endif

}  // namespace skin_contract
