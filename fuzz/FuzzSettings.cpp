// Class.ini and Lang.ini: reading any bytes as settings and texts, and writing keys into them.
#include "FuzzCheck.h"
#include "config/LangText.h"
#include "config/LoadSettings.h"

#include <cmath>

using namespace trelon;

namespace {

// Keys a write may set, in several spellings, and values of every shape a screen writes.
const char* const kKeys[] = {"MM_500Pixel",        "mm_500pixel", "WidthLine1", "BigCat",
                             "RB_High_Red_in_Red", "FontName",    "Новый",      "kp"};
const char* const kValues[] = {"145", "0", "-1", "2147483647", "1,5", "Times New Roman", "", "x"};

void checkSettings(const QString& dir) {
    Settings s;
    const SettingsLoadResult result = LoadSettings(s, dir);
    FUZZ_CHECK(result.ok() || result.error.contains(settingsFilePath(dir)));
    // Whatever the file holds, the values in force are sound.
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

// A write sets the key and changes no other key's value.
void checkWrite(const QString& dir, const QByteArray& bytes, std::uint8_t choice) {
    const QString key = QString::fromUtf8(kKeys[choice % 8]);
    const QString value = QString::fromUtf8(kValues[(choice / 8) % 8]);
    const IniFile before = IniFile::fromBytes(bytes);
    if (!WriteSettings(dir, {{key, value}}).ok()) {
        FUZZ_CHECK(fuzz::readFile(settingsFilePath(dir)) == bytes);
        return;
    }
    const IniFile after = IniFile::load(settingsFilePath(dir));
    FUZZ_CHECK(after.value(QStringLiteral("Default"), key) == value);
    for (const char* other : kKeys) {
        const QString otherKey = QString::fromUtf8(other);
        if (otherKey.compare(key, Qt::CaseInsensitive) != 0) {
            FUZZ_CHECK(after.value(QStringLiteral("Default"), otherKey) ==
                       before.value(QStringLiteral("Default"), otherKey));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the write; the rest is the file.
    const QByteArray bytes = fuzz::inputBytes(data + 1, size - 1);
    const QString dir = fuzz::scratchFolder();
    FUZZ_CHECK(fuzz::writeFile(dir + QStringLiteral("Class.ini"), bytes));
    FUZZ_CHECK(fuzz::writeFile(dir + QStringLiteral("Lang.ini"), bytes));
    const LangFile lang = LangFile::load(dir);
    const QString text = lang.ReadText(QStringLiteral("Form1"), QStringLiteral("Caption"),
                                       QStringLiteral("default"));
    FUZZ_CHECK(text.size() <= kMaxIniValueLength);
    checkSettings(dir);
    checkWrite(dir, bytes, data[0]);
    return 0;
}
