#include "app/host.h"
#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "search/engines.h"
#include "search/search.h"

using namespace main_window;
namespace prop = forms::prop;

void run_search() {
    const auto index = forms::ReadInteger(id, 组合框1, prop::ComboSelection);
    if (const auto* engine = search::engine_at(index)) {
        OpenAddress(search::search_address(*engine, forms::ReadText(id, 编辑框1, prop::EditContent)));
    }
    apply_history_mode();
}
