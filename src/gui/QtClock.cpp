#include "gui/QtClock.h"

#include <QTime>

namespace trelon {

int QtClock::millisecondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay();
}

QDate QtClock::today() const {
    return QDate::currentDate();
}

} // namespace trelon
