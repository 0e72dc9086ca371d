// The state of the file fault library: the watched folder, the step counter and the armed
// faults. Lock-free, so an interposed write() stays safe in signal handlers and after fork().
#include "FaultSteps.h"
#include "support/faults/FileFaults.h"

#include <limits.h>
#include <signal.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { kMaxArms = 8 };

typedef struct {
    atomic_int step; // 0: free; claimed (set back to 0) by the step that acts on it
    bool killProcess;
    int error;
    long long partialBytes;
} Arm;

static Arm arms[kMaxArms];
static atomic_int steps;
static atomic_llong writeLimit;
static atomic_bool watching;
static atomic_bool countingOpens;
static atomic_long stepDelayMicros;
// Written by trelon_faults_watch only, while watching is false.
static char folder[PATH_MAX];
static size_t folderLength;

bool faultsWatching(void) {
    return atomic_load_explicit(&watching, memory_order_acquire);
}

bool faultsCountingOpens(void) {
    return atomic_load_explicit(&countingOpens, memory_order_relaxed);
}

void trelon_faults_count_opens(int on) {
    atomic_store(&countingOpens, on != 0);
}

bool faultsInsideFolder(const char* path) {
    return strncmp(path, folder, folderLength) == 0 &&
           (path[folderLength] == '\0' || path[folderLength] == '/');
}

void trelon_faults_watch(const char* path) {
    atomic_store_explicit(&watching, false, memory_order_release);
    if (path == NULL || path[0] == '\0') {
        return;
    }
    // Calls are matched by their resolved paths, so the folder is resolved too.
    char resolved[PATH_MAX];
    if (realpath(path, resolved) == NULL) {
        snprintf(resolved, sizeof resolved, "%s", path);
    }
    size_t length = strlen(resolved);
    while (length > 0 && resolved[length - 1] == '/') {
        --length; // "/" becomes "": every absolute path lies inside it
    }
    memcpy(folder, resolved, length);
    folder[length] = '\0';
    folderLength = length;
    atomic_store_explicit(&watching, true, memory_order_release);
}

void trelon_faults_reset(void) {
    for (int i = 0; i < kMaxArms; ++i) {
        atomic_store(&arms[i].step, 0);
    }
    atomic_store(&writeLimit, 0);
    atomic_store(&countingOpens, false);
    atomic_store(&stepDelayMicros, 0);
    atomic_store(&steps, 0);
}

static void arm(int step, bool killProcess, int error, long long partialBytes) {
    if (step <= 0) {
        return;
    }
    for (int i = 0; i < kMaxArms; ++i) {
        int expected = step;
        int unused = 0;
        // Re-arming a step replaces its fault; -1 marks the slot while it is filled in.
        if (atomic_compare_exchange_strong(&arms[i].step, &expected, -1) ||
            atomic_compare_exchange_strong(&arms[i].step, &unused, -1)) {
            arms[i].killProcess = killProcess;
            arms[i].error = error;
            arms[i].partialBytes = partialBytes;
            atomic_store_explicit(&arms[i].step, step, memory_order_release);
            return;
        }
    }
    fprintf(stderr, "trelon_file_faults: more than %d faults armed at once\n", kMaxArms);
    abort();
}

void trelon_faults_arm_kill(int step) {
    arm(step, true, 0, 0);
}

void trelon_faults_arm_fail(int step, int error, long long partialBytes) {
    arm(step, false, error, partialBytes);
}

void trelon_faults_limit_write_size(long long bytes) {
    atomic_store(&writeLimit, bytes > 0 ? bytes : 0);
}

int trelon_faults_steps_taken(void) {
    return atomic_load(&steps);
}

void trelon_faults_delay_steps(long microseconds) {
    atomic_store(&stepDelayMicros, microseconds > 0 ? microseconds : 0);
}

FaultStep faultsTakeStep(bool isWrite) {
    const long delay = atomic_load(&stepDelayMicros);
    if (delay > 0) {
        usleep((useconds_t)delay);
    }
    const int step = atomic_fetch_add(&steps, 1) + 1;
    const long long limit = atomic_load(&writeLimit);
    FaultStep result = {false, 0, limit > 0 ? limit : -1};
    for (int i = 0; i < kMaxArms; ++i) {
        int expected = step;
        if (!atomic_compare_exchange_strong_explicit(&arms[i].step, &expected, -1,
                                                     memory_order_acquire, memory_order_relaxed)) {
            continue;
        }
        const bool killProcess = arms[i].killProcess;
        const int error = arms[i].error;
        const long long partialBytes = arms[i].partialBytes;
        atomic_store(&arms[i].step, 0); // each fault acts once
        if (killProcess) {
            kill(getpid(), SIGKILL);
            _exit(137); // not reached: SIGKILL cannot be caught
        }
        if (isWrite && partialBytes > 0) {
            // A disk filling up: part of this write lands, the next call fails.
            if (result.maxBytes < 0 || result.maxBytes > partialBytes) {
                result.maxBytes = partialBytes;
            }
            arm(step + 1, false, error, 0);
        } else {
            result.fail = true;
            result.error = error;
        }
        break;
    }
    return result;
}
