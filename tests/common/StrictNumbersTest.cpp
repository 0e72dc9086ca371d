#include "common/StrictNumbers.h"

#include <gtest/gtest.h>

using namespace trelon;

TEST(StrictNumbers, WholeNumbersTakeSignDecimalAndDollarHex) {
    EXPECT_EQ(strToInt(QStringLiteral("0")), 0);
    EXPECT_EQ(strToInt(QStringLiteral("145")), 145);
    EXPECT_EQ(strToInt(QStringLiteral("+7")), 7);
    EXPECT_EQ(strToInt(QStringLiteral("-12")), -12);
    EXPECT_EQ(strToInt(QStringLiteral("007")), 7);
    EXPECT_EQ(strToInt(QStringLiteral("$1F")), 31);
    EXPECT_EQ(strToInt(QStringLiteral("$ff")), 255);
    EXPECT_EQ(strToInt(QStringLiteral("-$10")), -16);
    EXPECT_EQ(strToInt(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(strToInt(QStringLiteral("-2147483648")), -2147483647 - 1);
}

TEST(StrictNumbers, WholeNumbersRefuseAnythingElse) {
    for (const char* text :
         {"", "-", "+", "$", "-$", "1.0", "1,0", " 1", "1 ", "0x10", "12a", "$1G", "1e3", "--1",
          "2147483648", "-2147483649", "$80000000", "99999999999999999999"}) {
        EXPECT_FALSE(strToInt(QLatin1String(text))) << text;
    }
    EXPECT_FALSE(strToInt(QStringLiteral("１２"))); // full-width digits
}

TEST(StrictNumbers, DecimalsTakeEitherSeparatorAndAnExponent) {
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("2")).value(), 2.0);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("0,5")).value(), 0.5);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("0.5")).value(), 0.5);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("-1.5e3")).value(), -1500.0);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral(",25")).value(), 0.25);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("3.")).value(), 3.0);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("+2E-2")).value(), 0.02);
}

TEST(StrictNumbers, DecimalsRefuseAnythingElse) {
    for (const char* text : {"", ".", ",", "-", "inf", "nan", "1.2.3", "1,000.5", "e5", "1e", "1e+",
                             " 1", "1 ", "0x1p3", "$10", "1e999", "1..2"}) {
        EXPECT_FALSE(strToFloat(QLatin1String(text))) << text;
    }
}

TEST(StrictInteger, AcceptsSignsDecimalAndDollarHexWithinRange) {
    EXPECT_EQ(strToInt(QStringLiteral("12")), 12);
    EXPECT_EQ(strToInt(QStringLiteral("007")), 7);
    EXPECT_EQ(strToInt(QStringLiteral("+5")), 5);
    EXPECT_EQ(strToInt(QStringLiteral("-3")), -3);
    EXPECT_EQ(strToInt(QStringLiteral("$1f")), 31);
    EXPECT_EQ(strToInt(QStringLiteral("-$10")), -16);
    EXPECT_EQ(strToInt(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(strToInt(QStringLiteral("-2147483648")), -2147483647 - 1);
}

TEST(StrictInteger, RefusesBlanksEmptyPartsAndOverflow) {
    for (const char* text : {"", " 5", "5 ", "-", "+", "$", "1e3", "1.0", "12a", "$g", "--1",
                             "2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_FALSE(strToInt(QString::fromLatin1(text)).has_value()) << text;
    }
}
