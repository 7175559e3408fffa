#pragma once
// Writing a file that must not exist yet, whole or not at all (the skin
// engine beside the program).
#include "platform/text.h"

// Writes bytes to a new file at path unless something already exists there
// (Platform::write_new_file): an existing engine file is never replaced, and
// a full disk or a crash never leaves a truncated engine under the real name.
// True when path now holds exactly the bytes.
bool write_new_file(const Text& path, ByteSet bytes);
