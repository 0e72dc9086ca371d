#include "common/FileSystem.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace trelon {

namespace {

constexpr char kTemporarySuffix[] = ".trelon-tmp";

// The name of an entry of dir equal to part regardless of case (exact spelling preferred),
// or part itself when there is none. Reads names only, unsorted and without a status call per
// entry: a results folder holds one file per patient.
QString matchEntry(const QString& dir, const QString& part) {
    if (part == QLatin1String(".") || part == QLatin1String("..")) {
        return part;
    }
    if (::access(QFile::encodeName(dir + QLatin1Char('/') + part).constData(), F_OK) == 0) {
        return part;
    }
    DIR* entries = ::opendir(QFile::encodeName(dir).constData());
    if (entries == nullptr) {
        return part;
    }
    QString found = part;
    while (const dirent* entry = ::readdir(entries)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name != QLatin1String(".") && name != QLatin1String("..") &&
            name.compare(part, Qt::CaseInsensitive) == 0) {
            found = name;
            break;
        }
    }
    ::closedir(entries);
    return found;
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

QString writeError(const QString& path, const QString& why) {
    return QStringLiteral("Не удалось записать файл %1: %2").arg(path, why);
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

// Gives the replacement (open as fd) what the file at path has: its permission bits, its owner
// and group where the process may set them, and its access control list. A shared folder whose
// files are group-writable stays usable by the next operator. Best effort: a file system
// without owners or lists keeps what it can.
void keepAttributes(const QByteArray& path, int fd) {
    struct stat old {};
    if (::stat(path.constData(), &old) != 0) {
        return;
    }
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    ::fchmod(fd, old.st_mode & 07777);
    constexpr char kAcl[] = "system.posix_acl_access";
    const ssize_t size = ::getxattr(path.constData(), kAcl, nullptr, 0);
    if (size > 0) {
        QByteArray acl(static_cast<qsizetype>(size), '\0');
        if (::getxattr(path.constData(), kAcl, acl.data(), static_cast<size_t>(size)) == size) {
            ::fsetxattr(fd, kAcl, acl.constData(), static_cast<size_t>(size), 0);
        }
    }
}

} // namespace

QString resolvePath(const QString& dir, const QString& relativeName) {
    QString path = dir;
    const QStringList parts = QString(relativeName)
                                  .replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString name = matchEntry(path.isEmpty() ? QStringLiteral(".") : path, part);
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

QString temporaryFileFor(const QString& path) {
    // The process id and a random part: two copies of the program writing the same file never
    // share a temporary file, and a leftover of an earlier run is never reused.
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') +
           QString::number(::getpid()) + QLatin1Char('-') +
           QString::number(QRandomGenerator::system()->generate64(), 36) +
           QLatin1String(kTemporarySuffix);
}

void removeInterruptedWrites(const QString& folder) {
    // A plain name test rather than a wildcard filter, which would be compiled at every call.
    QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QString name = entries.fileName();
        if (name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(kTemporarySuffix))) {
            QFile::remove(path);
        }
    }
}

FileResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray pathName = QFile::encodeName(path);
    // A file the operator may not write stays as it is, although its folder would allow
    // replacing it.
    if (::access(pathName.constData(), F_OK) == 0 && ::access(pathName.constData(), W_OK) != 0) {
        return {writeError(path, systemError())};
    }
    QByteArray tempName;
    int fd = -1;
    do {
        tempName = QFile::encodeName(temporaryFileFor(path));
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0) {
        return {writeError(path, systemError())};
    }
    keepAttributes(pathName, fd);
    if (!writeAll(fd, bytes) || !syncFile(fd)) {
        const QString why = systemError();
        ::close(fd);
        ::unlink(tempName.constData());
        return {writeError(path, why)};
    }
    ::close(fd);
    if (::rename(tempName.constData(), pathName.constData()) != 0) {
        const QString why = systemError();
        ::unlink(tempName.constData());
        return {QStringLiteral("Не удалось заменить файл %1: %2").arg(path, why)};
    }
    syncFolder(folder);
    return {};
}

namespace {

// Writes bytes at offset of the open file and flushes them. On failure the file is cut back to
// its old length and the bytes it had from offset on (tail) are put back, so it is as before.
FileResult writeOrRestore(int fd, const QString& path, off_t oldLength, off_t offset,
                          const QByteArray& tail, const QByteArray& bytes) {
    if (::lseek(fd, offset, SEEK_SET) >= 0 && writeAll(fd, bytes) && syncFile(fd)) {
        return {};
    }
    const QString why = systemError();
    const bool restored =
        ::ftruncate(fd, oldLength) == 0 &&
        (tail.isEmpty() || (::lseek(fd, offset, SEEK_SET) >= 0 && writeAll(fd, tail))) &&
        syncFile(fd);
    return {restored
                ? QStringLiteral("Не удалось записать файл %1: %2. Файл оставлен без изменений.")
                      .arg(path, why)
                : QStringLiteral("Не удалось записать файл %1: %2. Файл не удалось вернуть к "
                                 "прежнему виду: в конце могут остаться лишние байты.")
                      .arg(path, why)};
}

// Opens path for writing, creating it when missing; the old length goes to length.
int openForAppend(const QString& path, off_t& length, FileResult& failure) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        failure = {QStringLiteral("Не удалось открыть файл %1: %2").arg(path, systemError())};
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        failure = {QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, systemError())};
        ::close(fd);
        return -1;
    }
    length = status.st_size;
    return fd;
}

} // namespace

FileResult appendToFile(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    off_t length = 0;
    FileResult result;
    const int fd = openForAppend(path, length, result);
    if (fd < 0) {
        return result;
    }
    result = writeOrRestore(fd, path, length, length, {}, bytes);
    ::close(fd);
    if (result.ok() && !existed) {
        syncFolder(QFileInfo(path).absolutePath());
    }
    return result;
}

FileResult appendRecordToFile(const QString& path, const QByteArray& record) {
    const bool existed = QFileInfo::exists(path);
    off_t length = 0;
    FileResult result;
    const int fd = openForAppend(path, length, result);
    if (fd < 0) {
        return result;
    }
    // A torn record at the end is overwritten; its bytes are kept to put back on failure.
    const off_t recordSize = static_cast<off_t>(record.size());
    const off_t end = recordSize > 0 ? length - length % recordSize : length;
    QByteArray tail(static_cast<qsizetype>(length - end), '\0');
    if (!tail.isEmpty() && ::pread(fd, tail.data(), static_cast<size_t>(tail.size()), end) !=
                               static_cast<ssize_t>(tail.size())) {
        const QString why = systemError();
        ::close(fd);
        return {QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, why)};
    }
    // Without a torn tail the record is written in append mode: it lands after whatever is in
    // the file at that moment, even should a writer that does not lock have added to it.
    if (tail.isEmpty()) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_APPEND);
    }
    result = writeOrRestore(fd, path, length, end, tail, record);
    ::close(fd);
    if (result.ok() && !existed) {
        syncFolder(QFileInfo(path).absolutePath());
    }
    return result;
}

} // namespace trelon
