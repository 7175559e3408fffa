#pragma once
// Each window's wiring: which handler answers which event of which control.
#include <span>

#include "forms/wiring.h"

std::span<const forms::Wire> main_window_wiring();
std::span<const forms::Wire> welcome_window_wiring();
