// The settings page's two ways of choosing a skin.
#include <iterator>
#include <string>

#include "forms/model.h"
#include "host/host.h"
#include "host/settings.h"
#include "skins/named_skins.h"
#include "skins/skins.h"

// Attached first, stored second: a failed write still changes the skin for this run.
void apply_listed_skin(const SkinChooser& chooser) {
    const std::int32_t entry = forms::ReadInteger(chooser.window, chooser.skin_list, forms::prop::ComboSelection);
    if (entry < 0 || entry >= std::int32_t(std::size(named_skins))) return;
    const std::int32_t skin = named_skins[entry].number;
    apply_skin(skin);
    store_skin(std::to_string(skin));
}

// Stored first, as typed and unchecked; the box is read again for the number.
void apply_typed_skin(const SkinChooser& chooser) {
    store_skin(forms::ReadText(chooser.window, chooser.skin_number_box, forms::prop::EditContent));
    apply_skin(ToInteger(forms::ReadText(chooser.window, chooser.skin_number_box, forms::prop::EditContent)));
}
