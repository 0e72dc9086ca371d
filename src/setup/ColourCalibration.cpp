#include "setup/ColourCalibration.h"

#include "config/LoadSettings.h"
#include "display/DisplayDevice.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"
#include "stimulus/DisplaySetup.h"
#include "stimulus/PaletteRoutines.h"
#include "stimulus/StartingColours.h"

#include <algorithm>

namespace trelon {

namespace {

constexpr int kDesignHeight = 550;
constexpr QSize kPanel4Size(750, 105);
constexpr QSize kWidePanelSize(280, 55);
constexpr QSize kSquarePanelSize(170, 170);
constexpr int kButtonHeight = 41;

const std::array<CalibrationFieldDesign, kCalibrationFieldCount> kFields = {{
    {TargetOther, ChannelRed, "EditBR", "SpinButtonBR"},
    {TargetOther, ChannelGreen, "EditBG", "SpinButtonBG"},
    {TargetOther, ChannelBlue, "EditBB", "SpinButtonBB"},
    {TargetRed, ChannelRed, "EditRR", "SpinButtonRR"},
    {TargetRed, ChannelGreen, "EditRG", "SpinButtonRG"},
    {TargetRed, ChannelBlue, "EditRB", "SpinButtonRB"},
    {TargetFon, ChannelRed, "EditDR", "SpinButtonDR"},
    {TargetFon, ChannelGreen, "EditDG", "SpinButtonDG"},
    {TargetFon, ChannelBlue, "EditDB", "SpinButtonDB"},
    {TargetAll, ChannelRed, "EditSR", "SpinButtonSR"},
    {TargetAll, ChannelGreen, "EditSG", "SpinButtonSG"},
    {TargetAll, ChannelBlue, "EditSB", "SpinButtonSB"},
}};

ColourWord& roleOf(RoleColours& roles, CalibrationTarget target) {
    switch (target) {
    case TargetOther:
        return roles.ColorBlue;
    case TargetRed:
        return roles.ColorRed;
    case TargetFon:
        return roles.ColorFon;
    case TargetAll:
        break;
    }
    return roles.ColorAll;
}

int componentOf(ColourWord colour, ColourChannel channel) {
    switch (channel) {
    case ChannelRed:
        return redOf(colour);
    case ChannelGreen:
        return greenOf(colour);
    case ChannelBlue:
        break;
    }
    return blueOf(colour);
}

// The value of a field that holds only digits and stays below 256; nothing otherwise.
std::optional<int> componentValue(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
        if (value > 255) {
            return std::nullopt;
        }
    }
    return value;
}

// The field index of a colour's component.
int fieldOf(CalibrationTarget target, ColourChannel channel) {
    for (int i = 0; i < kCalibrationFieldCount; ++i) {
        if (kFields[i].target == target && kFields[i].channel == channel) {
            return i;
        }
    }
    return 0;
}

} // namespace

const std::array<CalibrationFieldDesign, kCalibrationFieldCount>& calibrationFields() {
    return kFields;
}

CalibrationLayout layOutCalibration(QSize client) {
    CalibrationLayout l;
    const int left = std::max(0, (client.width() - kPanel4Size.width()) / 2);
    l.Panel4 = QRect(QPoint(left, (client.height() - kDesignHeight) / 2), kPanel4Size);
    const int right = l.Panel4.x() + l.Panel4.width();
    const int belowHeader = l.Panel4.y() + l.Panel4.height();
    l.PanelFon = QRect(QPoint(left, belowHeader + 10), kWidePanelSize);
    l.PanelAll = QRect(QPoint(right - kWidePanelSize.width(), l.PanelFon.y()), kWidePanelSize);
    const int squaresTop = belowHeader + kWidePanelSize.height() + 20;
    l.PanelBlue = QRect(QPoint(left, squaresTop), kSquarePanelSize);
    l.PanelRed = QRect(QPoint(right - kSquarePanelSize.width(), squaresTop), kSquarePanelSize);
    const int buttonsTop = client.height() - kButtonHeight - 58;
    l.BtnHigh = QRect(left + 8, buttonsTop, 273, kButtonHeight);
    l.Button1 = QRect(left + 328, buttonsTop, 217, kButtonHeight);
    l.Button3 = QRect(left + 592, buttonsTop, 152, kButtonHeight);
    l.pattern = QPoint(left + (kPanel4Size.width() - 250) / 2,
                       l.PanelFon.y() + kWidePanelSize.height() + 40);
    return l;
}

ColourCalibration::ColourCalibration(SharedState& state, Dialogs& dialogs)
    : state_(state), dialogs_(&dialogs), caption_(QStringLiteral("Настройка цвета")) {
    for (int i = 0; i < kCalibrationFieldCount; ++i) {
        texts_[static_cast<std::size_t>(i)] =
            kFields[i].target == TargetAll ? QStringLiteral("0") : QStringLiteral("100");
    }
}

void ColourCalibration::startUp() {
    const int contrast = state_.settings.Contrast;
    contrastItem_ = contrast < 1 ? -1 : std::min(contrast, kLevelCount) - 1;
    ApplyStartingColours(state_);
    redBlue_ = state_.settings.GlassesType == GlassesRedBlue;
    fillFields();
}

void ColourCalibration::activate(QSize client) {
    // 2. The saved copy and the fields.
    state_.SavedColors = state_.roles;
    fillFields();
    // 3. The glasses button of GlassesType; checking the other one runs its handler, so the
    // colours shown always belong to the glasses checked.
    const bool redBlue = state_.settings.GlassesType == GlassesRedBlue;
    if (redBlue != redBlue_) {
        chooseGlasses(redBlue ? GlassesRedBlue : GlassesRedGreen);
    }
    rememberOpening();
    // 4. The screen.
    DisplayObjects& display = state_.display;
    releaseSurfaces();
    if (!display.DisplayDevice ||
        !succeeded(display.DisplayDevice->createPrimarySurface(display.PrimarySurface))) {
        return;
    }
    Surface& primary = *display.PrimarySurface;
    // 5. A fresh base palette with the working colours.
    DisplayResult result = DisplayResult::Ok;
    display.DisplayPalette = DDLoadPalette(*display.DisplayDevice, state_.paths.ProgramDir,
                                           QString::fromLatin1(kBasePaletteName), &result);
    if (display.DisplayPalette) {
        applyPalette();
        primary.attachPalette(display.DisplayPalette);
    } else {
        showDisplayError(QStringLiteral("DDLoadPalette"), result);
    }
    // 6. The pattern's surface.
    result = display.DisplayDevice->createOffscreenSurface(kPatternSize, kPatternSize,
                                                           display.SceneSurface);
    if (display.SceneSurface && display.DisplayPalette) {
        display.SceneSurface->attachPalette(display.DisplayPalette);
    } else if (display.SceneSurface) {
        showDisplayError(QStringLiteral("DDLoadPalette"), DisplayResult::NoPaletteAttached);
    } else {
        showDisplayError(QStringLiteral("Create Image Surface"), result);
    }
    // 7.-8. The working colours, the panel grey everywhere.
    applyPalette();
    primary.fill(static_cast<std::uint8_t>(state_.indices.IndexPanel));
    // 9.-11. The pattern at its place.
    drawPattern(layOutCalibration(client).pattern);
}

void ColourCalibration::rememberOpening() {
    opening_ = {state_.roles, state_.settings.GlassesType, contrastItem_, state_.ContrastLevel};
}

void ColourCalibration::discardChanges() {
    state_.roles = opening_.roles;
    state_.settings.GlassesType = opening_.glasses;
    redBlue_ = opening_.glasses == GlassesRedBlue;
    contrastItem_ = opening_.contrastItem;
    state_.ContrastLevel = opening_.contrastLevel;
    // The pattern is drawn in the role entries: writing them shows the old colours at once.
    refresh(true);
}

void ColourCalibration::drawPattern(QPoint at) {
    DisplayObjects& display = state_.display;
    if (!display.SceneSurface || !display.PrimarySurface) {
        return;
    }
    Surface& scene = *display.SceneSurface;
    SurfaceLock lock;
    if (!succeeded(scene.lock(lock))) {
        return;
    }
    const PaletteIndices& entries = state_.indices;
    const auto square = [&lock](int first, int last, int entry) {
        for (int y = first; y <= last; ++y) {
            std::fill_n(lock.bits + y * lock.pitch + first, last - first + 1,
                        static_cast<std::uint8_t>(entry));
        }
    };
    square(0, kPatternSize - 1, entries.IndexFon);
    square(49, 179, entries.IndexBlue);
    square(89, 219, entries.IndexRed);
    square(89, 179, entries.IndexAll); // the overlap, seen by both eyes
    scene.unlock();
    display.PrimarySurface->bltFast(at.x(), at.y(), scene);
}

void ColourCalibration::showDisplayError(const QString& operation, DisplayResult code) {
    dialogs_->error(caption_, operation + QStringLiteral(": \n") + describeResult(code));
}

void ColourCalibration::releaseSurfaces() {
    state_.display.SceneSurface.reset();
    state_.display.PrimarySurface.reset();
}

void ColourCalibration::close() {
    state_.roles = state_.SavedColors;
    releaseSurfaces();
}

void ColourCalibration::focusLost() {
    releaseSurfaces();
    state_.SessionAborted = true;
}

void ColourCalibration::applyPalette() {
    if (state_.display.DisplayPalette) {
        ApplyWorkingPalette(*state_.display.DisplayPalette, state_.roles, state_.PaletteShift);
    }
}

void ColourCalibration::chooseContrast(int item) {
    if (item < 0 || item >= kLevelCount) {
        return;
    }
    contrastItem_ = item;
    SelectRoleColours(state_.roles, state_.settings, item + 1, state_.settings.GlassesType);
    refresh(true);
    state_.ContrastLevel = item + 1;
}

void ColourCalibration::setContrastChoice(int level) {
    if (level - 1 != contrastItem_) {
        chooseContrast(level - 1);
    }
}

void ColourCalibration::chooseGlasses(int glasses) {
    redBlue_ = glasses == GlassesRedBlue;
    state_.settings.GlassesType = glasses;
    SelectRoleColours(state_.roles, state_.settings, contrastItem_ + 1, glasses);
    refresh(true);
}

void ColourCalibration::refresh(bool levelOrGlassesChanged) {
    state_.SavedColors = state_.roles;
    if (levelOrGlassesChanged) {
        applyPalette();
    }
    fillFields();
}

void ColourCalibration::fillFields() {
    handleChanges_ = false;
    for (int i = 0; i < kCalibrationFieldCount; ++i) {
        const ColourWord colour = roleOf(state_.roles, kFields[i].target);
        setFieldText(i, QString::number(componentOf(colour, kFields[i].channel)));
    }
    handleChanges_ = true;
}

void ColourCalibration::setFieldText(int field, const QString& text) {
    texts_[static_cast<std::size_t>(field)] = text;
    if (handleChanges_) {
        editField(field, text);
    }
}

void ColourCalibration::editField(int field, const QString& text) {
    if (field < 0 || field >= kCalibrationFieldCount) {
        return;
    }
    texts_[static_cast<std::size_t>(field)] = text;
    if (!handleChanges_) {
        return;
    }
    const CalibrationFieldDesign& design = kFields[field];
    if (text.isEmpty()) {
        setFieldText(field, QStringLiteral("0"));
        return;
    }
    if (!componentValue(text)) {
        // Put back what the colour held when it was last accepted.
        const ColourWord saved = roleOf(state_.SavedColors, design.target);
        setFieldText(field, QString::number(componentOf(saved, design.channel)));
        return;
    }
    const auto component = [this, &design](ColourChannel channel) {
        return componentValue(texts_[static_cast<std::size_t>(fieldOf(design.target, channel))])
            .value_or(0);
    };
    int red = component(ChannelRed);
    // A filter colour never has a zero red component; background and joint colour only
    // when their red field itself is the one changed.
    const bool filterColour = design.target == TargetOther || design.target == TargetRed;
    if (red == 0 && (filterColour || design.channel == ChannelRed)) {
        red = 1;
    }
    const ColourWord colour = colourWord(red, component(ChannelGreen), component(ChannelBlue));
    roleOf(state_.roles, design.target) = colour;
    roleOf(state_.SavedColors, design.target) = colour;
    // Every role entry is written, so the edited role's own entry changes even when its new
    // colour equals another role's.
    applyPalette();
}

void ColourCalibration::stepFieldUp(int field) {
    if (field < 0 || field >= kCalibrationFieldCount) {
        return;
    }
    const int value =
        componentOf(roleOf(state_.roles, kFields[field].target), kFields[field].channel);
    if (value != 255) {
        setFieldText(field, QString::number(value + 1));
    }
}

void ColourCalibration::stepFieldDown(int field) {
    if (field < 0 || field >= kCalibrationFieldCount) {
        return;
    }
    const int value =
        componentOf(roleOf(state_.roles, kFields[field].target), kFields[field].channel);
    if (value != 0) {
        setFieldText(field, QString::number(value - 1));
    }
}

void ColourCalibration::storeColours() {
    if (contrastItem_ < 0) {
        dialogs_->information(
            QStringLiteral("Не выбран контраст: цвета не записаны. Выберите уровень контраста."));
        return;
    }
    const int glasses = redBlue_ ? GlassesRedBlue : GlassesRedGreen;
    const int level = contrastItem_ + 1;
    IniKeyValues keys;
    for (const CalibrationTarget target : {TargetRed, TargetOther, TargetFon, TargetAll}) {
        for (const ColourChannel channel : {ChannelRed, ChannelGreen, ChannelBlue}) {
            keys.append({colourKeyName(glasses, level, target, channel),
                         texts_[static_cast<std::size_t>(fieldOf(target, channel))]});
        }
    }
    const FileResult written = WriteSettings(state_.paths.ProgramDir, keys);
    if (!written.ok()) {
        dialogs_->error(caption_, written.error);
        return;
    }
    for (const CalibrationTarget target : {TargetRed, TargetOther, TargetFon, TargetAll}) {
        for (const ColourChannel channel : {ChannelRed, ChannelGreen, ChannelBlue}) {
            state_.settings.colours.at(glasses, level, target, channel) =
                componentValue(texts_[static_cast<std::size_t>(fieldOf(target, channel))])
                    .value_or(0);
        }
    }
    rememberOpening(); // stored colours are no longer changes to discard
}

} // namespace trelon
