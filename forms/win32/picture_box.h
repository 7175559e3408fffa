#pragma once
// The picture box, a window class of our own: one embedded picture decoded
// with our own decoders (pictures/), drawn with StretchDIBits in one of
// three display modes (forms/presentation.h places it) inside one of six
// borders, a GIF's frames played on a timer (forms/animation.h). The picture is decoded on a worker thread from the
// moment the box is made (forms/win32/decoding_worker.h) and taken at its first painting; boxes are made with their
// page, so pages nobody opens cost nothing.
#include <windows.h>

#include "forms/animation.h"
#include "forms/description.h"

namespace forms::win32 {

struct PictureLook {
    Border border = Border::None;
    DisplayMode mode = DisplayMode::Stretched;
    bool animate = true;
};
// `style`: WS_VISIBLE and WS_DISABLED as the box starts.
HWND make_picture_box(HWND parent, RECT rect, Picture picture, const PictureLook& look, DWORD style);
void set_picture_border(HWND box, Border border);
void set_picture_mode(HWND box, DisplayMode mode);
void set_picture_animate(HWND box, bool animate);

struct PictureShown {
    bool decoded = false;
    int frames = 0, current = 0;
};
PictureShown picture_shown(HWND box);

// A window icon from the picture's first frame; nullptr when it has none.
HICON icon_of(Picture picture);

}  // namespace forms::win32
