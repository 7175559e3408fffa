#pragma once
// Windows virtual keys as KeyDown handlers see them: the keypad's digits,
// minus, point and divide give the codes of the main keyboard's keys.
namespace forms::win32 {

int key_code(int virtual_key);

// Ctrl 1, Shift 2, Alt 4 held now; a key that is itself Ctrl, Shift or Alt
// does not count as holding itself.
int function_keys(int virtual_key = 0);

}  // namespace forms::win32
