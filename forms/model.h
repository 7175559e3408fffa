#pragma once
// The form model's operations: load windows from their descriptions, read and
// write numbered properties, run the message loop, report fatal errors.
#include <optional>
#include <span>
#include <variant>

#include "app/text.h"
#include "forms/description.h"

namespace forms {

// A property value: an integer, a boolean or a text (GBK).
using Value = std::variant<std::int32_t, bool, Text>;

// The windows the program describes; LoadWindow finds descriptions here.
void DescribeWindows(std::span<const WindowDesc* const> windows);

Value ReadProperty(WindowId window, ControlId control, int number);
void WriteProperty(WindowId window, ControlId control, int number, const Value& value);

// Typed conveniences over ReadProperty.
std::int32_t ReadInteger(WindowId window, ControlId control, int number);
bool ReadBoolean(WindowId window, ControlId control, int number);
Text ReadText(WindowId window, ControlId control, int number);

bool IsLoaded(WindowId window);

}  // namespace forms

// Window operations of the host.
bool LoadWindow(forms::WindowId window, std::optional<forms::WindowId> parent, bool modal);
void RunStartupWindow(forms::WindowId window);
void RunMessageLoop();

// Shows the fatal error box ("错误", "运行时出错!" ...) and ends the program
// with exit status 255.
[[noreturn]] void ReportFatalError(const Text& message, std::optional<int> code = std::nullopt);
