#pragma once
// Starting a browser takes a millisecond or more (xdg-open is spawned and
// found on PATH); the GUI thread does not wait for it. It hands the address
// to a thread of its own, which starts the launchers one after another in
// the order the addresses came.
#include <chrono>
#include <string>

// Queues the address (GBK) for launch_browser (browser_launcher.h) and returns.
void hand_to_launcher(std::string address);

// Waits until every address handed over has been passed to its launcher, or
// until `limit` has passed: the program ends only after its last search has
// gone out.
void wait_for_launches(std::chrono::milliseconds limit);
