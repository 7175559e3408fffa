// The main window's wiring, in the order of its layout.
#include <iterator>
#include <vector>

#include "app/window_flow.h"
#include "app/wiring.h"
#include "directory/books.h"
#include "directory/links.h"
#include "directory/sites.h"
#include "forms/main_window/main_window.h"
#include "search/search.h"
#include "skins/skins.h"

namespace {

using namespace forms;
using namespace main_window;

constexpr Wire wires[] = {
    {窗口, event::Created, call<on_main_created>},
    {窗口, event::Destroying, call<end_program_on_main_destroyed>},
    // search strip
    {编辑框1, event::KeyDown, on_enter<run_search>},
    {按钮1, event::Click, call<run_search>},
    // The lists tell of every change of their selection, so the search
    // button's caption and tips follow them at once; 时钟1, which polled them
    // on every tick, has nothing left to do and never wakes the program.
    {组合框1, event::SelectionChanged, call<refresh_search_caption>},
    {组合框3, event::SelectionChanged, call<refresh_search_caption>},
    {时钟2, event::Tick, call<update_clock>},
    // page "小说名站"; its logos, like the covers of "小说推荐", are wired
    // from the site and book tables below
    {选择夹3, event::Click, do_nothing},
    // page "软件设置". Enter in the skin list searches, as it always has;
    // choosing a skin there waits for 按钮5.
    {编辑框2, event::KeyDown, on_enter<apply_typed_skin>},
    {按钮2, event::Click, call<apply_typed_skin>},
    {组合框2, event::KeyDown, on_enter<run_search>},
    {组合框2, event::SelectionMade, do_nothing},
    {按钮5, event::Click, call<apply_listed_skin>},
    // page "下载链接"
    {按钮3, event::Click, call<directory::open_update_on_baidu_pan>},
    {按钮4, event::Click, call<directory::open_update_on_qianyi>},
    {按钮7, event::Click, call<directory::open_browser_installer>},
};

}  // namespace

std::span<const Wire> main_window_wiring() {
    static const std::vector<Wire> all = [] {
        std::vector<Wire> rows(std::begin(wires), std::end(wires));
        for (const directory::Site& site : directory::sites())
            rows.push_back({site.logo, event::LeftButtonDown, directory::open_site_of_logo});
        for (const directory::Book& book : directory::books())
            rows.push_back({book.cover, event::LeftButtonDown, directory::open_book_of_cover});
        return rows;
    }();
    return all;
}
