// The main window's wiring, in the order of its layout: the one place where
// the window meets the program's features, handing each handler the controls
// it works on.
#include <iterator>
#include <vector>

#include "main_window/content.h"
#include "main_window/controls.h"
#include "main_window/flow.h"
#include "main_window/wiring.h"
#include "search/search.h"
#include "sites/books.h"
#include "sites/links.h"
#include "sites/sites.h"
#include "skins/skins.h"

namespace main_window {

namespace {

using namespace forms;

constexpr SkinChooser skin_chooser{id, 组合框2, 编辑框2};

constexpr Wire wires[] = {
    {窗口, event::Created, call<on_main_created>},
    {窗口, event::Destroying, call<end_program_on_main_destroyed>},
    // search strip
    {编辑框1, event::KeyDown, on_enter<search::run_search, search_strip>},
    {按钮1, event::Click, call<search::run_search, search_strip>},
    // The lists tell of every change of their selection, so the search
    // button's caption and tips follow them at once; 时钟1, which polled them
    // on every tick, has nothing left to do and never wakes the program.
    {组合框1, event::SelectionChanged, call<search::refresh_search_caption, search_strip>},
    {组合框3, event::SelectionChanged, call<search::refresh_search_caption, search_strip>},
    {组合框1, event::MenuChosen, on_menu<search::on_engine_list_menu, search_strip>},
    {时钟2, event::Tick, call<update_clock>},
    // page "小说名站"; its logos, like the covers of "小说推荐", are wired
    // from the site and book tables below
    {选择夹3, event::Click, do_nothing},
    // page "软件设置". Enter in the skin list searches, as it always has;
    // choosing a skin there waits for 按钮5.
    {编辑框2, event::KeyDown, on_enter<apply_typed_skin, skin_chooser>},
    {按钮2, event::Click, call<apply_typed_skin, skin_chooser>},
    {组合框2, event::KeyDown, on_enter<search::run_search, search_strip>},
    {组合框2, event::SelectionMade, do_nothing},
    {按钮5, event::Click, call<apply_listed_skin, skin_chooser>},
    // page "下载链接"
    {按钮3, event::Click, call<sites::open_update_on_baidu_pan>},
    {按钮4, event::Click, call<sites::open_update_on_qianyi>},
    {按钮7, event::Click, call<sites::open_browser_installer>},
};

static_assert(std::size(site_logos) == 28 && std::size(book_controls) == 18);

}  // namespace

std::span<const Wire> wiring() {
    static const std::vector<Wire> all = [] {
        std::vector<Wire> rows(std::begin(wires), std::end(wires));
        for (int row = 0; row < int(std::size(site_logos)); ++row)
            rows.push_back(
                {.control = site_logos[row], .event = event::LeftButtonDown, .handler = sites::open_site, .item = row});
        for (int row = 0; row < int(std::size(book_controls)); ++row)
            rows.push_back({.control = book_controls[row].cover,
                            .event = event::LeftButtonDown,
                            .handler = sites::open_book,
                            .item = row});
        return rows;
    }();
    return all;
}

}  // namespace main_window
