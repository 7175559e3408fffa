#pragma once
// The form model's operations: load windows from their descriptions, read and
// write numbered properties, run the message loop.
#include <optional>
#include <span>
#include <variant>

#include "forms/description.h"
#include "forms/placement.h"
#include "forms/wiring.h"
#include "platform/text.h"

namespace forms {

// A property value: an integer, a boolean or a text (GBK).
using Value = std::variant<std::int32_t, bool, Text>;

// A window the program describes: its layout, and the wiring of its events.
struct DescribedWindow {
    const WindowDesc* layout = nullptr;
    std::span<const Wire> wiring;
};

// The windows the program describes; LoadWindow finds descriptions here.
void DescribeWindows(std::span<const DescribedWindow> windows);

Value ReadProperty(WindowId window, ControlId control, int number);
void WriteProperty(WindowId window, ControlId control, int number, const Value& value);

// Typed conveniences over ReadProperty.
std::int32_t ReadInteger(WindowId window, ControlId control, int number);
Text ReadText(WindowId window, ControlId control, int number);

bool IsLoaded(WindowId window);

// Puts a window with the corner of its frame at `corner` (centred on the
// screen when there is none) at the scale at which all of it fits the work
// area, then moved wholly onto that area (forms/placement.h). Loading a
// window places it so.
void PlaceWindow(WindowId window, std::optional<ScreenPoint> corner);

}  // namespace forms

// Window operations of the host.
bool LoadWindow(forms::WindowId window, std::optional<forms::WindowId> parent, bool modal);
void RunStartupWindow(forms::WindowId window);
void RunMessageLoop();
