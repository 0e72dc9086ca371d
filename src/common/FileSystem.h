#pragma once
// File names and safe writes.
//
// The files the program reads (pictures, sounds, People.txt, the results folder) were named on
// a file system that ignores letter case, so lookup here ignores it too: "1Sec.wav" finds
// "1sec.wav". New files are created with the exact name the caller gives.
#include <QByteArray>
#include <QString>

namespace trelon {

// Joins a folder (with or without a trailing separator) and a relative name whose parts may
// be separated by '/' or '\'. Each existing part is matched regardless of letter case; a
// part that does not exist keeps the spelling given. Returns the resulting path.
QString resolvePath(const QString& dir, const QString& relativeName);

// True when resolvePath(dir, name) names an existing file or folder.
bool existsIgnoringCase(const QString& dir, const QString& relativeName);

// The outcome of a file operation: empty error means success.
struct FileResult {
    QString error; // readable text naming the file, for the operator
    bool ok() const { return error.isEmpty(); }
};

// Replaces the file at path with bytes: writes a temporary file in the same folder, flushes
// it to disk and renames it over the original, so a crash leaves the old or the new file
// whole, never a mix. The new file keeps the old one's permission bits, owner, group and
// access control list as far as the process may set them. A file that exists but may not be
// written is refused, unchanged. Callers changing shared data hold the folder's lock.
FileResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// A fresh name for a temporary file replacing path (hidden, beside it), unique to this process
// and this call.
QString temporaryFileFor(const QString& path);

// Removes the temporary files that writes interrupted by a crash left in folder; the files
// they were to replace are whole, old or new. Another copy of the program may be writing one:
// the caller holds the folder's lock.
void removeInterruptedWrites(const QString& folder);

// Appends bytes to the file (creating it) and flushes them to disk before returning. When
// any of it cannot be written (a full disk) the file is cut back to its old length: all the
// bytes or none, and the error says which.
FileResult appendToFile(const QString& path, const QByteArray& bytes);

// Appends one fixed-size record (record.size() bytes) after the file's last whole record,
// creating the file when missing, and flushes it to disk before returning. A partial record
// left at the end by an interrupted write is overwritten, never followed; otherwise the file is
// written in append mode. On failure the file is put back as it was.
FileResult appendRecordToFile(const QString& path, const QByteArray& record);

} // namespace trelon
