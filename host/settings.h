#pragma once
// The program's settings: one file beside the program, one section, two items.
// Everything that reads or stores them goes through the accessors below, so
// the file's name, section and keys are written down once.
#include <cstdint>

#include "platform/text.h"

// The run directory followed by "\搜索器设置信息1.4.ini", formed afresh at every use.
Text settings_file_path();
inline constexpr const char* settings_section = "搜索器设置：";
inline constexpr const char* skin_key = "皮肤";
inline constexpr const char* history_key = "搜索记录";

// A settings file exists: this is a later start.
bool settings_stored();
// The stored skin number, as ToInteger reads it (0 when none is stored).
std::int32_t stored_skin();
// Stores the skin as given: a typed number is kept as typed, unchecked.
bool store_skin(const Text& skin);
Text stored_book_name();
bool store_book_name(const Text& name);
