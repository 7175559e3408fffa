#pragma once
// Which handler answers which event of which control of the main window.
#include <span>

#include "forms/wiring.h"
#include "main_window/controls.h"
#include "search/search.h"

namespace main_window {

std::span<const forms::Wire> wiring();
// The search strip's controls by role, as the search handlers take them.
inline constexpr search::Strip search_strip{id, 组合框1, 编辑框1, 按钮1, 组合框3};

}  // namespace main_window
