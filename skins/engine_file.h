#pragma once
// The file step of deploying the engine that the host operations do not offer.
#include "app/text.h"

// Writes bytes to a new file at path, unless something already exists there:
// an existing engine file is never replaced. The bytes go to a temporary file
// of a fresh random name first, created exclusively (never through a link
// someone left under that name), flushed to the disk and moved into place
// whole, so a full disk or a crash never leaves a truncated engine under the
// real name. The temporary file is removed on every failure. True when path
// now holds exactly the bytes.
bool write_new_file(const Text& path, ByteSet bytes);
