// The settings page's two ways of choosing a skin.
#include <iterator>
#include <string>

#include "app/host.h"
#include "app/settings.h"
#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "skins/named_skins.h"
#include "skins/skins.h"

// Attached first, stored second: a failed write still changes the skin for this run.
void apply_listed_skin() {
    using namespace main_window;
    const std::int32_t entry = forms::ReadInteger(id, skin_list, forms::prop::ComboSelection);
    if (entry < 0 || entry >= std::int32_t(std::size(named_skins))) return;
    const std::int32_t skin = named_skins[entry].number;
    apply_skin(skin);
    WriteSetting(settings_file_for_writing(), settings_section, skin_key, std::to_string(skin));
}

// Stored first, as typed and unchecked; the box is read again for the number.
void apply_typed_skin() {
    using namespace main_window;
    WriteSetting(settings_file_for_writing(), settings_section, skin_key, forms::ReadText(id, skin_number_box, forms::prop::EditContent));
    apply_skin(ToInteger(forms::ReadText(id, skin_number_box, forms::prop::EditContent)));
}
