#include "forms/model.h"
#include "host/host.h"
#include "search/engines.h"
#include "search/search.h"

namespace search {

void run_search(const Strip& strip) {
    const auto index = forms::ReadInteger(strip.window, strip.engine_list, forms::prop::ComboSelection);
    if (const auto* engine = engine_at(index)) {
        OpenAddress(
            search_address(*engine, forms::ReadText(strip.window, strip.book_name_box, forms::prop::EditContent)));
    }
    apply_history_mode(strip);
}

}  // namespace search
