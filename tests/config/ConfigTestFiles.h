#pragma once
// Helpers for the configuration tests: files written as raw Windows-1251 bytes with CR LF.
#include "common/Cp1251.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace trelon::test {

// The lines encoded in Windows-1251, each ended by CR LF.
inline QByteArray iniBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toCp1251(line).value() + "\r\n";
    }
    return bytes;
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace trelon::test
