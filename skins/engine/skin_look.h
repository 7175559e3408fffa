#pragma once
// What a skin looks like in Qt terms: the application palette and the
// application style sheet that together restyle every window of the process.
#include <QPalette>
#include <QString>

#include "skins/engine/she_format.h"

namespace she {

QPalette palette_for(const Skin& skin);
QString style_sheet_for(const Skin& skin);

}  // namespace she
