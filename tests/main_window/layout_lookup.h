#pragma once
// Looking things up in a window description the way a test needs them.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/description.h"
#include "forms/wiring.h"

namespace layout_lookup {

inline const forms::ControlDesc* find(const forms::WindowDesc& window, forms::ControlId id) {
    for (const forms::ControlDesc& control : window.controls)
        if (control.id == id) return &control;
    return nullptr;
}

inline forms::Handler handler(std::span<const forms::Wire> wiring, forms::ControlId id, int event) {
    for (const forms::Wire& wire : wiring)
        if (wire.control == id && wire.event == event) return wire.handler;
    return nullptr;
}

inline bool wired(std::span<const forms::Wire> wiring, forms::ControlId id) {
    for (const forms::Wire& wire : wiring)
        if (wire.control == id) return true;
    return false;
}

// A window's wiring without the window's own events, for a layout loaded
// apart from the start-up flow its Created handler belongs to.
inline std::vector<forms::Wire> controls_only(std::span<const forms::Wire> wiring, const forms::WindowDesc& window) {
    std::vector<forms::Wire> rows;
    for (const forms::Wire& wire : wiring)
        if (wire.control != window.self) rows.push_back(wire);
    return rows;
}

// The lines of a CR LF text; a text that ends with CR LF has an empty last line.
inline std::vector<std::string> lines_of(std::string_view text) {
    std::vector<std::string> lines;
    for (;;) {
        std::size_t end = text.find("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) return lines;
        text.remove_prefix(end + 2);
    }
}

}  // namespace layout_lookup
