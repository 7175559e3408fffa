// The program's message loops are Qt event loops nested on one stack; a
// window's end wakes them all, and each looks again at what it waits for.
#include <QEventLoop>
#include <vector>

#include "forms/view.h"

namespace forms {

namespace {

std::vector<QEventLoop*>& running() {
    static std::vector<QEventLoop*> loops;
    return loops;
}

}  // namespace

void run_loop_until(const std::function<bool()>& done) {
    QEventLoop loop;
    running().push_back(&loop);
    // -1: the application itself was told to quit; no loop of ours can go on.
    while (!done())
        if (loop.exec() == -1) break;
    running().pop_back();
}

void wake_loops() {
    for (QEventLoop* loop : running()) loop->exit();
}

}  // namespace forms
