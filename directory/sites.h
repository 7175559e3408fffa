#pragma once
// The directory of novel sites on the main window's first page: one logo per
// site, and a press on a logo opens the site's home page (directory/links.h).
#include <span>
#include <string_view>

#include "app/text.h"
#include "forms/description.h"

namespace directory {

struct Site {
    forms::ControlId logo;  // picture box on the main window
    forms::Picture picture;
    std::string_view host;
    std::string_view path;  // empty for the two bare host names
};

std::span<const Site> sites();
const Site* site_of_logo(forms::ControlId logo);
Text site_address(const Site& site);
// The picture a logo shows; nullptr for a control that is none.
forms::Picture logo_of(forms::ControlId logo);

}  // namespace directory
