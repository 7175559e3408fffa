#include "forms/qt/key_codes.h"

#include "forms/ids.h"

namespace forms::qt {

namespace {

struct KeyRow {
    int qt_key;
    int code;
};

// Keys whose Windows code is not their own character.
// clang-format off
constexpr KeyRow named_keys[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},     {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},       {Qt::Key_AltGr, 18},     {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},    {Qt::Key_Space, 32},     {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},       {Qt::Key_Home, 36},      {Qt::Key_Left, 37},       {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},     {Qt::Key_Down, 40},      {Qt::Key_Print, 44},      {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},    {Qt::Key_Help, 47},      {Qt::Key_Meta, 91},       {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},   {Qt::Key_Menu, 93},      {Qt::Key_NumLock, 144},   {Qt::Key_ScrollLock, 145},
    // Punctuation keys of a US keyboard, shifted or not, as the OEM codes.
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},   {Qt::Key_Equal, 187},     {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},    {Qt::Key_Less, 188},     {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},   {Qt::Key_Greater, 190},  {Qt::Key_Slash, 191},     {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},     {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
    // Shifted digits keep the digit key's code.
    {Qt::Key_ParenRight, '0'}, {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'},       {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},   {Qt::Key_Percent, '5'},  {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
};
// clang-format on

// The keypad's own keys; the digits and the navigation keys are handled apart.
// clang-format off
constexpr KeyRow keypad_keys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Comma, 190},    {Qt::Key_Slash, 191}, {Qt::Key_Enter, 13}, {Qt::Key_Return, 13},
};
// clang-format on

}  // namespace

int windows_key_code(int qt_key, bool keypad) {
    if (keypad)
        for (const auto& row : keypad_keys)
            if (row.qt_key == qt_key) return row.code;
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return qt_key;  // main row and keypad alike
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key;
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return 112 + (qt_key - Qt::Key_F1);
    for (const auto& row : named_keys)
        if (row.qt_key == qt_key) return row.code;
    return 0;
}

int function_key_bits(Qt::KeyboardModifiers modifiers, int qt_key) {
    int bits = 0;
    if (modifiers & Qt::ControlModifier && qt_key != Qt::Key_Control) bits |= keys::Ctrl;
    if (modifiers & Qt::ShiftModifier && qt_key != Qt::Key_Shift) bits |= keys::Shift;
    if (modifiers & Qt::AltModifier && qt_key != Qt::Key_Alt) bits |= keys::Alt;
    return bits;
}

}  // namespace forms::qt
