#pragma once
// Properties of Class.ini and Lang.ini, shared by the file and in-memory harnesses.
#include "FuzzCheck.h"
#include "config/IniFile.h"
#include "config/Settings.h"

#include <cmath>

namespace trelon::fuzz {

// Keys a write may set, in several spellings, and values of every shape a screen writes.
inline const char* const kSettingsKeys[] = {
    "MM_500Pixel",        "mm_500pixel", "WidthLine1", "BigCat",
    "RB_High_Red_in_Red", "FontName",    "Новый",      "kp"};
inline const char* const kSettingsValues[] = {
    "145", "0", "-1", "2147483647", "1,5", "Times New Roman", "", "x"};

// The key and value a byte of the input chooses.
inline QString settingsKey(std::uint8_t choice) {
    return QString::fromUtf8(kSettingsKeys[choice % 8]);
}
inline QString settingsValue(std::uint8_t choice) {
    return QString::fromUtf8(kSettingsValues[(choice / 8) % 8]);
}

// Whatever the file holds, the values in force are sound.
inline void checkSettingsValues(const Settings& s) {
    FUZZ_CHECK(s.MmPerPixel > 0 && s.MmPerPixel <= 10 && s.MmPerDegree > 0);
    FUZZ_CHECK(s.WidthLine1 > 0 && s.WidthLine2 > 0 && s.WidthLine3 > 0);
    FUZZ_CHECK(s.TimeShowRezult >= 1000 && s.RazmerMarker >= 1 && s.SizeFont >= 1);
    FUZZ_CHECK(std::isfinite(s.DisplayScale) && s.DisplayScale > 0);
    FUZZ_CHECK(s.ShagKoleban >= 1 && s.ShagKoleban <= 4);
    for (const double factor : s.PictureFactors) {
        FUZZ_CHECK(factor > 0 && factor <= 10);
    }
    for (const auto& glasses : s.colours.value) {
        for (const auto& level : glasses) {
            for (const auto& target : level) {
                for (const int component : target) {
                    FUZZ_CHECK(component >= 0 && component <= 255);
                }
            }
        }
    }
}

// A written file sets the key in section Default and changes no other key's value.
inline void checkWrittenKey(const IniFile& before, const IniFile& after, const QString& key,
                            const QString& value) {
    const QString section = QStringLiteral("Default");
    FUZZ_CHECK(after.value(section, key) == value);
    for (const char* other : kSettingsKeys) {
        const QString otherKey = QString::fromUtf8(other);
        if (otherKey.compare(key, Qt::CaseInsensitive) != 0) {
            FUZZ_CHECK(after.value(section, otherKey) == before.value(section, otherKey));
        }
    }
}

} // namespace trelon::fuzz
