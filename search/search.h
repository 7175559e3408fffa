#pragma once
// Novel search: the engine list's search and the search button's caption.
void run_search();
void refresh_search_caption();
// The remembered-name step that ends every search.
void apply_history_mode();
