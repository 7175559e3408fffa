#include "skins/engine_file.h"

#include "app/platform/platform.h"
#include "app/run_directory.h"

bool write_new_file(const Text& path, ByteSet bytes) { return platform().write_new_file(os_path(path), bytes); }
