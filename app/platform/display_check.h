#pragma once
// Whether the window system can be reached, asked before Qt is: Qt aborts with
// a page of advice when it cannot connect.

// Ends the process with status 1 and one line on stderr naming the display
// when the X display that Qt would use cannot be opened. Returns when it can,
// or when Qt is told to use another platform (offscreen for the tests).
void require_display();
