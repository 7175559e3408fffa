#include "app/host.h"
#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "search/engines.h"
#include "search/search.h"

using namespace main_window;
namespace prop = forms::prop;

void run_search() {
    const auto index = forms::ReadInteger(id, engine_list, prop::ComboSelection);
    if (const auto* engine = search::engine_at(index)) {
        OpenAddress(search::search_address(*engine, forms::ReadText(id, book_name_box, prop::EditContent)));
    }
    apply_history_mode();
}
