#pragma once
// Fault injection for file tests. Needs the trelon_file_faults library linked into the test
// program: it stands in for libc's write, fsync, fdatasync and rename calls of the whole
// process (the program's own code and Qt alike), and ftruncate and opens for writing. Each such
// call on a path inside the watched folder is one numbered step; a test counts the steps, fails a
// chosen one with an errno, cuts writes short, or kills the process just before a step. Calls
// elsewhere are left alone.
#include "support/faults/FileFaults.h"

#include <QFile>
#include <QString>
#include <QtGlobal>
#include <cerrno>

namespace trelon::test {

class FileWriteFaults {
public:
    enum class Action { Kill, Fail };

    // Counts the calls on paths inside folder, the folder included; an empty folder watches
    // nothing. Survives reset().
    static void watch(const QString& folder) {
        trelon_faults_watch(folder.isEmpty() ? nullptr : QFile::encodeName(folder).constData());
    }
    // Disarms, removes the size limit and counts steps from zero again.
    static void reset() { trelon_faults_reset(); }
    // Acts once, just before the given 1-based step (counted since the last reset): Kill ends
    // the process with SIGKILL, Fail makes the call return -1 with errno set to error.
    static void arm(int step, Action action, int error = EIO) {
        if (action == Action::Kill) {
            trelon_faults_arm_kill(step);
        } else {
            trelon_faults_arm_fail(step, error, 0);
        }
    }
    // A disk filling up: the write() at the given step writes only its first bytes and reports
    // them written; the next step fails with error.
    static void armShortWrite(int step, qsizetype bytes, int error = ENOSPC) {
        trelon_faults_arm_fail(step, error, bytes);
    }
    // Each write() call writes at most this many bytes; 0 removes the limit.
    static void limitWriteSize(qsizetype bytes) { trelon_faults_limit_write_size(bytes); }
    // Opens that may write or create count as steps too, until the next reset (a failed one
    // stands for a read-only file or file system: EACCES, EROFS).
    static void countOpens() { trelon_faults_count_opens(1); }
    // Each step waits this long first (a slow share), until the next reset.
    static void delaySteps(long microseconds) { trelon_faults_delay_steps(microseconds); }
    // Steps made since the last reset.
    static int stepsTaken() { return trelon_faults_steps_taken(); }
};

} // namespace trelon::test
