#include "results/SessionDate.h"

#include <cmath>

namespace trelon {

namespace {

QDate dayZero() {
    return QDate(1899, 12, 30);
}

// Day counts of 1 January 100 and 31 December 9999, the range stored dates may take.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

} // namespace

double SessionDateFromDate(QDate date) {
    if (!date.isValid()) {
        return 0.0;
    }
    return static_cast<double>(dayZero().daysTo(date));
}

QDate DateFromSessionDate(double days) {
    if (!std::isfinite(days)) {
        return {};
    }
    const double whole = std::trunc(days);
    if (whole < kFirstDay || whole > kLastDay) {
        return {};
    }
    return dayZero().addDays(static_cast<qint64>(whole));
}

} // namespace trelon
