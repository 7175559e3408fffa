#pragma once
// File steps of deploying the engine that the host operations do not offer.
#include "app/text.h"

// Moves the file at from to to, unless something already exists at to: an
// existing engine file is never replaced. True when the file was moved.
bool move_into_place(const Text& from, const Text& to);

// Removes a file; nothing when there is none.
void remove_file(const Text& path);
