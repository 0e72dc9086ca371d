#include "gui/QtTimer.h"

namespace trelon {

QtTimer::QtTimer(const char* name, int interval) {
    timer_.setObjectName(QString::fromLatin1(name));
    timer_.setInterval(interval);
    // Millisecond accuracy: the flicker and the procedures' clocks keep their periods.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        if (callback_) {
            callback_();
        }
    });
}

void QtTimer::setCallback(std::function<void()> callback) {
    callback_ = std::move(callback);
}

std::unique_ptr<Timer> QtTimerFactory::createTimer(const char* name, int interval) {
    return std::make_unique<QtTimer>(name, interval);
}

} // namespace trelon
