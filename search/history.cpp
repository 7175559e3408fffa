#include "forms/model.h"
#include "host/settings.h"
#include "search/search.h"

namespace search {

// The remembered book name: mode 0 stores the box's name, mode 1 loads the
// stored one back into the box, any other selection leaves both alone.
void apply_history_mode(const Strip& strip) {
    namespace prop = forms::prop;
    switch (forms::ReadInteger(strip.window, strip.history_list, prop::ComboSelection)) {
        case 0: store_book_name(forms::ReadText(strip.window, strip.book_name_box, prop::EditContent)); break;
        case 1: forms::WriteProperty(strip.window, strip.book_name_box, prop::EditContent, stored_book_name()); break;
        default: break;
    }
}

}  // namespace search
