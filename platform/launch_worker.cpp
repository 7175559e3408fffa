#include "platform/launch_worker.h"

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/detached_thread.h"

namespace {

// The reader sees no box for these, as from the shell; the reason is kept on
// standard error where there is one.
void report_left(std::size_t length, std::chrono::milliseconds patience) {
    std::fprintf(stderr,
                 "yanzhou-search: the launch of an address of %zu bytes has not returned after %lld ms; "
                 "the next ones go on without it\n",
                 length, static_cast<long long>(patience.count()));
    std::fflush(stderr);
}

void report_dropped(std::size_t length, int stuck) {
    std::fprintf(stderr,
                 "yanzhou-search: an address of %zu bytes was not opened: %d earlier launches have not returned\n",
                 length, stuck);
    std::fflush(stderr);
}

}  // namespace

// One watcher thread hands the addresses out in order and waits for each
// launch up to its patience; the launch runs on a launcher thread, which the
// watcher leaves behind when it does not return in time.
struct LaunchQueue : std::enable_shared_from_this<LaunchQueue> {
    // A thread that runs one launch at a time for the watcher.
    struct Launcher {
        std::optional<std::string> address;  // handed over, not yet taken
        bool done = false;                   // the address handed over was launched
        bool left = false;                   // the watcher stopped waiting: end after the launch
        bool retire = false;
    };

    LaunchWorker::Launch launch;
    std::chrono::milliseconds patience{};
    int most_stuck = 0;

    std::mutex lock;
    std::condition_variable changed;  // any of the below, for any of the threads
    std::deque<std::string> waiting;
    bool watching = false;               // the watcher thread was started
    bool in_hand = false;                // the watcher holds an address it has not finished with
    bool closing = false;                // the worker is gone
    int stuck = 0;                       // launches left running
    std::shared_ptr<Launcher> launcher;  // the one the next address goes to

    void serve(const std::shared_ptr<Launcher>& me);
    void watch();
    void launch_watched(std::unique_lock<std::mutex>& held, std::string address);
};

void LaunchQueue::serve(const std::shared_ptr<Launcher>& me) {
    std::unique_lock held(lock);
    for (;;) {
        changed.wait(held, [&] { return me->address.has_value() || me->retire; });
        if (!me->address) return;
        const std::string address = std::move(*me->address);
        me->address.reset();
        held.unlock();
        launch(address);
        held.lock();
        if (me->left) {
            --stuck;
            return;
        }
        me->done = true;
        changed.notify_all();
    }
}

void LaunchQueue::launch_watched(std::unique_lock<std::mutex>& held, std::string address) {
    if (launcher == nullptr) {
        auto fresh = std::make_shared<Launcher>();
        // Each thread keeps the queue it serves.
        if (start_detached_thread([self = shared_from_this(), fresh] { self->serve(fresh); })) launcher = fresh;
    }
    if (launcher == nullptr) {
        // No thread to be had: launched here, at the risk of waiting for it.
        held.unlock();
        launch(address);
        held.lock();
        return;
    }
    const std::shared_ptr<Launcher> runs = launcher;
    const std::size_t length = address.size();
    runs->done = false;
    runs->address = std::move(address);
    changed.notify_all();
    if (changed.wait_for(held, patience, [&] { return runs->done; })) return;
    runs->left = true;
    launcher.reset();
    ++stuck;
    report_left(length, patience);
}

void LaunchQueue::watch() {
    std::unique_lock held(lock);
    for (;;) {
        changed.wait(held, [&] { return closing || !waiting.empty(); });
        if (closing) break;
        std::string address = std::move(waiting.front());
        waiting.pop_front();
        in_hand = true;
        if (stuck >= most_stuck)
            report_dropped(address.size(), stuck);
        else
            launch_watched(held, std::move(address));
        in_hand = false;
        changed.notify_all();
    }
    if (launcher != nullptr) launcher->retire = true;
    changed.notify_all();
}

LaunchWorker::LaunchWorker(Launch launch, std::chrono::milliseconds patience, int most_stuck)
    : queue_(std::make_shared<LaunchQueue>()) {
    queue_->launch = std::move(launch);
    queue_->patience = patience;
    queue_->most_stuck = most_stuck;
}

LaunchWorker::~LaunchWorker() {
    std::lock_guard held(queue_->lock);
    queue_->closing = true;
    queue_->waiting.clear();
    queue_->changed.notify_all();
}

void LaunchWorker::hand(std::string address) {
    std::lock_guard held(queue_->lock);
    queue_->waiting.push_back(std::move(address));
    // Without a thread the address waits for the next one to start it.
    if (!queue_->watching) queue_->watching = start_detached_thread([q = queue_] { q->watch(); });
    queue_->changed.notify_all();
}

void LaunchWorker::wait(std::chrono::milliseconds limit) {
    std::unique_lock held(queue_->lock);
    queue_->changed.wait_for(held, limit, [this] { return queue_->waiting.empty() && !queue_->in_hand; });
}

namespace {

// Never destroyed: its threads may still be waiting when static destruction
// runs. A launch gets three seconds, several times what a browser's start
// takes; four may be left running before addresses are refused.
LaunchWorker& program_worker() {
    static auto* worker = new LaunchWorker(launch_browser, std::chrono::seconds(3), 4);
    return *worker;
}

}  // namespace

void hand_to_launcher(std::string address) { program_worker().hand(std::move(address)); }

void wait_for_launches(std::chrono::milliseconds limit) { program_worker().wait(limit); }
