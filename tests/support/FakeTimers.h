#pragma once
// Timers that tick only when the test fires them, so a 15-second pause runs at once. A name
// finds the timer made last under it.
#include "platform/Timer.h"

#include <QString>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace trelon::test {

class FakeTimer : public Timer {
public:
    explicit FakeTimer(int interval) : interval_(interval) {}
    // A timer that dies (a procedure's clock when the next run's procedure replaces it) is no
    // longer found under its name.
    ~FakeTimer() override {
        if (slot_ != nullptr && *slot_ == this) {
            *slot_ = nullptr;
        }
    }
    FakeTimer(const FakeTimer&) = delete;
    FakeTimer& operator=(const FakeTimer&) = delete;

    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void start() override {
        active_ = true;
        ++starts_;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    void setCallback(std::function<void()> callback) override { callback_ = std::move(callback); }

    // One tick, as the event loop would deliver it: only while the timer runs. False when
    // the timer was stopped, so nothing happened.
    bool fire() {
        if (!active_ || !callback_) {
            return false;
        }
        callback_();
        return true;
    }
    int starts() const { return starts_; }

private:
    friend class FakeTimerFactory;
    FakeTimer** slot_ = nullptr;
    int interval_;
    bool active_ = false;
    int starts_ = 0;
    std::function<void()> callback_;
};

class FakeTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer(const char* name, int interval) override {
        auto timer = std::make_unique<FakeTimer>(interval);
        FakeTimer*& slot = timers_[name];
        slot = timer.get();
        timer->slot_ = &slot;
        return timer;
    }
    // The timer made under name; fails the test when there is none.
    FakeTimer& operator[](const std::string& name) {
        const auto found = timers_.find(name);
        if (found == timers_.end() || found->second == nullptr) {
            ADD_FAILURE() << "no timer named " << name;
            static FakeTimer missing(0);
            return missing;
        }
        return *found->second;
    }

private:
    std::map<std::string, FakeTimer*> timers_;
};

} // namespace trelon::test
