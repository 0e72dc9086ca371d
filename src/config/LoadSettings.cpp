#include "config/LoadSettings.h"

#include "config/UserFiles.h"

#include "common/StrictNumbers.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace trelon {

namespace {

const QString kSection = QStringLiteral("Default");

// The values a numeric key may hold as stored in the file (before scaling). A value outside
// its range is refused like one that is not a number. Colour components are held to 0..255
// instead; MyDeviceType and Contrast take any number (a device type other than 1..3 leaves the
// player as it is; a contrast above 3 is level 3, one below 1 keeps the colours as they are).
struct KeyRange {
    const char* key;
    int min;
    int max;
};

constexpr KeyRange kKeyRanges[] = {
    {"MM_500Pixel", 10, 5000},        // millimetres per 500 pixels
    {"GradInMm", 1, 10000},           // tenths of a millimetre per degree
    {"SizeFontY", 1, 72},             // points
    {"SizeFontX", 1, 72},             // points
    {"Koeff", 1, 1000},               // kept only
    {"FilterGreenBlue", 0, 1},        // glasses
    {"SizeFont", 1, 72},              // points
    {"WidthLine1", 1, 1000},          // thousandths
    {"WidthLine2", 1, 1000},          // thousandths
    {"WidthLine3", 1, 1000},          // thousandths
    {"TimeShowRezult", 1, 3600},      // seconds
    {"RazmerMarker", 1, 50},          // marker size
    {"TimeIntervalKoleb1", 1, 10000}, // milliseconds
    {"TimeIntervalKoleb2", 1, 10000}, // milliseconds
    {"ShagKoleban", 1, 4},            // oscillation step
    {"TimeTrenFuz1", 1, 10000},       // milliseconds
    {"TimeTrenFuz2", 1, 10000},       // milliseconds
    {"TimeTrenKosogl1", 1, 10000},    // milliseconds
    {"TimeTrenKosogl2", 1, 10000},    // milliseconds
};
constexpr KeyRange kPictureFactorRange = {"", 1, 1000}; // percent, every picture key
constexpr double kMinKp = 0.01;                         // kp, percent
constexpr double kMaxKp = 1000;

std::optional<KeyRange> rangeOf(const QString& key) {
    for (const KeyRange& range : kKeyRanges) {
        if (key == QLatin1String(range.key)) {
            return range;
        }
    }
    for (const PictureKey& picture : kPictureKeys) {
        if (key == QLatin1String(picture.key)) {
            return kPictureFactorRange;
        }
    }
    return std::nullopt;
}

QString outOfRange(double min, double max) {
    return QStringLiteral("вне допустимых пределов %1..%2").arg(min).arg(max);
}

// Reads keys of section "Default" into fields. Every reader leaves the field alone when the key
// is absent, and returns false (with error() set) when the key holds a bad value.
class SettingsReader {
public:
    SettingsReader(const IniFile& ini, const QString& path) : ini_(ini), path_(path) {}
    // ini holds the user's own file over path's: a bad value of a key the user's file holds
    // names that file.
    void readOver(const IniFile& user, const QString& userPath) {
        user_ = &user;
        userPath_ = userPath;
    }

    const QString& error() const { return error_; }

    bool integer(const QString& key, int& field) {
        const std::optional<int> number = read(key);
        if (number) {
            field = *number;
        }
        return error_.isEmpty();
    }

    bool scaled(const QString& key, double divisor, double& field) {
        const std::optional<int> number = read(key);
        if (number) {
            field = *number / divisor;
        }
        return error_.isEmpty();
    }

    // A length every angle is computed from: zero or less would make them all meaningless.
    bool positiveScaled(const QString& key, double divisor, double& field) {
        const std::optional<int> number = read(key);
        if (number && *number <= 0) {
            return fail(key, QStringLiteral("должно быть больше нуля"));
        }
        if (number) {
            field = *number / divisor;
        }
        return error_.isEmpty();
    }

    bool milliseconds(const QString& key, int& field) {
        const std::optional<int> seconds = read(key);
        if (seconds) {
            const qint64 ms = qint64(*seconds) * 1000;
            if (ms > std::numeric_limits<int>::max() || ms < std::numeric_limits<int>::min()) {
                return fail(key, QStringLiteral("слишком велико"));
            }
            field = static_cast<int>(ms);
        }
        return error_.isEmpty();
    }

    // A colour component; out-of-range values are held to 0..255 so that they cannot spill
    // into the neighbouring component of a colour word.
    bool component(const QString& key, int& field) {
        const std::optional<int> number = read(key);
        if (number) {
            field = std::clamp(*number, 0, 255);
        }
        return error_.isEmpty();
    }

    bool decimal(const QString& key, double divisor, double& field) {
        const std::optional<QString> text = ini_.value(kSection, key);
        if (!text) {
            return true;
        }
        const std::optional<double> number = strToFloat(*text);
        if (!number) {
            text_ = *text;
            return fail(key, QStringLiteral("не является числом"));
        }
        if (*number < kMinKp || *number > kMaxKp) {
            text_ = *text;
            return fail(key, outOfRange(kMinKp, kMaxKp));
        }
        field = *number / divisor;
        return true;
    }

    // True exactly when the stored text is "1".
    bool flag(const QString& key, bool& field) {
        if (const std::optional<QString> text = ini_.value(kSection, key)) {
            field = *text == QLatin1String("1");
        }
        return true;
    }

    bool text(const QString& key, QString& field) {
        if (const std::optional<QString> text = ini_.value(kSection, key)) {
            field = *text;
        }
        return true;
    }

private:
    std::optional<int> read(const QString& key) {
        const std::optional<QString> text = ini_.value(kSection, key);
        if (!text) {
            return std::nullopt;
        }
        text_ = *text;
        const std::optional<int> number = strToInt(*text);
        if (!number) {
            fail(key, QStringLiteral("не является числом"));
            return number;
        }
        const std::optional<KeyRange> range = rangeOf(key);
        if (range && (*number < range->min || *number > range->max)) {
            fail(key, outOfRange(range->min, range->max));
            return std::nullopt;
        }
        return number;
    }

    bool fail(const QString& key, const QString& problem) {
        constexpr int kShownLength = 40;
        const QString shown =
            text_.size() > kShownLength ? text_.left(kShownLength) + QStringLiteral("…") : text_;
        error_ = QStringLiteral("Ошибка в файле настроек %1: значение \"%2\" ключа %3 %4. "
                                "Для остальных параметров взяты значения по умолчанию.")
                     .arg(user_ != nullptr && user_->value(kSection, key) ? userPath_ : path_,
                          shown, key, problem);
        return false;
    }

    const IniFile& ini_;
    QString path_;
    const IniFile* user_ = nullptr;
    QString userPath_;
    QString text_; // the last value read, for the error text
    QString error_;
};

// The colour keys, in reading order: the two filter channels of the two filter colours (red-green
// glasses, then red-blue, levels High to Low), then the third channel of those colours, then the
// background and joint colours.
bool readColours(SettingsReader& reader, CalibrationColours& colours) {
    const int glassesOrder[2] = {GlassesRedGreen, GlassesRedBlue};
    const CalibrationTarget filterTargets[2] = {TargetRed, TargetOther};
    const auto read = [&](int glasses, int level, CalibrationTarget target, ColourChannel channel) {
        return reader.component(colourKeyName(glasses, level, target, channel),
                                colours.at(glasses, level, target, channel));
    };
    for (const int glasses : glassesOrder) {
        const ColourChannel otherChannel = glasses == GlassesRedGreen ? ChannelGreen : ChannelBlue;
        for (int level = 1; level <= kLevelCount; ++level) {
            for (const CalibrationTarget target : filterTargets) {
                if (!read(glasses, level, target, ChannelRed) ||
                    !read(glasses, level, target, otherChannel)) {
                    return false;
                }
            }
        }
    }
    for (const int glasses : glassesOrder) {
        const ColourChannel thirdChannel = glasses == GlassesRedGreen ? ChannelBlue : ChannelGreen;
        for (int level = 1; level <= kLevelCount; ++level) {
            for (const CalibrationTarget target : filterTargets) {
                if (!read(glasses, level, target, thirdChannel)) {
                    return false;
                }
            }
        }
    }
    for (const int glasses : glassesOrder) {
        for (int level = 1; level <= kLevelCount; ++level) {
            for (const CalibrationTarget target : {TargetFon, TargetAll}) {
                for (const ColourChannel channel : {ChannelRed, ChannelGreen, ChannelBlue}) {
                    if (!read(glasses, level, target, channel)) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

bool readPictureFactors(SettingsReader& reader, Settings& s) {
    for (int i = 0; i < kPictureCount; ++i) {
        if (!reader.scaled(QLatin1String(kPictureKeys[i].key), 100.0, s.PictureFactors[i])) {
            return false;
        }
    }
    return true;
}

// Every key in reading order; stops at the first bad value.
bool readAll(SettingsReader& r, Settings& s) {
    const auto key = [](const char* name) { return QLatin1String(name); };
    return readColours(r, s.colours) &&
           r.positiveScaled(key("MM_500Pixel"), 500.0, s.MM_500Pixel) &&
           r.positiveScaled(key("GradInMm"), 10.0, s.GradInMm) &&
           r.integer(key("SizeFontY"), s.SizeFontY) && r.integer(key("SizeFontX"), s.SizeFontX) &&
           r.integer(key("Contrast"), s.Contrast) && r.integer(key("Koeff"), s.Koeff) &&
           r.integer(key("FilterGreenBlue"), s.FilterGreenBlue) &&
           r.integer(key("SizeFont"), s.SizeFont) &&
           r.scaled(key("WidthLine1"), 1000.0, s.WidthLine1) &&
           r.scaled(key("WidthLine2"), 1000.0, s.WidthLine2) &&
           r.scaled(key("WidthLine3"), 1000.0, s.WidthLine3) &&
           r.flag(key("ShowRezultat"), s.ShowRezultat) &&
           r.milliseconds(key("TimeShowRezult"), s.TimeShowRezult) &&
           r.integer(key("MyDeviceType"), s.MyDeviceType) &&
           r.text(key("FileSoundTrue"), s.FileSoundTrue) &&
           r.text(key("FileSoundFalse"), s.FileSoundFalse) && r.decimal(key("kp"), 100.0, s.kp) &&
           r.integer(key("RazmerMarker"), s.RazmerMarker) && r.text(key("FontName"), s.FontName) &&
           r.integer(key("TimeIntervalKoleb1"), s.TimeIntervalKoleb1) &&
           r.integer(key("TimeIntervalKoleb2"), s.TimeIntervalKoleb2) &&
           r.integer(key("ShagKoleban"), s.ShagKoleban) &&
           r.integer(key("TimeTrenFuz1"), s.TimeTrenFuz1) &&
           r.integer(key("TimeTrenFuz2"), s.TimeTrenFuz2) &&
           r.integer(key("TimeTrenKosogl1"), s.TimeTrenKosogl1) &&
           r.integer(key("TimeTrenKosogl2"), s.TimeTrenKosogl2) && readPictureFactors(r, s) &&
           r.flag(key("ScorostMouse"), s.ScorostMouse);
}

} // namespace

std::optional<SettingsKeyRange> settingsKeyRange(const QString& key) {
    const std::optional<KeyRange> range = rangeOf(key);
    if (!range) {
        return std::nullopt;
    }
    return SettingsKeyRange{range->min, range->max};
}

QString settingsFilePath(const QString& programDir) {
    return resolvePath(programDir, QStringLiteral("Class.ini"));
}

namespace {

SettingsLoadResult readSettings(Settings& settings, SettingsReader& reader) {
    settings = Settings{};
    readAll(reader, settings);

    settings.MmPerPixel = settings.MM_500Pixel;
    settings.MmPerDegree = settings.GradInMm;
    settings.DisplayScale = settings.kp;
    settings.GlassesType = settings.FilterGreenBlue;
    return {reader.error()};
}

} // namespace

SettingsLoadResult LoadSettings(Settings& settings, const QString& programDir) {
    const QString path = settingsFilePath(programDir);
    IniFile ini = IniFile::load(path);
    SettingsReader reader(ini, QFileInfo(path).absoluteFilePath());
    IniFile user;
    if (programSettingsReadOnly(programDir)) {
        user = IniFile::load(userSettingsFilePath());
        ini.overlay(user);
        reader.readOver(user, userSettingsFilePath());
    }
    return readSettings(settings, reader);
}

SettingsLoadResult ReadSettings(Settings& settings, const IniFile& ini, const QString& filePath) {
    SettingsReader reader(ini, filePath);
    return readSettings(settings, reader);
}

FileResult WriteSettings(const QString& programDir, const IniKeyValues& keyValues) {
    if (programSettingsReadOnly(programDir)) {
        if (!QDir().mkpath(userConfigDir())) {
            return {QStringLiteral("Unable to write to ") + userSettingsFilePath()};
        }
        return IniFile::writeKeys(userSettingsFilePath(), kSection, keyValues);
    }
    return IniFile::writeKeys(settingsFilePath(programDir), kSection, keyValues);
}

} // namespace trelon
