#pragma once
// The program's fonts as Windows makes them: the face the description names
// (宋体, 楷体_GB2312, "@宋体" for vertical text), GB2312 charset, the weight,
// and the character height in pixels. No face is the system's default GUI
// font. Fonts live as long as the process; each is made once.
#include <windows.h>

#include "forms/description.h"

namespace forms::win32 {

// `font` comes at the window's scale (forms::scaled); a default font takes
// its height from the system's at the window's `dpi`.
HFONT font_of(const Font& font, int dpi);

// The height of the characters of the font selected in `dc`, without the
// internal leading: the distance between lines of wrapped text.
int character_height(HDC dc);

// 0xRRGGBB as a COLORREF; system_color gives `fallback`.
COLORREF colorref(Color color, COLORREF fallback);

}  // namespace forms::win32
