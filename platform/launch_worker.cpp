#include "platform/launch_worker.h"

#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/detached_thread.h"

namespace {

struct Worker {
    std::mutex lock;
    std::condition_variable wakes;   // the worker: an address arrived
    std::condition_variable drains;  // a waiter: the queue is done
    std::deque<std::string> queue;
    bool started = false;
    bool busy = false;

    void run() {
        std::unique_lock held(lock);
        for (;;) {
            wakes.wait(held, [this] { return !queue.empty(); });
            std::string address = std::move(queue.front());
            queue.pop_front();
            busy = true;
            held.unlock();
            launch_browser(address);
            held.lock();
            busy = false;
            if (queue.empty()) drains.notify_all();
        }
    }
};

// Never destroyed: the thread may still be waiting when static destruction runs.
Worker& worker() {
    static auto* w = new Worker;
    return *w;
}

}  // namespace

void hand_to_launcher(std::string address) {
    Worker& w = worker();
    {
        std::lock_guard held(w.lock);
        w.queue.push_back(std::move(address));
        // Without a thread the address waits for the next one to start it.
        if (!w.started) w.started = start_detached_thread([&w] { w.run(); });
    }
    w.wakes.notify_one();
}

void wait_for_launches(std::chrono::milliseconds limit) {
    Worker& w = worker();
    std::unique_lock held(w.lock);
    w.drains.wait_for(held, limit, [&w] { return w.queue.empty() && !w.busy; });
}
