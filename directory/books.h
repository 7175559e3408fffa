#pragma once
// The recommended novels on the main window's page "小说推荐": six genre
// pages of three books. A press on a cover opens the book's page
// (directory/links.h).
#include <span>
#include <string_view>

#include "app/text.h"
#include "forms/description.h"

namespace directory {

struct Book {
    int page;                   // genre page of 选择夹4
    int slot;                   // 0 top, 1 middle, 2 bottom
    std::string_view caption;   // 《title》作者：pen name
    forms::ControlId group;     // the group box that frames the book
    forms::ControlId cover;     // picture box
    forms::Picture picture;
    forms::ControlId blurb_label;
    std::string_view blurb;
    std::string_view host;
    std::string_view path;
};

std::span<const Book> books();
// The book that a group box, cover or blurb label belongs to, or nullptr.
const Book* book_of(forms::ControlId member);
Text book_address(const Book& book);

// What the layout shows for a member of a recommendation; empty for a
// control that is none.
std::string_view caption_of(forms::ControlId group);
forms::Picture cover_of(forms::ControlId cover);
std::string_view blurb_of(forms::ControlId blurb_label);

}  // namespace directory
