#pragma once
// The recommended novels: six genre pages of three books. A book's page and
// slot are the only record of where the main window shows it. A press on a
// cover opens the book's page (sites/links.h).
#include <span>
#include <string_view>

#include "forms/description.h"
#include "platform/text.h"

namespace sites {

struct Book {
    int page;                  // genre page
    int slot;                  // 0 top, 1 middle, 2 bottom
    std::string_view caption;  // 《title》作者：pen name
    forms::Picture picture;    // its cover
    std::string_view blurb;
    std::string_view host;
    std::string_view path;
};

std::span<const Book> books();
Text book_address(const Book& book);

}  // namespace sites
