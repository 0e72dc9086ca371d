#pragma once
// The results files: sequences of 288-byte result records.
#include "common/FileSystem.h"

#include <QString>

namespace trelon {

// Creates an empty results file (no records) when none exists at path.
FileResult EnsureResultsFile(const QString& path);

} // namespace trelon
