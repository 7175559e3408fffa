#include <array>
#include <string_view>

#include "forms/model.h"
#include "search/engines.h"
#include "search/search.h"

namespace search {
namespace {

namespace prop = forms::prop;

// What a search does with the remembered name in each history mode, told to
// the reader over the search button and over the history list.
constexpr std::array<std::string_view, 2> history_captions = {"记录书名", "读出书名"};

}  // namespace

// Runs whenever either list's selection changes, and once as the window is
// created.
void refresh_search_caption(const Strip& strip) {
    if (const auto* engine = engine_at(forms::ReadInteger(strip.window, strip.engine_list, prop::ComboSelection))) {
        forms::WriteProperty(strip.window, strip.search_button, prop::ButtonCaption, Text{engine->caption});
    }
    const auto mode = forms::ReadInteger(strip.window, strip.history_list, prop::ComboSelection);
    if (mode >= 0 && mode < static_cast<int>(history_captions.size())) {
        const Text tip{history_captions[mode]};
        forms::WriteProperty(strip.window, strip.search_button, prop::ToolTip, tip);
        forms::WriteProperty(strip.window, strip.history_list, prop::ToolTip, tip);
    }
}

}  // namespace search
