#include "results/SessionDate.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace trelon;

TEST(SessionDate, CountsWholeDaysFromTheEndOf1899) {
    EXPECT_EQ(SessionDateFromDate(QDate(2026, 12, 7)), 46363.0);
    EXPECT_EQ(SessionDateFromDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(SessionDateFromDate(QDate(1900, 3, 1)), 61.0);
    EXPECT_EQ(SessionDateFromDate(QDate(1899, 12, 29)), -1.0);
    EXPECT_EQ(SessionDateFromDate(QDate()), 0.0);
}

TEST(SessionDate, ReadsBackTheDateDroppingTheTimeOfDay) {
    EXPECT_EQ(DateFromSessionDate(46363.0), QDate(2026, 12, 7));
    EXPECT_EQ(DateFromSessionDate(46363.75), QDate(2026, 12, 7));
    EXPECT_EQ(DateFromSessionDate(0.0), QDate(1899, 12, 30));
    for (const QDate date : {QDate(2000, 2, 29), QDate(100, 1, 1), QDate(9999, 12, 31)}) {
        EXPECT_EQ(DateFromSessionDate(SessionDateFromDate(date)), date);
    }
}

TEST(SessionDate, RubbishFromAFileGivesNoDate) {
    EXPECT_FALSE(DateFromSessionDate(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(DateFromSessionDate(std::numeric_limits<double>::infinity()).isValid());
    EXPECT_FALSE(DateFromSessionDate(1e300).isValid());
    EXPECT_FALSE(DateFromSessionDate(SessionDateFromDate(QDate(99, 12, 31))).isValid());
    EXPECT_FALSE(DateFromSessionDate(SessionDateFromDate(QDate(10000, 1, 1))).isValid());
}
