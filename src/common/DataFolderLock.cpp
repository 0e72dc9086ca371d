#include "common/DataFolderLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace trelon {

namespace {

constexpr char kLockFileName[] = ".trelon-lock";
// Polled rather than F_SETLKW: a blocking wait cannot be bounded without signals, and network
// file systems answer a plain attempt at once.
constexpr std::chrono::milliseconds kRetryPause{10};

bool tryLock(int fd) {
    struct flock region {};
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    region.l_start = 0;
    region.l_len = 0; // the whole file
    return ::fcntl(fd, F_SETLK, &region) == 0;
}

// Opens the lock file for writing (a write lock needs it), creating it when missing. A new lock
// file gets the read and write bits of the folder itself, whatever the creator's umask: in a
// group-writable shared folder every operator who may change the files may also lock them.
int openLockFile(const QString& folder, const QByteArray& path) {
    int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT) {
        return fd;
    }
    fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return errno == EEXIST ? ::open(path.constData(), O_RDWR | O_CLOEXEC) : fd;
    }
    struct stat folderStat {};
    if (::stat(QFile::encodeName(folder).constData(), &folderStat) == 0) {
        ::fchmod(fd, folderStat.st_mode & 0666);
    }
    return fd;
}

} // namespace

QString DataFolderLock::lockFileIn(const QString& folder) {
    return QDir(folder).filePath(QLatin1String(kLockFileName));
}

QString DataFolderLock::dataFolderOfResults(const QString& path) {
    const QFileInfo info(path);
    QDir folder = info.absoluteDir();
    if (folder.dirName().compare(QLatin1String("Rezults"), Qt::CaseInsensitive) == 0) {
        folder.cdUp();
    }
    return folder.absolutePath();
}

DataFolderLock::DataFolderLock(const QString& folder, int waitMs) {
    const QString path = lockFileIn(folder);
    const int fd = openLockFile(folder, QFile::encodeName(path));
    if (fd < 0) {
        error_ = QStringLiteral("Не удалось открыть файл блокировки %1: %2. Ничего не записано.")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (tryLock(fd)) {
            fd_ = fd;
            return;
        }
        const int why = errno;
        const bool busy = why == EACCES || why == EAGAIN || why == EINTR;
        if (!busy || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            busy_ = busy;
            error_ = busy ? QStringLiteral("Папка данных %1 занята другой копией программы. "
                                           "Ничего не записано: повторите через несколько секунд.")
                                .arg(folder)
                          : QStringLiteral("Не удалось заблокировать файл %1: %2. Ничего не "
                                           "записано.")
                                .arg(path, QString::fromLocal8Bit(std::strerror(why)));
            return;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

DataFolderLock::~DataFolderLock() {
    if (fd_ >= 0) {
        ::close(fd_); // closing releases the process's locks on the file
    }
}

} // namespace trelon
