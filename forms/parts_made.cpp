#include "forms/parts_made.h"

namespace forms {

Part PartsMade::part_of(const ControlState& c) {
    if (parts_.empty()) {
        for (const ControlState& each : window_.controls) {
            const ControlState* at = &each;
            Part part = window_part;
            for (int depth = 0; at->parent != 0 && depth < 64; ++depth) {
                const ControlState* parent = window_.find(at->parent);
                if (parent == nullptr) break;
                if (parent->kind == Kind::Tab) {
                    part = {parent->id, at->page};
                    break;
                }
                at = parent;
            }
            parts_.push_back(part);
        }
    }
    return parts_[static_cast<std::size_t>(&c - window_.controls.data())];
}

std::vector<const ControlState*> PartsMade::make(Part part) {
    if (made(part)) return {};
    std::vector<const ControlState*> controls;
    if (part.tab != 0)
        if (const ControlState* tab = window_.find(part.tab)) controls = make(part_of(*tab));
    for (const ControlState* c : make_parts({part})) controls.push_back(c);
    return controls;
}

std::vector<const ControlState*> PartsMade::make_all() {
    std::vector<Part> parts;
    for (const ControlState& c : window_.controls) parts.push_back(part_of(c));
    return make_parts(std::move(parts));
}

std::vector<const ControlState*> PartsMade::make_parts(std::vector<Part> parts) {
    std::set<Part> now;
    while (!parts.empty()) {
        const Part part = parts.back();
        parts.pop_back();
        if (made(part) || !now.insert(part).second) continue;
        for (const ControlState& c : window_.controls)
            if (c.kind == Kind::Tab && c.desc != nullptr && part_of(c) == part) parts.push_back({c.id, c.selection});
    }
    made_.insert(now.begin(), now.end());
    std::vector<const ControlState*> controls;
    for (std::size_t i = 1; i < window_.controls.size(); ++i) {
        const ControlState& c = window_.controls[i];
        if (c.kind != Kind::Timer && now.contains(part_of(c))) controls.push_back(&c);
    }
    return controls;
}

}  // namespace forms
