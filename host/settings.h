#pragma once
// The program's settings: one file, one section, two items. Everything that
// reads or stores them goes through the accessors at the end, so the file's
// name, section and keys are written down once.
//
// The settings file lives beside the program; where the program may neither
// make it there nor write the one there (a copy installed for every user,
// started by one of them), the reader's own copy of the same file lives in
// their settings folder instead.
#include <cstdint>

#include "platform/text.h"

// The file the settings are read from: the one beside the program (the run
// directory followed by "\搜索器设置信息1.4.ini"), or the reader's own once it
// exists where the program's folder is closed to it. Formed afresh at every use.
Text settings_file_path();
// The file a setting is written to. The reader's own file, when it is the
// one, is made on the first write (and its folder with it), starting from the
// bytes of a file beside the program: an administrator's defaults carry over.
// Empty (a write then fails) when the folder is closed and the system names
// no folder of the reader's own.
Text settings_file_for_writing();
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
