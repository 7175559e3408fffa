#pragma once
// Numbers of the form model: identifiers, property numbers, event numbers.
#include <cstdint>

namespace forms {

using WindowId = std::int32_t;
using ControlId = std::int32_t;

enum class Kind { Window, EditBox, PicBox, GroupBox, Label, Button, ComboBox, ProgressBar, Tab, Timer, TransLabel };

// Property numbers. 0 to 7 are common to every kind; 8 and up are the kind's own.
namespace prop {
inline constexpr int Left = 0, Top = 1, Width = 2, Height = 3, Tag = 4, Visible = 5, Disabled = 6, MousePointer = 7;
inline constexpr int WindowCaption = 8;
inline constexpr int EditContent = 8;
inline constexpr int ButtonCaption = 10;
inline constexpr int LabelCaption = 8;
inline constexpr int TransCaption = 8, TransEffect = 9, TransColor = 11, TransAlign = 12, TransWrap = 13,
                     TransVAlign = 14;
inline constexpr int ComboSelection = 19;
inline constexpr int BarMinimum = 11, BarMaximum = 12, BarPosition = 13;
inline constexpr int TimerInterval = 8;
inline constexpr int PicBorder = 8, PicDisplayMode = 11, PicAnimate = 12;
// Ours, for every kind with a window: the tip shown while the pointer rests on it.
inline constexpr int ToolTip = 64;
// Ours, for combo boxes: the list's entries, one text, entries separated by
// CR LF. A write keeps the selection where it is still in the list.
inline constexpr int ComboItems = 65;
}  // namespace prop

// Event numbers. Negative ones are common; 0 and up are the kind's own.
namespace event {
inline constexpr int LeftButtonDown = -1, KeyDown = -9;
inline constexpr int Created = 0, MayClose = 1, Destroying = 2, Moved = 3, Resized = 4;  // window
inline constexpr int Click = 0;                                                          // button, tab control
inline constexpr int SelectionMade = 0;                                                  // combo box
inline constexpr int Tick = 0;                                                           // timer
// Ours, for combo boxes: the selection changed, by the reader or by a write.
inline constexpr int SelectionChanged = 64;
// Ours, for a control with a menu: the reader chose its entry EventArgs::chosen.
inline constexpr int MenuChosen = 65;
}  // namespace event

// Function-key bits of mouse and key events.
namespace keys {
inline constexpr int Ctrl = 1, Shift = 2, Alt = 4;
}

// The Windows virtual-key codes the model itself answers (KeyDown's key).
inline constexpr int key_tab = 9, key_enter = 13, key_escape = 27, key_menu = 0x5D, key_f10 = 0x79;

}  // namespace forms
