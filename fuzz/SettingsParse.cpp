// Class.ini and Lang.ini in memory: reading any bytes as settings and texts, and the bytes a
// write of keys makes from them.
#include "SettingsChecks.h"
#include "common/Cp1251.h"
#include "config/LangText.h"
#include "config/LoadSettings.h"

using namespace trelon;

namespace {

// A value taken from the input: any text, line breaks and characters outside Windows-1251
// included. Accepted only without a line break; then it reads back as written unless blanks
// around it or enclosing quotes are what a reader removes.
void checkAnyValue(const QByteArray& file, const QString& key, const QString& value) {
    const std::optional<QByteArray> after =
        IniFile::rewritten(file, QStringLiteral("Default"), {{key, value}});
    const bool lineBreak = value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
    if (lineBreak || !toCp1251(value)) {
        FUZZ_CHECK(!after);
        return;
    }
    FUZZ_CHECK(after.has_value());
    const QString read =
        IniFile::fromBytes(*after).read(QStringLiteral("Default"), key, QStringLiteral("-"));
    const QString trimmed = value.trimmed();
    const bool quoted =
        trimmed.size() >= 2 &&
        (trimmed.front() == QLatin1Char('"') || trimmed.front() == QLatin1Char('\'')) &&
        trimmed.back() == trimmed.front();
    if (trimmed == value && !quoted) {
        FUZZ_CHECK(read == value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the write; the rest is the file.
    const QByteArray bytes = fuzz::inputBytes(data + 1, size - 1);
    const IniFile ini = IniFile::fromBytes(bytes);

    const LangFile lang = LangFile::fromBytes(bytes);
    const QString text = lang.ReadText(QStringLiteral("Form1"), QStringLiteral("Caption"),
                                       QStringLiteral("default"));
    FUZZ_CHECK(text.size() <= kMaxIniValueLength);

    Settings settings;
    const SettingsLoadResult result = ReadSettings(settings, ini, QStringLiteral("/p/Class.ini"));
    FUZZ_CHECK(result.ok() || result.error.contains(QStringLiteral("/p/Class.ini")));
    fuzz::checkSettingsValues(settings);

    const QString key = fuzz::settingsKey(data[0]);
    const std::optional<QByteArray> written =
        IniFile::rewritten(bytes, QStringLiteral("Default"), {{key, fuzz::settingsValue(data[0])}});
    FUZZ_CHECK(written.has_value());
    fuzz::checkWrittenKey(ini, IniFile::fromBytes(*written), key, fuzz::settingsValue(data[0]));

    // The highest bit writes the file's first line, up to 40 bytes, as the value; the next bit
    // keeps its line end.
    if ((data[0] & 0x80) != 0) {
        const qsizetype end = bytes.indexOf('\n');
        const qsizetype length = end < 0 ? bytes.size() : end + ((data[0] & 0x40) != 0 ? 1 : 0);
        checkAnyValue(bytes, key, fromCp1251(bytes.left(std::min<qsizetype>(length, 40))));
    }
    return 0;
}
