// The libc calls the file fault library stands in for. Each forwards to the next definition in
// the symbol search order (libc's), after counting a step when it touches the watched folder.
#include "FaultSteps.h"
#include "support/faults/FileFaults.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

typedef ssize_t (*WriteFn)(int, const void*, size_t);
typedef int (*SyncFn)(int);
typedef int (*RenameFn)(const char*, const char*);
typedef int (*RenameAtFn)(int, const char*, int, const char*);
typedef int (*RenameAt2Fn)(int, const char*, int, const char*, unsigned int);
typedef int (*TruncateFn)(int, off_t);
typedef int (*OpenFn)(const char*, int, ...);
typedef int (*OpenAtFn)(int, const char*, int, ...);

// Defines real_NAME(), which finds libc's NAME once and caches it.
#define REAL_FUNCTION(Type, name)                                                                  \
    static Type real_##name(void) {                                                                \
        static _Atomic(Type) cached;                                                               \
        Type function = atomic_load_explicit(&cached, memory_order_relaxed);                       \
        if (function == NULL) {                                                                    \
            *(void**)&function = dlsym(RTLD_NEXT, #name);                                          \
            if (function == NULL) {                                                                \
                fprintf(stderr, "trelon_file_faults: no %s after this library\n", #name);          \
                abort();                                                                           \
            }                                                                                      \
            atomic_store_explicit(&cached, function, memory_order_relaxed);                        \
        }                                                                                          \
        return function;                                                                           \
    }

REAL_FUNCTION(WriteFn, write)
REAL_FUNCTION(SyncFn, fsync)
REAL_FUNCTION(SyncFn, fdatasync)
REAL_FUNCTION(RenameFn, rename)
REAL_FUNCTION(RenameAtFn, renameat)
REAL_FUNCTION(RenameAt2Fn, renameat2)
REAL_FUNCTION(TruncateFn, ftruncate)
REAL_FUNCTION(TruncateFn, ftruncate64)
REAL_FUNCTION(OpenFn, open)
REAL_FUNCTION(OpenFn, open64)
REAL_FUNCTION(OpenAtFn, openat)
REAL_FUNCTION(OpenAtFn, openat64)

// Reads the path an open descriptor refers to; false when there is none.
static bool descriptorPath(int fd, char* path, size_t size) {
    char link[32];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, size - 1);
    if (length < 0) {
        return false;
    }
    path[length] = '\0';
    return true;
}

static bool descriptorWatched(int fd) {
    if (fd < 0 || !faultsWatching()) {
        return false;
    }
    const int savedErrno = errno;
    char path[PATH_MAX];
    const bool watched = descriptorPath(fd, path, sizeof path) && faultsInsideFolder(path);
    errno = savedErrno;
    return watched;
}

// Makes name (relative to dirFd) absolute and resolves its folder; the entry itself may be
// missing, as the target of a rename is.
static bool resolveName(int dirFd, const char* name, char* path, size_t size) {
    char joined[PATH_MAX];
    if (name[0] == '/') {
        snprintf(joined, sizeof joined, "%s", name);
    } else {
        char base[PATH_MAX];
        const bool known = dirFd == AT_FDCWD ? getcwd(base, sizeof base) != NULL
                                             : descriptorPath(dirFd, base, sizeof base);
        if (!known || snprintf(joined, sizeof joined, "%s/%s", base, name) >= (int)sizeof joined) {
            return false;
        }
    }
    char* slash = strrchr(joined, '/');
    *slash = '\0';
    char folder[PATH_MAX];
    if (realpath(joined[0] == '\0' ? "/" : joined, folder) == NULL) {
        snprintf(folder, sizeof folder, "%s", joined);
    }
    return snprintf(path, size, "%s/%s", strcmp(folder, "/") == 0 ? "" : folder, slash + 1) <
           (int)size;
}

static bool namesWatched(int oldDirFd, const char* oldName, int newDirFd, const char* newName) {
    if (!faultsWatching() || oldName == NULL || newName == NULL) {
        return false;
    }
    const int savedErrno = errno;
    char path[PATH_MAX];
    const bool watched =
        (resolveName(oldDirFd, oldName, path, sizeof path) && faultsInsideFolder(path)) ||
        (resolveName(newDirFd, newName, path, sizeof path) && faultsInsideFolder(path));
    errno = savedErrno;
    return watched;
}

// Takes the step of a watched call other than write(); true (errno set) when it is to fail.
static bool stepFails(void) {
    const FaultStep step = faultsTakeStep(false);
    if (step.fail) {
        errno = step.error;
    }
    return step.fail;
}

TRELON_FAULTS_API ssize_t write(int fd, const void* data, size_t size) {
    if (descriptorWatched(fd)) {
        const FaultStep step = faultsTakeStep(true);
        if (step.fail) {
            errno = step.error;
            return -1;
        }
        if (step.maxBytes >= 0 && size > (size_t)step.maxBytes) {
            size = (size_t)step.maxBytes;
        }
    }
    return real_write()(fd, data, size);
}

TRELON_FAULTS_API int fsync(int fd) {
    return descriptorWatched(fd) && stepFails() ? -1 : real_fsync()(fd);
}

TRELON_FAULTS_API int fdatasync(int fd) {
    return descriptorWatched(fd) && stepFails() ? -1 : real_fdatasync()(fd);
}

TRELON_FAULTS_API int rename(const char* oldName, const char* newName) {
    return namesWatched(AT_FDCWD, oldName, AT_FDCWD, newName) && stepFails()
               ? -1
               : real_rename()(oldName, newName);
}

TRELON_FAULTS_API int renameat(int oldDirFd, const char* oldName, int newDirFd,
                               const char* newName) {
    return namesWatched(oldDirFd, oldName, newDirFd, newName) && stepFails()
               ? -1
               : real_renameat()(oldDirFd, oldName, newDirFd, newName);
}

TRELON_FAULTS_API int renameat2(int oldDirFd, const char* oldName, int newDirFd,
                                const char* newName, unsigned int flags) {
    return namesWatched(oldDirFd, oldName, newDirFd, newName) && stepFails()
               ? -1
               : real_renameat2()(oldDirFd, oldName, newDirFd, newName, flags);
}

TRELON_FAULTS_API int ftruncate(int fd, off_t length) {
    return descriptorWatched(fd) && stepFails() ? -1 : real_ftruncate()(fd, length);
}

TRELON_FAULTS_API int ftruncate64(int fd, off_t length) {
    return descriptorWatched(fd) && stepFails() ? -1 : real_ftruncate64()(fd, length);
}

// An open that may write or create is a step only while opens are counted, so the steps of
// tests that count writes alone stay as they are.
static bool openFails(int dirFd, const char* name, int flags) {
    if (!faultsCountingOpens() || (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) == 0 ||
        !namesWatched(dirFd, name, dirFd, name)) {
        return false;
    }
    return stepFails();
}

// The mode argument exists only when the flags create a file.
#define OPEN_MODE(flags, last)                                                                     \
    mode_t mode = 0;                                                                               \
    if ((flags) & (O_CREAT | O_TMPFILE)) {                                                         \
        va_list arguments;                                                                         \
        va_start(arguments, last);                                                                 \
        mode = va_arg(arguments, mode_t);                                                          \
        va_end(arguments);                                                                         \
    }

TRELON_FAULTS_API int open(const char* name, int flags, ...) {
    OPEN_MODE(flags, flags)
    return openFails(AT_FDCWD, name, flags) ? -1 : real_open()(name, flags, mode);
}

TRELON_FAULTS_API int open64(const char* name, int flags, ...) {
    OPEN_MODE(flags, flags)
    return openFails(AT_FDCWD, name, flags) ? -1 : real_open64()(name, flags, mode);
}

TRELON_FAULTS_API int openat(int dirFd, const char* name, int flags, ...) {
    OPEN_MODE(flags, flags)
    return openFails(dirFd, name, flags) ? -1 : real_openat()(dirFd, name, flags, mode);
}

TRELON_FAULTS_API int openat64(int dirFd, const char* name, int flags, ...) {
    OPEN_MODE(flags, flags)
    return openFails(dirFd, name, flags) ? -1 : real_openat64()(dirFd, name, flags, mode);
}
