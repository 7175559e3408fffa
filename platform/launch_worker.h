#pragma once
// Starting a browser takes a millisecond or more (xdg-open is spawned and
// found on PATH; the Windows shell looks up the handler); the GUI thread does
// not wait for it. It hands the address to a launcher thread, which starts
// the launchers one after another in the order the addresses came.
//
// A launch may also never return (wine's shell does not, for an address of a
// few thousand characters). One that has not returned after a few seconds is
// left to itself and reported, and the next address goes to a new launcher
// thread: one stuck launch never holds up the ones after it. Only a few may
// be left so at once; past that an address is reported and not opened.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

// Hands one address (GBK) to the desktop's default handler: defined by the
// platform folder the program is built with. Runs on a launcher thread.
void launch_browser(const std::string& gbk_address);

struct LaunchQueue;

// Addresses handed to `launch`, each on a launcher thread, in order.
class LaunchWorker {
public:
    using Launch = std::function<void(const std::string&)>;
    // `patience`: how long one launch may hold up the next; `most_stuck`:
    // how many launches may be left running at once.
    LaunchWorker(Launch launch, std::chrono::milliseconds patience, int most_stuck);
    // Launches not yet started are dropped; those running are left to end.
    ~LaunchWorker();
    LaunchWorker(const LaunchWorker&) = delete;
    LaunchWorker& operator=(const LaunchWorker&) = delete;

    // Queues the address and returns.
    void hand(std::string address);
    // Waits until every address handed over has been launched or left to
    // itself, or until `limit` has passed.
    void wait(std::chrono::milliseconds limit);

private:
    std::shared_ptr<LaunchQueue> queue_;
};

// The program's own worker, over launch_browser: hands the address (GBK) over
// and returns.
void hand_to_launcher(std::string address);

// Waits as LaunchWorker::wait: the program ends only after its last search
// has gone out.
void wait_for_launches(std::chrono::milliseconds limit);
