#pragma once
// What the form model needs from the program that hosts it. The model
// declares it here and the host defines it (app/form_model_host.cpp), so that
// the model includes none of the host's headers.
#include <cstdint>

#include "forms/placement.h"
#include "platform/text.h"

namespace forms::host {

// The screen new windows are centred on, in pixels.
std::int32_t screen_width();
std::int32_t screen_height();
// That screen, its work area and its scale.
ScreenFacts screen_facts();
// True once the program has begun to end: no event is raised any more.
bool program_ending();
// The program's fatal error report; it never returns.
[[noreturn]] void fatal_error(const Text& message);

}  // namespace forms::host
