#pragma once
// A skin in GDI terms: its colours, and the brushes the engine hands to the
// controls it colours. One Look is in force at a time; attaching another
// skin makes a new one and drops the old.
#include <windows.h>

#include <array>
#include <memory>

#include "skins/engine/she_format.h"

namespace she::win {

inline COLORREF colorref(const Rgb& c) { return RGB(c.red, c.green, c.blue); }

class Look {
public:
    // Nothing when GDI cannot make the window brush (its object table full):
    // the look in force then stays.
    static std::unique_ptr<Look> make(Skin skin);
    ~Look();
    Look(const Look&) = delete;
    Look& operator=(const Look&) = delete;

    const Skin& skin() const { return skin_; }
    COLORREF color(Role role) const { return colorref(skin_.color(role)); }
    // The window background: the skin's texture tile, else its plain colour.
    // A control that shows it must align the brush with its window
    // (align_window_brush in drawing.h).
    HBRUSH window_brush() const { return window_; }
    // A solid brush of a role's colour, made on first use; null if GDI refuses.
    HBRUSH brush(Role role) const;

private:
    explicit Look(Skin skin) : skin_(std::move(skin)) {}
    Skin skin_;
    HBRUSH window_ = nullptr;
    mutable std::array<HBRUSH, role_count> solid_{};
};

}  // namespace she::win
