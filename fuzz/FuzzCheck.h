#pragma once
// What the harnesses share: the libFuzzer entry point, a check that stops the run on a broken
// property, and a scratch folder for the harnesses that go through files.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Aborts (a finding) when the property does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace trelon::fuzz {

inline QByteArray inputBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A folder of this process in memory when /dev/shm exists (files are written at every input);
// removed when the process ends.
inline const QString& scratchPath() {
    static const QString path = []() -> QString {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        return base + QStringLiteral("/trelon-fuzz-") +
               QString::number(QCoreApplication::applicationPid());
    }();
    // Registered after the path is made, so it runs before the path is destroyed.
    static const bool removedAtExit =
        std::atexit([] { QDir(scratchPath()).removeRecursively(); }) == 0;
    Q_UNUSED(removedAtExit);
    return path;
}

// The scratch folder, emptied, with a trailing separator (emptied below Qt: it runs per input).
inline QString scratchFolder() {
    static const std::filesystem::path folder = QFile::encodeName(scratchPath()).toStdString();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder, ignored);
    return scratchPath() + QLatin1Char('/');
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace trelon::fuzz
