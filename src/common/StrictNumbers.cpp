#include "common/StrictNumbers.h"

#include <cmath>
#include <limits>

namespace trelon {

namespace {

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int digit = 99;
    if (u >= u'0' && u <= u'9') {
        digit = u - u'0';
    } else if (u >= u'a' && u <= u'f') {
        digit = u - u'a' + 10;
    } else if (u >= u'A' && u <= u'F') {
        digit = u - u'A' + 10;
    }
    return digit < base ? digit : -1;
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<int> strToInt(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    const qint64 limit = qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::optional<double> strToFloat(const QString& text) {
    // Checked by hand so that "inf", "nan", hexadecimal or grouped forms never pass.
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        return i - start;
    };
    const auto sign = [&] {
        if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            ++i;
        }
    };
    sign();
    qsizetype mantissaDigits = digits();
    if (i < text.size() && (text[i] == QLatin1Char('.') || text[i] == QLatin1Char(','))) {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        sign();
        if (digits() == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace trelon
