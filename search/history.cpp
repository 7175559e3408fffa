#include "app/host.h"
#include "app/settings.h"
#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "search/search.h"

using namespace main_window;
namespace prop = forms::prop;

// The remembered book name: mode 0 stores the box's name, mode 1 loads the
// stored one back into the box, any other selection leaves both alone.
void apply_history_mode() {
    switch (forms::ReadInteger(id, history_list, prop::ComboSelection)) {
    case 0:
        WriteSetting(settings_file_for_writing(), settings_section, history_key,
                     forms::ReadText(id, book_name_box, prop::EditContent));
        break;
    case 1:
        forms::WriteProperty(id, book_name_box, prop::EditContent,
                             ReadSetting(settings_file_path(), settings_section, history_key));
        break;
    default:
        break;
    }
}
