#include "host/new_file.h"

#include "host/run_directory.h"
#include "platform/platform.h"

bool write_new_file(const Text& path, ByteSet bytes) { return platform().write_new_file(os_path(path), bytes); }
