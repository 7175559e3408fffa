#pragma once
// Qt keys as the Windows virtual-key codes that KeyDown handlers test for.
#include <Qt>

namespace forms::qt {

// The Windows code of a Qt key; keypad says the key came from the numeric
// keypad. The keypad's digits give "0" to "9" (48 to 57), its minus 189, its
// point 190, its divide 191, its Enter 13 like the main Enter. 0 for a key
// Windows has no code for.
int windows_key_code(int qt_key, bool keypad);

// Ctrl 1, Shift 2, Alt 4 from the modifiers held; a key that is itself Ctrl,
// Shift or Alt does not count as holding itself.
int function_key_bits(Qt::KeyboardModifiers modifiers, int qt_key = 0);

}  // namespace forms::qt
