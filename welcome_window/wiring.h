#pragma once
// Which handler answers which event of which control of the welcome window.
#include <span>

#include "forms/wiring.h"

namespace welcome_window {

std::span<const forms::Wire> wiring();

}  // namespace welcome_window
