#pragma once
// Windows-1251 text, the code page of every text file the program reads and writes.
#include <QByteArray>
#include <QString>
#include <optional>

namespace trelon {

// Decodes Windows-1251 bytes.
QString fromCp1251(const QByteArray& bytes);

// Encodes to Windows-1251; nothing when a character has no Windows-1251 form.
std::optional<QByteArray> toCp1251(const QString& text);

} // namespace trelon
