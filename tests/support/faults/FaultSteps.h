#pragma once
// Shared between the control functions and the interposed calls of the file fault library.
#include <stdbool.h>

// What an interposed call does at its step.
typedef struct {
    bool fail; // return -1 with errno = error, without calling libc
    int error;
    long long maxBytes; // a write() writes at most this many bytes; < 0: no limit
} FaultStep;

// True while a folder is watched: the only check on the path of calls nobody watches.
bool faultsWatching(void);
// True while opens for writing count as steps.
bool faultsCountingOpens(void);
// True when the absolute, resolved path is the watched folder or lies inside it.
bool faultsInsideFolder(const char* path);
// Counts one step and tells what to do with it; does not return when the step is to kill.
FaultStep faultsTakeStep(bool isWrite);
