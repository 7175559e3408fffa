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
enum class Action { None, Press };

struct AccessibleInfo {
    Role role = Role::Pane;
    Text name;                     // GBK, line breaks inside as in the text, none at the ends
    Text description;              // what the control does, then its tool tip
    Text value;                    // an edit box's content, a list's item, a bar's position
    Action action = Action::None;  // none while the control cannot be seen
};
AccessibleInfo accessible_of(const LoadedWindow& window, const ControlState& c);

// Who answers a reader for a control. The toolkit's own object knows a
// standard control's state, children and keys, and is told the name and the
// description from the table (Annotated). The program answers for the rest
// itself (Own): pictures and labels, which the toolkit knows only as
// drawings, and the windows and group boxes that hold them, whose names the
// toolkit cannot know and whose children include drawing helpers no reader
// should meet. A timer has no widget to answer for.
enum class Served { Nothing, Annotated, Own };
Served served(const ControlState& c);

// Runs the control's action as the mouse would: a press in the middle of a
// link, a click of a button. False when the control has no action now.
bool do_default_action(WindowId window, ControlId control);

}  // namespace forms
