#pragma once
// What a screen reader is told of each control: its role, its name, a
// description, a value, and the one action it can run. Decided here once for
// both views from the control's state as it is now; a view hands these to
// its platform's accessibility interface and runs do_default_action() when a
// reader asks for the action.
#include "forms/window_state.h"

namespace forms {

enum class Role {
    Window,
    Link,  // a picture or text that opens something when pressed
    StaticText,
    Graphic,  // a picture that does nothing
    PushButton,
    ComboBox,
    EditableText,
    Group,
    PageTabList,
    ProgressBar,
    Pane,  // a plain container (a timer has no widget at all)
};

// The action a reader may run: the same event the mouse raises.
enum class Action { None,
                    Press };

struct AccessibleInfo {
    Role role = Role::Pane;
    Text name;         // GBK, line breaks as in the text
    Text description;  // the tool tip
    Text value;        // an edit box's content, a list's item, a bar's position
    Action action = Action::None;
};
AccessibleInfo accessible_of(const LoadedWindow& window, const ControlState& c);

// Runs the control's action as the mouse would: a press in the middle of a
// link, a click of a button. False when the control has no action.
bool do_default_action(WindowId window, ControlId control);

}  // namespace forms
