#pragma once
// Novel search: the engine list's search and the search button's caption.
// The handlers work on the controls a window's wiring hands them by role.
#include "forms/ids.h"

namespace search {

// The search strip: the lists and the box a search reads, the button that
// names the chosen engine.
struct Strip {
    forms::WindowId window;
    forms::ControlId engine_list, book_name_box, search_button, history_list;
};

void run_search(const Strip& strip);
void refresh_search_caption(const Strip& strip);
// The remembered-name step that ends every search.
void apply_history_mode(const Strip& strip);

}  // namespace search
