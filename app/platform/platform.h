#pragma once
// The one seam between the program and the machine it runs on. The host
// operations call through it for everything they cannot do with plain files;
// tests install their own platform to record addresses and fix the screen and
// the clock. No Qt type crosses this header.
#include <string>

#include "app/text.h"

class Platform {
public:
    virtual ~Platform() = default;
    // Hands the program's address (GBK) to the desktop's default handler;
    // returns at once.
    virtual void open_in_browser(const Text& address) = 0;
    virtual int screen_width() = 0;
    virtual int screen_height() = 0;
    // The primary screen's area left to windows; the whole screen unless known.
    virtual ScreenArea work_area() { return {0, 0, screen_width(), screen_height()}; }
    virtual DateTime now() = 0;
    // Shows a modal error box; returns when the reader has closed it.
    virtual void show_error_box(const Text& caption, const Text& message) = 0;
    // Called as the program ends: addresses handed over must not be lost.
    virtual void finish_opening() {}
};

// The platform in force: the Linux one unless a test installed another.
Platform& platform();
// Installs a platform (nullptr restores the Linux one). Not owned.
void install_platform(Platform* replacement);
