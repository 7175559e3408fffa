#pragma once
// The one message the program ever shows: the fatal error box.
#include "platform/text.h"

// A modal box with the critical icon; returns when it is closed. Without a
// usable QApplication in this thread the text goes to stderr instead.
void show_critical_box(const Text& caption, const Text& message);
