#pragma once
// The session date of a result record: whole days since 30 December 1899 (day 0), stored as
// a double without a time-of-day part.
#include <QDate>

namespace trelon {

// The day count of date; 7 December 2026 gives 46363.0. An invalid date gives 0.
double SessionDateFromDate(QDate date);

// The date of a stored day count; any fraction (a time of day) is dropped. Values that are
// not finite or lie outside the years 100..9999 give an invalid QDate.
QDate DateFromSessionDate(double days);

} // namespace trelon
