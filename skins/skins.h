#pragma once
// Skins: the engine library beside the program and the 58 built-in skins.
#include <cstdint>

#include "forms/ids.h"

void deploy_skin_engine();
void apply_skin(std::int32_t skin_number);

// The settings page's two ways of choosing a skin, on the controls a
// window's wiring hands them.
struct SkinChooser {
    forms::WindowId window;
    forms::ControlId skin_list, skin_number_box;
};
void apply_listed_skin(const SkinChooser& chooser);
void apply_typed_skin(const SkinChooser& chooser);
