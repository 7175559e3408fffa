#pragma once
// The one message the program ever shows: the fatal error box.
#include "platform/text.h"

// A modal box with the critical icon; returns when it is closed. Without a
// usable QApplication in this thread the text goes to stderr instead.
void show_critical_box(const Text& caption, const Text& message);

// A modal box of information with an OK button over the active window.
void show_information_box(const Text& caption, const Text& message);
