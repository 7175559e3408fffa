#include "forms/model.h"
#include "host/documents.h"
#include "host/host.h"
#include "host/new_file.h"
#include "search/engines.h"
#include "search/reader_catalogue.h"
#include "search/search.h"

namespace search {
namespace {

namespace prop = forms::prop;

constexpr const char* report_caption = "自定义站点";

Text listed_items() {
    Text joined;
    for (const ListedEngine& engine : listed_engines()) joined += (joined.empty() ? "" : "\r\n") + engine.list_text;
    return joined;
}

// The list shows the engines in force; the chosen one stays chosen by its
// name where it is still there, else the first is.
void show_engine_list(const Strip& strip, const Text& chosen) {
    forms::WriteProperty(strip.window, strip.engine_list, prop::ComboItems, listed_items());
    int index = listed_engines().empty() ? -1 : 0;
    for (std::size_t i = 0; i < listed_engines().size(); ++i)
        if (listed_engines()[i].list_text == chosen) index = static_cast<int>(i);
    forms::WriteProperty(strip.window, strip.engine_list, prop::ComboSelection, index);
    refresh_search_caption(strip);
}

Text chosen_engine(const Strip& strip) {
    const ListedEngine* engine = engine_at(forms::ReadInteger(strip.window, strip.engine_list, prop::ComboSelection));
    return engine == nullptr ? Text() : engine->list_text;
}

}  // namespace

void start_with_reader_catalogue(const Strip& strip) {
    const CatalogueReport report = load_reader_catalogue();
    for (const Text& line : refusal_lines(report)) NoteOnConsole("自定义站点：" + line);
    // Without a catalogue the layout's list is the list: nothing to redo.
    if (forms::ReadText(strip.window, strip.engine_list, prop::ComboItems) != listed_items())
        show_engine_list(strip, chosen_engine(strip));
}

void on_engine_list_menu(const Strip& strip, int entry) {
    if (entry == 0) edit_reader_catalogue();
    if (entry == 1) reread_reader_catalogue(strip);
}

void edit_reader_catalogue() {
    const Text path = catalogue_file_for_editing();
    if (!FileExists(path)) {
        const std::string bytes = catalogue_template();
        write_new_file(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    }
    if (FileExists(path))
        OpenDocument(path);
    else
        ShowReport(report_caption, "无法新建自定义站点文件：\r\n" + path);
}

void reread_reader_catalogue(const Strip& strip) {
    const Text chosen = chosen_engine(strip);
    const CatalogueReport report = load_reader_catalogue();
    show_engine_list(strip, chosen);
    ShowReport(report_caption, report_text(report));
}

}  // namespace search
