#pragma once
// Starting a browser takes a millisecond or more (xdg-open is spawned and
// found on PATH; the Windows shell looks up the handler); the GUI thread does
// not wait for it. It hands the address
// to a thread of its own, which starts the launchers one after another in
// the order the addresses came.
#include <chrono>
#include <string>

// Hands one address (GBK) to the desktop's default handler: defined by the
// platform folder the program is built with. Runs on the worker's thread.
void launch_browser(const std::string& gbk_address);

// Queues the address (GBK) for launch_browser and returns.
void hand_to_launcher(std::string address);

// Waits until every address handed over has been passed to its launcher, or
// until `limit` has passed: the program ends only after its last search has
// gone out.
void wait_for_launches(std::chrono::milliseconds limit);
