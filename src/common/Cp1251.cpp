#include "common/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace trelon {

QString fromCp1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

std::optional<QByteArray> toCp1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    // Round trip: some converters substitute '?' silently instead of flagging an error.
    if (fromCp1251(bytes) != text) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace trelon
