#include "forms/win32/decoding_worker.h"

#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/detached_thread.h"

namespace forms::win32 {

namespace {

struct Queue {
    std::mutex lock;
    std::condition_variable asked;
    std::deque<std::packaged_task<image::Picture()>> tasks;
    bool worker_started = false;
};

// Never destroyed: the worker may still be decoding when the program ends,
// and ending the process ends it there.
Queue& queue() {
    static Queue* q = new Queue;
    return *q;
}

[[noreturn]] void work() {
    Queue& q = queue();
    for (;;) {
        std::unique_lock held(q.lock);
        q.asked.wait(held, [&] { return !q.tasks.empty(); });
        std::packaged_task<image::Picture()> task = std::move(q.tasks.front());
        q.tasks.pop_front();
        held.unlock();
        task();
    }
}

}  // namespace

std::future<image::Picture> decode_soon(Picture source) {
    std::packaged_task<image::Picture()> task([source] { return image::decode_picture(*source); });
    std::future<image::Picture> decoded = task.get_future();
    Queue& q = queue();
    std::unique_lock held(q.lock);
    if (!q.worker_started) {
        if (!start_detached_thread(work)) {
            // No thread to be had: decoded here and now.
            held.unlock();
            task();
            return decoded;
        }
        q.worker_started = true;
    }
    q.tasks.push_back(std::move(task));
    held.unlock();
    q.asked.notify_one();
    return decoded;
}

}  // namespace forms::win32
