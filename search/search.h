#pragma once
// Novel search: the engine list's search and the search button's caption.
// The handlers work on the controls a window's wiring hands them by role.
#include <string_view>

#include "forms/ids.h"

namespace search {

// The search strip: the lists and the box a search reads, the button that
// names the chosen engine.
struct Strip {
    forms::WindowId window;
    forms::ControlId engine_list, book_name_box, search_button, history_list;
};

// The engine list's menu, in its order: entries of the reader's catalogue
// (search/reader_catalogue.h).
inline constexpr std::string_view engine_list_menu[] = {"编辑自定义站点…", "重新读取自定义站点"};

void run_search(const Strip& strip);
// At start: the reader's catalogue put in force and its list shown, without
// a word to the reader; refused lines go to standard error.
void start_with_reader_catalogue(const Strip& strip);
// The menu's entries: edit the file (made from the template when missing),
// or read it again and report what was read and refused.
void on_engine_list_menu(const Strip& strip, int entry);
void edit_reader_catalogue();
void reread_reader_catalogue(const Strip& strip);
void refresh_search_caption(const Strip& strip);
// The remembered-name step that ends every search.
void apply_history_mode(const Strip& strip);

}  // namespace search
