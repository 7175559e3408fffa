#pragma once
// Which controls a view makes, and when. Controls cost more to make than to
// keep: a window's own controls are made when it is first shown, and those
// of a tab page when the page first is, each from the state as it is then.
// A window that is never shown costs no controls, and neither does a page
// nobody opens.
#include <compare>
#include <set>
#include <vector>

#include "forms/window_state.h"

namespace forms {

// The controls made together: the window's own (tab 0), or those on one
// page of a tab control, group boxes and their members included.
struct Part {
    ControlId tab = 0;
    int page = -1;
    auto operator<=>(const Part&) const = default;
};
inline constexpr Part window_part{};

class PartsMade {
public:
    explicit PartsMade(const LoadedWindow& window) : window_(window) {}

    // The part a control lies in: the page of its nearest tab control.
    Part part_of(const ControlState& c);
    bool made(Part part) const { return made_.contains(part); }

    // Shows `part`: it is made, with the parts holding its tab control first
    // and the current page of every tab control in it, at any depth. Gives
    // the controls to make now, in description order (parents before their
    // children); timers, which have no widget, never.
    std::vector<const ControlState*> make(Part part);
    // Every part of the window, whether shown or not.
    std::vector<const ControlState*> make_all();
    // The view let go of its controls: nothing is made any more.
    void forget() { made_.clear(); }

private:
    std::vector<const ControlState*> make_parts(std::vector<Part> parts);

    const LoadedWindow& window_;
    std::vector<Part> parts_;  // by index in the window's controls, found at first use
    std::set<Part> made_;
};

}  // namespace forms
