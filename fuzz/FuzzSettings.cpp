// Class.ini and Lang.ini: reading any bytes as settings and texts, and writing keys into them.
#include "SettingsChecks.h"
#include "config/LangText.h"
#include "config/LoadSettings.h"

using namespace trelon;

namespace {

void checkSettings(const QString& dir) {
    Settings s;
    const SettingsLoadResult result = LoadSettings(s, dir);
    FUZZ_CHECK(result.ok() || result.error.contains(settingsFilePath(dir)));
    fuzz::checkSettingsValues(s);
}

// A write sets the key and changes no other key's value.
void checkWrite(const QString& dir, const QByteArray& bytes, std::uint8_t choice) {
    const QString key = fuzz::settingsKey(choice);
    const QString value = fuzz::settingsValue(choice);
    const IniFile before = IniFile::fromBytes(bytes);
    if (!WriteSettings(dir, {{key, value}}).ok()) {
        FUZZ_CHECK(fuzz::readFile(settingsFilePath(dir)) == bytes);
        return;
    }
    fuzz::checkWrittenKey(before, IniFile::load(settingsFilePath(dir)), key, value);
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
