#pragma once
// Timers on QTimer: ticks arrive through the event loop of the user-interface thread.
#include "platform/Timer.h"

#include <QTimer>

namespace trelon {

class QtTimer : public Timer {
public:
    QtTimer(const char* name, int interval);

    void setInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
    int interval() const override { return timer_.interval(); }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }
    void setCallback(std::function<void()> callback) override;

private:
    QTimer timer_;
    std::function<void()> callback_;
};

class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer(const char* name, int interval) override;
};

} // namespace trelon
