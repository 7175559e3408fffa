#pragma once
// The transparent label, a window class of our own. It paints no background
// (transparent extended style, hollow brush): the system paints the parent
// and the siblings beneath it first, then the label draws its text over
// them with DrawTextW in transparent mode, the effect copy first. The text
// is not clipped to the label's rectangle: the label's window is as large as
// its text needs (its "ink"), and lets the mouse through outside the label's
// own rectangle.
#include <windows.h>

#include <string>

#include "forms/presentation.h"

namespace forms::win32 {

struct TransLook {
    std::wstring text;
    HFONT font = nullptr;
    LabelInk ink;
};

// Makes a label of `parent` over `label` (in the parent's client area).
HWND make_trans_label(HWND parent, RECT label, DWORD style);  // style: WS_VISIBLE, WS_DISABLED

// Shows a new look or a new rectangle. The area the old and the new text
// cover is repainted, the parent and the siblings beneath first, so no trace
// of the old text stays.
void show_trans_look(HWND label, const TransLook& look, RECT rect);

// Where the label's own rectangle starts in its window's client area: mouse
// positions are relative to the label, not to its ink.
POINT trans_label_origin(HWND label);

}  // namespace forms::win32
