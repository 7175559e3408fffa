#pragma once
// Which handler answers which event of which control. Each window's wiring is
// a table of its own, kept apart from the layout, so that a layout names no
// handler and a handler knows no window: the row hands it the controls it
// works on, by role.
//
//   {编辑框1, event::KeyDown, on_enter<search::run_search, search_strip>},
#include <cstdint>
#include <optional>

#include "forms/ids.h"

namespace forms {

// What an event hands its handler. x and y: pixels in the control's client
// area; key: the Windows virtual-key code; function_keys: forms::keys bits.
// window and control say who raised it; item is the wiring row's own
// parameter, so that one handler serves a table of controls (the site logos,
// the book covers: item is the row of the site or book table).
struct EventArgs {
    std::int32_t x = 0, y = 0, key = 0, function_keys = 0;
    WindowId window = 0;
    ControlId control = 0;
    int item = 0;
    int chosen = -1;  // MenuChosen: the entry of the control's menu, from 0
};
// A handler's result: false swallows the mouse or key message, nothing lets it through.
using Handler = std::optional<bool> (*)(const EventArgs&);

// One row of a wiring table. The window's own events are wired to the
// window's own identifier.
struct Wire {
    ControlId control;
    int event;
    Handler handler;
    // The handler reads and writes nothing but the controls of its own window.
    // Ticks wired so may wait while their window is hidden, and run when
    // anything next looks at that window: nobody can tell the difference.
    bool own_controls_only = false;
    int item = 0;  // handed to the handler in EventArgs::item
};
inline constexpr bool own_controls_only = true;

// Adapters that wire the program's handlers: F() or, given the controls it
// works on by role (a constant of the window's wiring), F(roles).
template <auto F, const auto&... Roles>
std::optional<bool> call(const EventArgs&) {
    F(Roles...);
    return std::nullopt;
}
template <auto F, const auto&... Roles>
std::optional<bool> on_enter(const EventArgs& args) {
    if (args.key == key_enter) F(Roles...);
    return std::nullopt;
}
template <auto F, const auto&... Roles>
std::optional<bool> on_menu(const EventArgs& args) {
    F(Roles..., args.chosen);
    return std::nullopt;
}
inline std::optional<bool> do_nothing(const EventArgs&) { return std::nullopt; }

}  // namespace forms
