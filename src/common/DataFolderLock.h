#pragma once
// The data folder's lock: an advisory record lock (fcntl) on a lock file inside the folder,
// held while the program reads, changes and writes back the folder's files. Two copies of the
// program on one folder (on one PC or over a network share) take turns: each change starts
// from the files as the other copy left them.
//
// POSIX record locks belong to the process: a second lock on the same folder taken while the
// first is held would share it, and releasing either would release both. So callers hold one
// lock at a time and never nest them.
#include <QString>

namespace trelon {

class DataFolderLock {
public:
    // How long a change waits for the other copy before giving up.
    static constexpr int kDefaultWaitMs = 5000;

    // Takes the lock on folder's lock file (created when missing), waiting at most waitMs.
    explicit DataFolderLock(const QString& folder, int waitMs = kDefaultWaitMs);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    bool locked() const { return fd_ >= 0; }
    // True when the lock was not had because another copy held it all the wait.
    bool busy() const { return busy_; }
    // Why the lock was not taken, for the operator; empty when it was.
    const QString& error() const { return error_; }

    // The lock file of folder.
    static QString lockFileIn(const QString& folder);
    // The folder whose lock guards the results file at path: results files lie in the data
    // folder itself or in its results subfolder ("Rezults", any letter case).
    static QString dataFolderOfResults(const QString& path);

private:
    int fd_ = -1;
    bool busy_ = false;
    QString error_;
};

} // namespace trelon
