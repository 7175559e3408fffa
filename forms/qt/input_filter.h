#pragma once
// Every key and left-button press meant for a control of a loaded window
// passes the model first (forms/dispatch.h): the window keys, then the bound
// KeyDown or LeftButtonDown handler, whose false keeps the press from the
// control.
namespace forms::qt {

// Installs the one application-wide filter; later calls do nothing.
void install_input_filter();

}  // namespace forms::qt
