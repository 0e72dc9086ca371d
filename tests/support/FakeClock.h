#pragma once
// A clock that moves only when the test moves it.
#include "platform/Clock.h"

namespace trelon::test {

class FakeClock : public Clock {
public:
    int now = 10 * 3600 * 1000; // 10:00:00.000
    QDate date{2024, 3, 15};

    int millisecondsSinceMidnight() const override { return now; }
    QDate today() const override { return date; }
    void advance(int milliseconds) { now += milliseconds; }
};

} // namespace trelon::test
