#pragma once
// The settings file beside the program: one section, two items.
#include "app/text.h"

// The run directory followed by "\搜索器设置信息1.4.ini", formed afresh at every use.
Text settings_file_path();
inline constexpr const char* settings_section = "搜索器设置：";
inline constexpr const char* skin_key = "皮肤";
inline constexpr const char* history_key = "搜索记录";
