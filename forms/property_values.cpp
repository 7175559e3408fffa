#include "forms/property_values.h"

#include <limits>

namespace forms {

namespace {

std::int32_t leading_number(const Text& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        n = n * 10 + (text[i] - '0');
        if (n > std::numeric_limits<std::int32_t>::max())
            return negative ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(negative ? -n : n);
}

}  // namespace

std::int32_t as_integer(const Value& value) {
    if (auto* i = std::get_if<std::int32_t>(&value)) return *i;
    if (auto* b = std::get_if<bool>(&value)) return *b ? 1 : 0;
    return leading_number(std::get<Text>(value));
}

bool as_boolean(const Value& value) {
    if (auto* b = std::get_if<bool>(&value)) return *b;
    return as_integer(value) != 0;
}

Text as_text(const Value& value) {
    if (auto* t = std::get_if<Text>(&value)) return *t;
    if (auto* b = std::get_if<bool>(&value)) return *b ? "真" : "假";
    return std::to_string(std::get<std::int32_t>(value));
}

std::int32_t cursor_number(Cursor cursor) { return cursor == Cursor::Hand ? hand_cursor_number : 0; }

Cursor cursor_of(std::int32_t number) { return number == hand_cursor_number ? Cursor::Hand : Cursor::Arrow; }

}  // namespace forms
