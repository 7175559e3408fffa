#pragma once
// The window system of the process, as far as the host needs it.
#include "platform/text.h"

// Creates the process's QApplication unless one exists. The program reads no
// arguments, so Qt sees the program name only.
void ensure_application();

// The primary screen's size in pixels; 0 when there is no screen to ask.
int primary_screen_width();
int primary_screen_height();
// The part of it left to windows (the whole screen when there is none).
ScreenArea primary_screen_work_area();
// Its scale in dots per inch, 96 at 100 % (Qt's device pixels per pixel).
int primary_screen_dpi();
