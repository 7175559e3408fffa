#pragma once
// Which windows the engine colours, and how it keeps them coloured: every
// window of the thread that attaches a skin, those that exist then (found by
// enumeration) and those created later (a CBT hook of that thread), each
// subclassed so that it answers in the skin's colours.
#include <memory>

#include "skins/engine/windows/look.h"

namespace she::win {

// Puts the look in force in place of the one before, and repaints.
void put_in_force(std::unique_ptr<Look> look);

// Takes the engine out of every window and hook before its module is
// unloaded, so that no window is left calling into unmapped code.
void withdraw();

}  // namespace she::win
