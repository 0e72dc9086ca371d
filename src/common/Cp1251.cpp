#include "common/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace trelon {

namespace {

// Windows-1251 is one byte per character without state, so a text converts character by
// character. The tables come from the system converter once; a converter per call cost tens
// of microseconds.
struct Cp1251Tables {
    std::array<QChar, 256> toUnicode;
    std::array<unsigned char, 65536> fromUnicode{};
    std::array<bool, 65536> encodable{};
};

const Cp1251Tables& tables() {
    static const Cp1251Tables made = [] {
        Cp1251Tables t;
        for (int byte = 0; byte < 256; ++byte) {
            QStringDecoder decoder("windows-1251");
            const QString decoded = decoder.decode(QByteArray(1, static_cast<char>(byte)));
            t.toUnicode[byte] =
                decoded.size() == 1 ? decoded.front() : QChar(QChar::ReplacementCharacter);
        }
        // A character is encodable when the converter takes it without error to a byte that
        // decodes to it again (some converters substitute '?' silently).
        for (int byte = 0; byte < 256; ++byte) {
            const QChar c = t.toUnicode[byte];
            QStringEncoder encoder("windows-1251");
            const QByteArray encoded = encoder.encode(QString(c));
            if (!encoder.hasError() && encoded.size() == 1 &&
                t.toUnicode[static_cast<unsigned char>(encoded[0])] == c) {
                t.fromUnicode[c.unicode()] = static_cast<unsigned char>(encoded[0]);
                t.encodable[c.unicode()] = true;
            }
        }
        return t;
    }();
    return made;
}

} // namespace

QString fromCp1251(const QByteArray& bytes) {
    const Cp1251Tables& t = tables();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = t.toUnicode[static_cast<unsigned char>(byte)];
    }
    return text;
}

std::optional<QByteArray> toCp1251(const QString& text) {
    const Cp1251Tables& t = tables();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        if (!t.encodable[c.unicode()]) {
            return std::nullopt;
        }
        *out++ = static_cast<char>(t.fromUnicode[c.unicode()]);
    }
    return bytes;
}

} // namespace trelon
