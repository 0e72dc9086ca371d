#include "setup/AdditionalParameters.h"

#include "common/Rounding.h"
#include "common/StrictNumbers.h"
#include "config/LoadSettings.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"

namespace trelon {

namespace {

constexpr int kStripPixels = 500; // the black strip the screen scale is measured on
constexpr int kMaxAmplitude = 12; // the largest amplitude the screen offers

QStringList numbers(std::initializer_list<int> values) {
    QStringList items;
    for (const int value : values) {
        items << QString::number(value);
    }
    return items;
}

const std::array<ParamGroupDesign, kParamGroupCount>& designs() {
    static const std::array<ParamGroupDesign, kParamGroupCount> table = {{
        {ParamGroup::ShagKoleban, "RadioGroupShagKoleban", "Шаг", 4, numbers({1, 2, 3, 4}), 1},
        {ParamGroup::ToCenter, "RadioGroupToCenter", "К центру", 2,
         numbers({2, 3, 4, 5, 6, 8, 10, 12}), 2},
        {ParamGroup::FromCenter, "RadioGroupFromCenter", "От центра", 2,
         numbers({1, 2, 3, 4, 5, 6, 8, 10}), 1},
        {ParamGroup::KolebTime1, "RadioGroupKolebTime1", "Интервал времени (быстрые)", 5,
         numbers({50, 75, 100, 150, 200}), 0},
        {ParamGroup::KolebTime2, "RadioGroupKolebTime2", "Интервал времени (медленные)", 5,
         numbers({200, 250, 300, 350, 400}), 2},
        {ParamGroup::FuzTime2, "RadioGroupFuzTime2", "Интервал времени (быстро)", 5,
         numbers({50, 75, 100, 150, 200}), 0},
        {ParamGroup::FuzTime1, "RadioGroupFuzTime1", "Интервал времени (медленно)", 5,
         numbers({200, 250, 300, 400, 500}), 2},
    }};
    return table;
}

// The rows of the pictures panel.
constexpr std::array<int, kPictureCount> kRowOrder = {
    PicBigCat,     PicButterfly, PicGrusha, PicDom,           PicZayac, PicStar,    PicKonfeta,
    PicCat,        PicCrab,      PicList,   PicLodka,         PicCar,   PicMorkov,  PicRat,
    PicRatScotoma, PicEgg,       PicPchela, PicPchelaScotoma, PicFish,  PicSamolet, PicSvecha,
    PicSneg,       PicStrelka,   PicSuslik, PicTelephon,      PicFlower};

// The order the picture keys are written in; the chick, which the rows always showed, last.
constexpr std::array<int, kPictureCount> kWriteOrder = {
    PicStar,          PicDom,     PicFlower,  PicTelephon,   PicCar,   PicSvecha,    PicPchela,
    PicCrab,          PicGrusha,  PicZayac,   PicSuslik,     PicCat,   PicList,      PicSneg,
    PicRat,           PicSamolet, PicMorkov,  PicFish,       PicLodka, PicButterfly, PicBigCat,
    PicPchelaScotoma, PicKonfeta, PicStrelka, PicRatScotoma, PicEgg};

// The whole numbers a field may hold: no more than the settings file takes back at the next
// start (the range of the key the field is saved to).
using Bounds = SettingsKeyRange;
const Bounds kScaleBounds = *settingsKeyRange(QStringLiteral("MM_500Pixel"));
const Bounds kIntervalBounds = *settingsKeyRange(QStringLiteral("TimeTrenKosogl1"));
const Bounds kPictureSizeBounds = *settingsKeyRange(QStringLiteral("Star"));

std::optional<int> within(const QString& text, Bounds bounds) {
    const std::optional<int> value = strToInt(text);
    return value && *value >= bounds.min && *value <= bounds.max ? value : std::nullopt;
}

} // namespace

const std::array<ParamGroupDesign, kParamGroupCount>& paramGroupDesigns() {
    return designs();
}

const std::array<int, kPictureCount>& pictureRowOrder() {
    return kRowOrder;
}

struct AdditionalParameters::Values {
    int shag = 1;
    int toCenter = 0;
    int fromCenter = 0;
    int koleb1 = 0;
    int koleb2 = 0;
    int fuz1 = 0; // slow
    int fuz2 = 0; // fast
    int medlenno = 0;
    int bystro = 0;
    int pixelMM = 0;
    int paletteShift = 0;
    int glasses = GlassesRedBlue;
    bool scorost = false;
};

AdditionalParameters::AdditionalParameters(SharedState& state, Dialogs& dialogs)
    : state_(state), dialogs_(&dialogs) {
    for (const ParamGroupDesign& design : designs()) {
        controls_.item(design.id) = design.designItem;
    }
}

int AdditionalParameters::valueInForce(ParamGroup group) const {
    const Settings& s = state_.settings;
    switch (group) {
    case ParamGroup::ShagKoleban:
        return s.ShagKoleban;
    case ParamGroup::ToCenter:
        return state_.MaxAmplitudaSbligen;
    case ParamGroup::FromCenter:
        return state_.MaxAmplitudaUdalen;
    case ParamGroup::KolebTime1:
        return s.TimeIntervalKoleb1;
    case ParamGroup::KolebTime2:
        return s.TimeIntervalKoleb2;
    case ParamGroup::FuzTime2:
        return s.TimeTrenFuz2;
    case ParamGroup::FuzTime1:
        return s.TimeTrenFuz1;
    }
    return 0;
}

void AdditionalParameters::showValuesInForce() {
    for (const ParamGroupDesign& design : designs()) {
        controls_.item(design.id) =
            static_cast<int>(design.items.indexOf(QString::number(valueInForce(design.id))));
    }
    // A step the training cannot take (the settings file holds only 1..4) shows and applies "1".
    if (controls_.item(ParamGroup::ShagKoleban) < 0) {
        controls_.item(ParamGroup::ShagKoleban) = 0;
    }
}

void AdditionalParameters::fillFromSettings() {
    const Settings& settings = state_.settings;
    controls_.redBlue = settings.GlassesType == GlassesRedBlue;
    // The oscillation amplitudes saved by this screen are in force from the start, so that a
    // later save writes them back unchanged instead of the design choices.
    const IniFile ini = IniFile::load(settingsFilePath(state_.paths.ProgramDir));
    const auto saved = [&ini](const char* key, int& amplitude) {
        const std::optional<QString> text =
            ini.value(QStringLiteral("Default"), QString::fromLatin1(key));
        const std::optional<int> value = text ? strToInt(*text) : std::nullopt;
        if (value && *value >= 1 && *value <= kMaxAmplitude) {
            amplitude = *value;
        }
    };
    saved("MaxAmplitudaSbligen", state_.MaxAmplitudaSbligen);
    saved("MaxAmplitudaUdalen", state_.MaxAmplitudaUdalen);
    showValuesInForce();
    fillPictureRows();
    controls_.CheckBoxScorost = settings.ScorostMouse;
    controls_.EditTimeBystro = QString::number(settings.TimeTrenKosogl2);
    controls_.EditTimeMedlenno = QString::number(settings.TimeTrenKosogl1);
    controls_.EditSdvigPalette = QString::number(state_.PaletteShift);
    controls_.PixelMM = QString::number(roundHalfEven(settings.MmPerPixel * kStripPixels));
}

int AdditionalParameters::item(ParamGroup group) const {
    return controls_.item(group);
}

void AdditionalParameters::fillPictureRows() {
    for (int row = 0; row < kPictureCount; ++row) {
        const double factor =
            state_.settings.PictureFactors[static_cast<std::size_t>(kRowOrder[row])];
        controls_.pictureRows[static_cast<std::size_t>(row)] =
            QString::number(roundHalfEven(factor * 100));
    }
}

void AdditionalParameters::activate() {
    state_.SessionAborted = false;
    controls_.redBlue = state_.settings.GlassesType == GlassesRedBlue;
    showValuesInForce(); // a pick left unapplied last time is not in force
}

void AdditionalParameters::refuse(const QString& field, const QString& text, int min,
                                  int max) const {
    dialogs_->information(QStringLiteral("%1: \"%2\" не является целым положительным числом "
                                         "от %3 до %4. Параметры не изменены и не записаны.")
                              .arg(field, text)
                              .arg(min)
                              .arg(max));
}

bool AdditionalParameters::readValues(Values& v) const {
    // The chosen item's number, or the value in force when no item holds it.
    const auto chosenNumber = [this](ParamGroup group) {
        const int chosen = item(group);
        return chosen < 0 ? valueInForce(group)
                          : designs()[static_cast<std::size_t>(group)].items.value(chosen).toInt();
    };
    const struct {
        const QString& text;
        int& value;
        const char* field;
        Bounds bounds;
    } typed[] = {
        {controls_.EditTimeMedlenno, v.medlenno, "Медленное перемещение", kIntervalBounds},
        {controls_.EditTimeBystro, v.bystro, "Быстрое перемещение", kIntervalBounds},
        {controls_.PixelMM, v.pixelMM, "Размер черной полоски в мм", kScaleBounds},
    };
    for (const auto& field : typed) {
        const std::optional<int> value = within(field.text, field.bounds);
        if (!value) {
            refuse(QString::fromUtf8(field.field), field.text, field.bounds.min, field.bounds.max);
            return false;
        }
        field.value = *value;
    }
    const std::optional<int> shift = strToInt(controls_.EditSdvigPalette);
    if (!shift) {
        dialogs_->information(QStringLiteral("Сдвиг палитры: \"%1\" не является целым числом. "
                                             "Параметры не изменены и не записаны.")
                                  .arg(controls_.EditSdvigPalette));
        return false;
    }
    v.paletteShift = *shift;
    v.shag = item(ParamGroup::ShagKoleban) + 1;
    v.toCenter = chosenNumber(ParamGroup::ToCenter);
    v.fromCenter = chosenNumber(ParamGroup::FromCenter);
    v.koleb1 = chosenNumber(ParamGroup::KolebTime1);
    v.koleb2 = chosenNumber(ParamGroup::KolebTime2);
    v.fuz1 = chosenNumber(ParamGroup::FuzTime1);
    v.fuz2 = chosenNumber(ParamGroup::FuzTime2);
    v.glasses = controls_.redBlue ? GlassesRedBlue : GlassesRedGreen;
    v.scorost = controls_.CheckBoxScorost;
    return true;
}

void AdditionalParameters::applyCommon(const Values& v) {
    Settings& s = state_.settings;
    state_.MaxAmplitudaUdalen = v.fromCenter;
    state_.MaxAmplitudaSbligen = v.toCenter;
    s.TimeIntervalKoleb1 = v.koleb1;
    s.TimeIntervalKoleb2 = v.koleb2;
    s.TimeTrenFuz1 = v.fuz1;
    s.TimeTrenFuz2 = v.fuz2;
    s.ShagKoleban = v.shag;
    s.GlassesType = v.glasses;
    s.ScorostMouse = v.scorost;
    s.TimeTrenKosogl1 = v.medlenno;
    s.TimeTrenKosogl2 = v.bystro;
}

bool AdditionalParameters::apply() {
    Values values;
    if (!readValues(values)) {
        return false;
    }
    applyCommon(values);
    state_.PaletteShift = values.paletteShift;
    state_.settings.MmPerPixel = values.pixelMM / double(kStripPixels);
    return true;
}

bool AdditionalParameters::saveParameters() {
    Values v;
    if (!readValues(v)) {
        return false;
    }
    if (dialogs_->confirm(QStringLiteral("Сохранить параметры?"))) {
        const auto text = [](int value) { return QString::number(value); };
        const auto key = [](const char* name) { return QString::fromLatin1(name); };
        const IniKeyValues keys = {
            {key("ShagKoleban"), text(v.shag)},
            {key("MaxAmplitudaSbligen"), text(v.toCenter)},
            {key("MaxAmplitudaUdalen"), text(v.fromCenter)},
            {key("TimeIntervalKoleb1"), text(v.koleb1)},
            {key("TimeIntervalKoleb2"), text(v.koleb2)},
            {key("TimeTrenFuz1"), text(v.fuz1)},
            {key("TimeTrenFuz2"), text(v.fuz2)},
            {key("TimeIntervalKosogl2"), text(v.bystro)},
            {key("TimeIntervalKosogl1"), text(v.medlenno)},
            {key("MM_500Pixel"), text(v.pixelMM)},
            {key("FilterGreenBlue"), text(v.glasses)},
            {key("TimeTrenKosogl1"), text(v.medlenno)},
            {key("TimeTrenKosogl2"), text(v.bystro)},
        };
        const FileResult written = WriteSettings(state_.paths.ProgramDir, keys);
        if (!written.ok()) {
            dialogs_->information(written.error);
            return false;
        }
    }
    applyCommon(v);
    return true;
}

void AdditionalParameters::stepSlowMoveTime(bool lowerHalf, bool shift) {
    if (const std::optional<int> value = strToInt(controls_.EditTimeMedlenno)) {
        controls_.EditTimeMedlenno =
            QString::number(*value + (lowerHalf ? -1 : 1) * (shift ? 10 : 1));
    }
}

void AdditionalParameters::stepFastMoveTime(bool lowerHalf, bool shift) {
    if (const std::optional<int> value = strToInt(controls_.EditTimeBystro)) {
        controls_.EditTimeBystro =
            QString::number(*value + (lowerHalf ? -1 : 1) * (shift ? 10 : 1));
    }
}

void AdditionalParameters::showPictureSizes() {
    controls_.picturesShown = true;
}

bool AdditionalParameters::readPictureSizes(std::array<int, kPictureCount>& percent) const {
    for (int row = 0; row < kPictureCount; ++row) {
        const QString& text = controls_.pictureRows[static_cast<std::size_t>(row)];
        const std::optional<int> value = within(text, kPictureSizeBounds);
        if (!value) {
            const char* name = kPictureKeys[static_cast<std::size_t>(kRowOrder[row])].displayName;
            refuse(QStringLiteral("Размер рисунка \"%1\"").arg(QString::fromUtf8(name)), text,
                   kPictureSizeBounds.min, kPictureSizeBounds.max);
            return false;
        }
        percent[static_cast<std::size_t>(kRowOrder[row])] = *value;
    }
    return true;
}

void AdditionalParameters::applyPictureSizes() {
    std::array<int, kPictureCount> percent{};
    if (!readPictureSizes(percent)) {
        return;
    }
    for (int i = 0; i < kPictureCount; ++i) {
        state_.settings.PictureFactors[static_cast<std::size_t>(i)] =
            percent[static_cast<std::size_t>(i)] / 100.0;
    }
    controls_.picturesShown = false;
}

void AdditionalParameters::cancelPictureSizes() {
    fillPictureRows();
    controls_.picturesShown = false;
}

void AdditionalParameters::savePictureSizes() {
    std::array<int, kPictureCount> percent{};
    if (!readPictureSizes(percent)) {
        return;
    }
    if (dialogs_->confirm(QStringLiteral("Сохранить изменения?"))) {
        IniKeyValues keys;
        for (const int picture : kWriteOrder) {
            keys.append({QString::fromLatin1(kPictureKeys[static_cast<std::size_t>(picture)].key),
                         QString::number(percent[static_cast<std::size_t>(picture)])});
        }
        const FileResult written = WriteSettings(state_.paths.ProgramDir, keys);
        if (!written.ok()) {
            dialogs_->information(written.error);
            return;
        }
        for (int i = 0; i < kPictureCount; ++i) {
            state_.settings.PictureFactors[static_cast<std::size_t>(i)] =
                percent[static_cast<std::size_t>(i)] / 100.0;
        }
    }
    controls_.picturesShown = false;
}

void AdditionalParameters::focusLost() {
    state_.SessionAborted = true;
}

} // namespace trelon
