#pragma once
// Whether the window system can be reached, asked before Qt is: Qt aborts with
// a page of advice when it cannot connect.

struct xcb_connection_t;

// Opens the X display that Qt would use. When it cannot be opened, ends the
// process with status 1 and one line on stderr naming the display. Nothing is
// asked when Qt is told to use another platform (offscreen for the tests).
//
// The connection stays open until the probe goes, which is after Qt has made
// its own: an X server (Xvfb at least) now and then drops a client that
// connects a moment after another one closed.
class DisplayProbe {
public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

private:
    xcb_connection_t* connection_ = nullptr;
};
