#pragma once
// The stored form of a result record: 288 bytes, little-endian, every field at its fixed
// offset. Short strings are a length byte followed by Windows-1251 characters.
#include "results/ResultRecord.h"

#include <QByteArray>
#include <optional>

namespace trelon {

// Encodes record into exactly kResultRecordSize bytes. Strings are cut to their capacity;
// a character that Windows-1251 cannot hold is stored as '?', so a result is never lost for
// the sake of one character. Padding, the reserved bytes and the bytes after each string's
// characters are zero.
QByteArray EncodeResultRecord(const ResultRecord& record);

// Decodes kResultRecordSize bytes; nothing when bytes has another size. A length byte larger
// than the string's capacity is read as the capacity; bytes after the characters, padding
// and the reserved bytes are ignored.
std::optional<ResultRecord> DecodeResultRecord(const QByteArray& bytes);

} // namespace trelon
