// The form timers' one platform timer.
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "forms/timers.h"
#include "forms/view.h"

namespace forms {

namespace {

QPointer<QTimer> wakeup;
std::optional<TimerClock::time_point> armed_for;

QTimer* wakeup_timer() {
    if (wakeup == nullptr && QCoreApplication::instance() != nullptr) {
        wakeup = new QTimer(QCoreApplication::instance());
        wakeup->setSingleShot(true);
        wakeup->setTimerType(Qt::PreciseTimer);
        QObject::connect(wakeup, &QTimer::timeout, [] {
            armed_for.reset();
            timers_due();
        });
    }
    return wakeup;
}

}  // namespace

void wake_timers_at(std::optional<TimerClock::time_point> when) {
    if (when == armed_for && (wakeup == nullptr || wakeup->isActive() == when.has_value())) return;
    QTimer* timer = wakeup_timer();
    if (timer == nullptr) return;
    armed_for = when;
    if (!when) {
        timer->stop();
        return;
    }
    // Rounded up: a timer never ticks before it is due.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*when - timers_now());
    timer->start(std::max<std::chrono::milliseconds>(wait, std::chrono::milliseconds(0)));
}

}  // namespace forms
