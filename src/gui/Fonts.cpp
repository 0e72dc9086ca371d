#include "gui/Fonts.h"

namespace trelon {

QFont windowsFont(const QString& windowsFamily, int pixelSize, bool bold) {
    QString family = QStringLiteral("Liberation Sans");
    if (windowsFamily.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0) {
        family = QStringLiteral("DejaVu Sans");
    } else if (windowsFamily.contains(QLatin1String("Times"), Qt::CaseInsensitive)) {
        family = QStringLiteral("Liberation Serif");
    } else if (windowsFamily.contains(QLatin1String("Courier"), Qt::CaseInsensitive)) {
        family = QStringLiteral("Liberation Mono");
    }
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace trelon
