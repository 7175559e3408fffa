#pragma once
// What tests read from the form model beyond what the program itself uses;
// free of any view, so that the tests of both views share it.
#include "forms/model.h"
#include "forms/property_values.h"

namespace forms {

// A property read as a boolean, as a handler would read it.
inline bool ReadBoolean(WindowId window, ControlId control, int number) {
    return as_boolean(ReadProperty(window, control, number));
}

}  // namespace forms
