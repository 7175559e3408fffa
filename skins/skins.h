#pragma once
// Skins: the engine library beside the program and the 58 built-in skins.
#include <cstdint>

void deploy_skin_engine();
void apply_skin(std::int32_t skin_number);
// The two ways the reader chooses a skin on the settings page.
void apply_listed_skin();
void apply_typed_skin();
