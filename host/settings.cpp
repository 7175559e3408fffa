#include "host/settings.h"

#include "host/host.h"

Text settings_file_path() { return RunDirectory() + "\\搜索器设置信息1.4.ini"; }

bool settings_stored() { return FileExists(settings_file_path()); }

std::int32_t stored_skin() { return ToInteger(ReadSetting(settings_file_path(), settings_section, skin_key)); }

bool store_skin(const Text& skin) { return WriteSetting(settings_file_path(), settings_section, skin_key, skin); }

Text stored_book_name() { return ReadSetting(settings_file_path(), settings_section, history_key); }

bool store_book_name(const Text& name) { return WriteSetting(settings_file_path(), settings_section, history_key, name); }
