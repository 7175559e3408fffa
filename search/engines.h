#pragma once
// The novel search engines: the eleven built into the program, and the list
// as the reader's catalogue (search/reader_catalogue.h) leaves it.
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace search {

struct Engine {
    std::string_view list_text;              // entry of the engine list: site name and speed grade
    std::string_view caption;                // the site name alone, shown on the search button
    std::string_view host;                   // scheme and host that receive the query
    std::array<std::string_view, 3> before;  // path and query up to the book name, in parts
    std::string_view after;                  // what follows the book name
};

// The eleven built-in engines, in the order of the engine list, and their
// list texts: what the layout's engine list starts with.
std::span<const Engine> built_in_engines();
std::span<const std::string_view> engine_list_texts();

// Where the book name goes in an address template.
inline constexpr std::string_view name_mark = "%s";

// An entry of the engine list as it stands.
struct ListedEngine {
    Text list_text;
    Text caption;
    Text address;  // name_mark wherever the book name goes
    CodePage charset = CodePage::gbk;
};

// The built-in engine as a list entry, its address a template.
ListedEngine listed(const Engine& engine);

// The engine list as it stands: the built-in engines unless the reader's
// catalogue changed it.
std::span<const ListedEngine> listed_engines();
void list_engines(std::vector<ListedEngine> engines);
// The engine at a list index, or nullptr outside the list.
const ListedEngine* engine_at(int index);

// The engine's address for a book name: the name, converted to the engine's
// character set, goes in as one value, every byte but A-Z a-z 0-9 - . _ ~
// percent-encoded (a space as %20, "#" as %23), so that "&", "?", "#", "+",
// "/" and "%" in a name never reach the engine as its address's own syntax.
// The template's own non-ASCII characters are sent in the same set.
Text search_address(const ListedEngine& engine, const Text& book_name);

}  // namespace search
