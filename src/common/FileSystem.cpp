#include "common/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trelon {

namespace {

// The name of an entry of dir equal to part regardless of case (exact spelling preferred),
// or part itself when there is none.
QString matchEntry(const QDir& dir, const QString& part) {
    if (part == QLatin1String(".") || part == QLatin1String("..") || dir.exists(part)) {
        return part;
    }
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return part;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool syncFile(int fd) {
    return ::fsync(fd) == 0;
}

void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString resolvePath(const QString& dir, const QString& relativeName) {
    QString path = dir;
    const QStringList parts = QString(relativeName)
                                  .replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString name = matchEntry(QDir(path.isEmpty() ? QStringLiteral(".") : path), part);
        if (!path.isEmpty() && !path.endsWith(QLatin1Char('/'))) {
            path += QLatin1Char('/');
        }
        path += name;
    }
    return path;
}

bool existsIgnoringCase(const QString& dir, const QString& relativeName) {
    return QFileInfo::exists(resolvePath(dir, relativeName));
}

FileResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QString temp = folder + QStringLiteral("/.") + info.fileName() + QStringLiteral(".tmp");
    const QByteArray tempName = QFile::encodeName(temp);
    const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return {QStringLiteral("Не удалось записать файл %1: %2").arg(path, systemError())};
    }
    if (!writeAll(fd, bytes) || !syncFile(fd)) {
        const QString why = systemError();
        ::close(fd);
        ::unlink(tempName.constData());
        return {QStringLiteral("Не удалось записать файл %1: %2").arg(path, why)};
    }
    ::close(fd);
    if (::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0) {
        const QString why = systemError();
        ::unlink(tempName.constData());
        return {QStringLiteral("Не удалось заменить файл %1: %2").arg(path, why)};
    }
    syncFolder(folder);
    return {};
}

FileResult appendToFile(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        return {QStringLiteral("Не удалось открыть файл %1: %2").arg(path, systemError())};
    }
    if (!writeAll(fd, bytes) || !syncFile(fd)) {
        const QString why = systemError();
        ::close(fd);
        return {QStringLiteral("Не удалось записать файл %1: %2").arg(path, why)};
    }
    ::close(fd);
    return {};
}

FileResult appendRecordToFile(const QString& path, const QByteArray& record) {
    const bool existed = QFileInfo::exists(path);
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return {QStringLiteral("Не удалось открыть файл %1: %2").arg(path, systemError())};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const QString why = systemError();
        ::close(fd);
        return {QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, why)};
    }
    const off_t recordSize = static_cast<off_t>(record.size());
    const off_t end =
        recordSize > 0 ? status.st_size - status.st_size % recordSize : status.st_size;
    if (::lseek(fd, end, SEEK_SET) < 0 || !writeAll(fd, record) || !syncFile(fd)) {
        const QString why = systemError();
        ::close(fd);
        return {QStringLiteral("Не удалось записать файл %1: %2").arg(path, why)};
    }
    ::close(fd);
    if (!existed) {
        syncFolder(QFileInfo(path).absolutePath());
    }
    return {};
}

} // namespace trelon
