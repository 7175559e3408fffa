#pragma once
// The directory of novel sites on the main window's first page: one logo per
// site, and a press on a logo opens the site's home page.
#include <optional>
#include <span>
#include <string_view>

#include "app/text.h"
#include "forms/description.h"

namespace directory {

struct Site {
    forms::ControlId logo;  // picture box on the main window
    std::string_view host;
    std::string_view path;  // empty for the two bare host names
};

std::span<const Site> sites();
const Site* site_of_logo(forms::ControlId logo);
Text site_address(const Site& site);

// LeftButtonDown of every logo: one OpenAddress with the site's address.
std::optional<bool> open_site_of_logo(const forms::EventArgs& args);

}  // namespace directory
