#pragma once
// The eleven novel search engines, in the order of the engine list.
#include <array>
#include <span>
#include <string_view>

#include "platform/text.h"

namespace search {

struct Engine {
    std::string_view list_text;  // entry of the engine list: site name and speed grade
    std::string_view caption;    // the site name alone, shown on the search button
    std::string_view host;       // scheme and host that receive the query
    std::array<std::string_view, 3> before;  // path and query up to the book name, in parts
    std::string_view after;      // what follows the book name
};

// The list texts, as the engine list shows them.
std::span<const std::string_view> engine_list_texts();
// The engine at a list index, or nullptr outside 0 to 10.
const Engine* engine_at(int index);
// Host, text before the name, the name exactly as given, text after it.
Text search_address(const Engine& engine, const Text& book_name);

}  // namespace search
