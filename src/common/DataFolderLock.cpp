#include "common/DataFolderLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
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
    // Everyone who may write the folder may lock it; the umask narrows this as for any file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
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
