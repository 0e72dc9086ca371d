#pragma once
// Control functions of the file fault library (trelon_file_faults). The library defines write,
// fsync, fdatasync, rename, renameat, renameat2, ftruncate and the opens; a test program linked
// against it finds these before the ones in libc, so every caller in the process goes through them,
// Qt included. Each such call on a path inside the watched folder is one numbered step that a test
// can count, fail, shorten or turn into a SIGKILL; every other call goes straight to libc. C++
// tests use the FileWriteFaults class in support/FileWriteFaults.h.

#define TRELON_FAULTS_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

// Counts the calls on paths inside folder (the folder itself included); NULL or "" watches
// nothing. Keeps the steps taken and the armed faults.
TRELON_FAULTS_API void trelon_faults_watch(const char* folder);
// Disarms every fault, removes the write size limit and counts steps from zero again.
TRELON_FAULTS_API void trelon_faults_reset(void);
// Kills the process with SIGKILL just before the given 1-based step; step <= 0 arms nothing.
TRELON_FAULTS_API void trelon_faults_arm_kill(int step);
// Makes the given step fail with errno set to error. When partialBytes > 0 and the step is a
// write(), it writes at most that many bytes and returns their count; the next step then fails.
TRELON_FAULTS_API void trelon_faults_arm_fail(int step, int error, long long partialBytes);
// Each counted write() writes at most bytes bytes; 0 removes the limit.
TRELON_FAULTS_API void trelon_faults_limit_write_size(long long bytes);
// Opens that may write or create a file in the watched folder count as steps too while on is
// non-zero (off after a reset); ftruncate always counts.
TRELON_FAULTS_API void trelon_faults_count_opens(int on);
// Each step first waits this long, as on a slow network share; 0 (also after a reset) removes
// the wait.
TRELON_FAULTS_API void trelon_faults_delay_steps(long microseconds);
// Steps taken since the last reset.
TRELON_FAULTS_API int trelon_faults_steps_taken(void);

#ifdef __cplusplus
}
#endif
