#pragma once
// How what the reader does reaches the handlers. The display reports raw
// actions here (a key with its Windows code, a press, a chosen item); the
// model applies the window keys, keeps its state and raises bound events.
#include <optional>

#include "forms/window_state.h"

namespace forms {

// Calls the handler bound to (control, event) of a loaded window. Nothing is
// called while the window is being created or once the program is ending;
// the result is then "nothing", as it is when no handler is bound.
std::optional<bool> raise(WindowId window, ControlId control, int event, EventArgs args = {});
// The row of the window's wiring for (control, event), or nullptr.
const Wire* wire_of(const LoadedWindow& window, ControlId control, int event);

// A key pressed while `focused` has the focus (the window's own id when no
// control has it). Returns true when the key must not reach the control: a
// window key used it, or a KeyDown handler returned false. `takes_key` says
// whether the focused control uses Tab/Esc/Enter itself.
bool key_pressed(WindowId window, ControlId focused, int key, int function_keys, bool takes_key = false);
// The left button pressed over a control, at x, y of its client area.
// Returns true when a handler swallowed the press.
bool left_button_down(WindowId window, ControlId control, int x, int y, int function_keys);

// The keys that open a control's menu, as on Windows: Shift+F10 and the menu key.
bool opens_menu(int key, int function_keys);
// The toolkit asks for a control's menu: a right press shows it; a request
// from the keyboard was answered by key_pressed already. True when the
// control has a menu, so that the toolkit shows nothing of its own.
bool menu_requested(WindowId window, ControlId control, bool by_pointer);
// The reader chose an entry of a control's menu (from 0).
void menu_chosen(WindowId window, ControlId control, int entry);

void button_clicked(WindowId window, ControlId button);
void text_edited(WindowId window, ControlId edit, const Text& content);
// The list's current item changed (by the reader or the list's own keys).
void selection_changed(WindowId window, ControlId combo, int index);
// The reader committed a choice: raised after the selection is stored.
void selection_committed(WindowId window, ControlId combo, int index);
void tab_strip_clicked(WindowId window, ControlId tab);
void page_chosen(WindowId window, ControlId tab, int page);
void timer_ticked(WindowId window, ControlId timer);
// The window's outer rectangle moved or changed size outside WriteProperty.
void window_placed(WindowId window, Geometry outer);

// The reader (or the desktop) asks the window to close: MayClose decides.
// Returns true when the window was destroyed.
bool close_requested(WindowId window);
// Destroys a loaded window: windows a modal load disabled get their state
// back, Destroying is raised, then the window and its controls are gone.
void destroy_window(WindowId window);

}  // namespace forms
