#pragma once
// The start routine: the two windows described with their wiring, the
// welcome window as the start-up window, then the message loop. Returns the
// exit status.
int start_program();
