#pragma once
// Timers the core asks for. Each one calls its callback every interval while it is active,
// on the user-interface thread, so a tick never overlaps an input handler or another tick.
#include <functional>
#include <memory>

namespace trelon {

class Timer {
public:
    virtual ~Timer() = default;
    // Milliseconds between ticks. Changing it while the timer runs starts the count again.
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Starts the timer; a running timer starts counting its interval again.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    // What a tick does. The callback may stop or restart its own timer.
    virtual void setCallback(std::function<void()> callback) = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    // A new stopped timer. The name identifies it in tests and debugging.
    virtual std::unique_ptr<Timer> createTimer(const char* name, int interval) = 0;
};

} // namespace trelon
