#pragma once
// The screens were designed with Windows fonts; these are the nearest Linux fonts with
// Cyrillic letters (Liberation is metric-compatible with Arial and Times New Roman).
#include <QColor>
#include <QFont>
#include <QString>

namespace trelon {

QFont windowsFont(const QString& windowsFamily, int pixelSize, bool bold);

// A colour given as a Windows colour value (red + 256 * green + 65536 * blue).
inline QColor windowsColour(unsigned value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace trelon
