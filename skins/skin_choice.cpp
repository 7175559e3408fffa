// The settings page's two ways of choosing a skin.
#include <array>
#include <string>

#include "app/host.h"
#include "app/settings.h"
#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "skins/skins.h"

namespace {

// The skin each entry of the named-skin list 组合框2 attaches, by entry index:
// 蓝色经典, 大气纯黑, 灰色淡橙, 仿WIN7、8, 深蓝气氛, 一片乌黑, 仿XP皮肤, 绿色生机.
constexpr std::array<std::int32_t, 8> listed_skins = {1, 3, 2, 4, 8, 36, 9, 15};

}  // namespace

// Attached first, stored second: a failed write still changes the skin for this run.
void apply_listed_skin() {
    using namespace main_window;
    const std::int32_t entry = forms::ReadInteger(id, skin_list, forms::prop::ComboSelection);
    if (entry < 0 || entry >= std::int32_t(listed_skins.size())) return;
    const std::int32_t skin = listed_skins[std::size_t(entry)];
    apply_skin(skin);
    WriteSetting(settings_file_path(), settings_section, skin_key, std::to_string(skin));
}

// Stored first, as typed and unchecked; the box is read again for the number.
void apply_typed_skin() {
    using namespace main_window;
    WriteSetting(settings_file_path(), settings_section, skin_key, forms::ReadText(id, skin_number_box, forms::prop::EditContent));
    apply_skin(ToInteger(forms::ReadText(id, skin_number_box, forms::prop::EditContent)));
}
