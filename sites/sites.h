#pragma once
// The directory of novel sites: one logo per site, and a press on a logo
// opens the site's home page (sites/links.h).
#include <span>
#include <string_view>
#include <vector>

#include "forms/description.h"
#include "platform/text.h"

namespace sites {

struct Site {
    forms::Picture picture;  // its logo
    std::string_view host;
    std::string_view path;  // empty for the two bare host names
    std::string_view name;  // as its logo shows it: what a screen reader speaks
};

// In the order of the two pages of the directory, row by row, left column first.
std::span<const Site> sites();
Text site_address(const Site& site);

// What the logo of a row opens: the address the reader's catalogue gives the
// site, else its own.
Text site_address_at(std::size_t row);
// The reader's addresses, by row of the table; an empty one, or none, leaves
// the site its own.
void repoint_sites(std::vector<Text> addresses);

}  // namespace sites
