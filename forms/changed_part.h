#pragma once
// Which part of a control a property change touches, decided here once:
// each view (forms/qt, forms/win32) realises an aspect in its own toolkit's
// words, and a property the model adds falls to its kind's own look.
#include "forms/ids.h"

namespace forms {

// The part of a control, or of the window, that a property change touches.
enum class Aspect {
    Rectangle,   // where it is and how big
    Visibility,  // shown or hidden
    Enabled,     // whether it takes input
    Pointer,     // the mouse pointer over it
    Tip,         // the tip shown while the pointer rests on it
    Kept,        // nothing shown: the value is only kept (the tag)
    Own,         // its kind's own look: caption, content, selection, picture, bar
};

constexpr Aspect aspect_of(int property) {
    switch (property) {
        case prop::Left:
        case prop::Top:
        case prop::Width:
        case prop::Height: return Aspect::Rectangle;
        case prop::Visible: return Aspect::Visibility;
        case prop::Disabled: return Aspect::Enabled;
        case prop::MousePointer: return Aspect::Pointer;
        case prop::ToolTip: return Aspect::Tip;
        case prop::Tag: return Aspect::Kept;
        default: return Aspect::Own;
    }
}

}  // namespace forms
