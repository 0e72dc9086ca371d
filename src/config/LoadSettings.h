#pragma once
// Reading Settings from Class.ini (section "Default") in the program folder, and writing keys
// back for the screens that change settings.
#include "common/FileSystem.h"
#include "config/IniFile.h"
#include "config/Settings.h"

#include <QString>

#include <optional>

namespace trelon {

struct SettingsLoadResult {
    QString error; // for the operator; empty when every present value was read
    bool ok() const { return error.isEmpty(); }
};

// The settings file of the program folder, "Class.ini" found regardless of letter case.
QString settingsFilePath(const QString& programDir);

// Resets settings to the defaults and reads every key of the file into it. A missing file or
// key keeps the default. A value that is not a valid number, or lies outside the sound range of
// its key, stops loading at that key: the
// keys read before it keep their values, the rest keep their defaults, and the result names
// the key, the value and the file.
SettingsLoadResult LoadSettings(Settings& settings, const QString& programDir);

// The same reading from a parsed file; filePath names the file in the error.
SettingsLoadResult ReadSettings(Settings& settings, const IniFile& ini, const QString& filePath);

// The whole numbers a numeric key takes (inclusive); nullopt for a key without a range. The
// screens that edit settings refuse what the next start would refuse.
struct SettingsKeyRange {
    int min;
    int max;
};
std::optional<SettingsKeyRange> settingsKeyRange(const QString& key);

// Writes keys of section "Default" of the program folder's Class.ini in one rewrite; of the
// user's own Class.ini when the program folder cannot be written (read over the program
// folder's by LoadSettings, key by key).
FileResult WriteSettings(const QString& programDir, const IniKeyValues& keyValues);

} // namespace trelon
