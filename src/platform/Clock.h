#pragma once
// The time of day and today's date, as the procedures read them.
#include <QDate>

namespace trelon {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since midnight, local time. Only differences are used; a run across
    // midnight is not handled.
    virtual int millisecondsSinceMidnight() const = 0;
    virtual QDate today() const = 0;
};

} // namespace trelon
