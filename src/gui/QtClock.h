#pragma once
// The computer's clock.
#include "platform/Clock.h"

namespace trelon {

class QtClock : public Clock {
public:
    int millisecondsSinceMidnight() const override;
    QDate today() const override;
};

} // namespace trelon
