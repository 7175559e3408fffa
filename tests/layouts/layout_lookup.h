#pragma once
// Looking things up in a window description the way a test needs them.
#include <string>
#include <string_view>
#include <vector>

#include "forms/description.h"

namespace layout_lookup {

inline const forms::ControlDesc* find(const forms::WindowDesc& window, forms::ControlId id) {
    for (const forms::ControlDesc& control : window.controls)
        if (control.id == id) return &control;
    return nullptr;
}

inline forms::Handler handler(const forms::WindowDesc& window, forms::ControlId id, int event) {
    const forms::ControlDesc* control = find(window, id);
    if (!control) return nullptr;
    for (const forms::Binding& binding : control->bindings)
        if (binding.event == event) return binding.handler;
    return nullptr;
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
