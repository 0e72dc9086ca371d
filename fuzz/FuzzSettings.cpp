// Class.ini and Lang.ini through files: loading any bytes and writing a key into them. What the
// bytes parse to is checked in memory by settings_parse; here, that the file paths agree with it.
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

// A write succeeds (the folder is writable) and stores exactly the in-memory rewrite's bytes.
void checkWrite(const QString& dir, const QByteArray& bytes, std::uint8_t choice) {
    const IniKeyValues keyValues{{fuzz::settingsKey(choice), fuzz::settingsValue(choice)}};
    const std::optional<QByteArray> expected =
        IniFile::rewritten(bytes, QStringLiteral("Default"), keyValues);
    const QByteArray stored =
        WriteSettings(dir, keyValues).ok() ? fuzz::readFile(settingsFilePath(dir)) : QByteArray();
    FUZZ_CHECK(expected.has_value() && stored == *expected);
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
    const QString text = LangFile::load(dir).ReadText(
        QStringLiteral("Form1"), QStringLiteral("Caption"), QStringLiteral("default"));
    FUZZ_CHECK(text.size() <= kMaxIniValueLength);
    checkSettings(dir);
    checkWrite(dir, bytes, data[0]);
    return 0;
}
