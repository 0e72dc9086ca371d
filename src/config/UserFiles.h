#pragma once
// The files an installed program keeps for each user, in the user's configuration folder: the
// data folder chosen once, and the settings the screens store while the program folder cannot
// be written. Where the program folder is writable none of them is used.
#include "common/FileSystem.h"

#include <QString>

#include <optional>

namespace trelon {

// The user's configuration folder of this program, with a trailing separator.
QString userConfigDir();

// True when the screens' settings cannot go to the program folder's Class.ini: the folder
// exists but this user may not write it (or the file in it).
bool programSettingsReadOnly(const QString& programDir);

// The user's own Class.ini, read over the program folder's and written instead of it while
// programSettingsReadOnly.
QString userSettingsFilePath();

// The data folder this user chose last, if any.
std::optional<QString> rememberedDataFolder();
FileResult rememberDataFolder(const QString& dir);

// Where the folder dialog starts for a user who never chose one: a folder of the program's
// under the user's documents.
QString proposedDataFolder();

} // namespace trelon
