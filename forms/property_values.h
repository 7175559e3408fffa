#pragma once
// Conversions between the three sorts of property value, for a handler that
// reads or writes a property as another sort than it holds.
#include "forms/model.h"

namespace forms {

// An integer: a text gives its leading decimal number (0 when none), a boolean 1 or 0.
std::int32_t as_integer(const Value& value);
// A boolean: any integer but 0 is true; a text is true when its number is not 0.
bool as_boolean(const Value& value);
// A text: integers in decimal, booleans as "真" and "假".
Text as_text(const Value& value);

// The mouse pointer property: 0 the standard arrow, 32649 the hand (the
// Windows cursor number); any other number shows the arrow.
inline constexpr std::int32_t hand_cursor_number = 32649;
std::int32_t cursor_number(Cursor cursor);
Cursor cursor_of(std::int32_t number);

}  // namespace forms
