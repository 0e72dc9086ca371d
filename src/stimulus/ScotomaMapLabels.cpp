#include "stimulus/ScotomaMapLabels.h"

#include "common/Rounding.h"

namespace trelon {

double scotomaRingDegrees(int k, double distanceCm) {
    if (!(distanceCm > 0)) {
        return 0;
    }
    const long long hundredths = roundHalfEven(k * 50 / distanceCm * 100);
    return static_cast<double>(hundredths / 10) / 10;
}

QString shortestDecimal(double value) {
    if (value == 0) {
        return QStringLiteral("0"); // also for -0
    }
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace trelon
