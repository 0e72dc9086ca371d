#include "setup/ProcedureSetup.h"

#include "common/StrictNumbers.h"
#include "setup/ProcedureSetupRows.h"
#include "state/SharedState.h"
#include "stimulus/PaletteRoutines.h"

namespace trelon {

namespace {

using C = SetupControl;

constexpr int kPatientNameLength = 50;
constexpr int kSwatchPitch = 50;

QStringList sizeItems2() {
    return {QStringLiteral("Большой"), QStringLiteral("Маленький")};
}

} // namespace

ProcedureSetup::ProcedureSetup(SharedState& state, Dialogs& dialogs)
    : state_(state), dialogs_(&dialogs), caption_(QStringLiteral("Параметры")) {
    controls_ = layOutSetupControls(QSize(kSetupDesignWidth, kSetupDesignHeight));
    created_ = controls_;
}

ProcedureKind ProcedureSetup::procedure() const {
    return procedureKindOf(state_.session.IsDiagnostics, state_.session.ProcedureNumber);
}

void ProcedureSetup::show(SetupControl id, bool visible) {
    control(id).visible = visible;
}

void ProcedureSetup::layOut(QSize screenSize) {
    controls_ = layOutSetupControls(screenSize);
    created_ = controls_;
    // The colours themselves are chosen at every activation; at creation they stay as the
    // calibration screen's creation chose them (none at all for a Contrast below 1).
    highlightSwatch(state_.ContrastLevel);
}

void ProcedureSetup::activate(const PatientBoxes& boxes) {
    // 1. Flags, flicker preview off, frequency back to "0", working colours.
    previewDrawn_ = false;
    closed_ = false;
    state_.SessionAborted = false;
    flickerPreviewRunning_ = false;
    control(C::RadioGroupFrec).itemIndex = 0;
    state_.session.FlickerHz = 0;
    if (state_.display.DisplayPalette) {
        ApplyWorkingPalette(*state_.display.DisplayPalette, state_.roles, state_.PaletteShift);
    }
    // Groups that an earlier procedure moved go back to their places first, so one
    // procedure's arrangement never leaks into another's.
    for (int i = 0; i < kSetupControlCount; ++i) {
        if (setupControlDesigns()[i].kind == SetupControlKind::RadioGroup) {
            controls_[i].rect = created_[i].rect;
        }
    }

    // 2. The size group in its two-item form.
    SetupControlState& size = control(C::RadioGroupSizeScotoma);
    size.visible = true;
    size.enabled = true;
    size.items = sizeItems2();
    size.itemIndex = 0;

    // 3. Only the filter and distance groups stay.
    for (int i = 0; i < kSetupControlCount; ++i) {
        const auto id = static_cast<C>(i);
        const SetupControlKind kind = setupControlDesigns()[i].kind;
        if ((kind == SetupControlKind::RadioGroup && id != C::RadioGroupSizeScotoma) ||
            kind == SetupControlKind::PreviewLabel) {
            hide(id);
        }
    }
    show(C::RadioGroupAmbliop);
    show(C::RadioGroupDistant);

    // 4. The patient chosen on the main window. With none chosen the session carries no
    // name, so a run started anyway stores nothing under an earlier patient's name.
    if (!boxes.surname.isEmpty()) {
        state_.session.PatientName = boxes.surname.left(kPatientNameLength);
        // The main window refuses to open this screen for a number that is no integer.
        if (const std::optional<int> number = strToInt(boxes.number)) {
            state_.session.PatientNumber = *number;
        }
    } else {
        state_.session.PatientName.clear();
        state_.session.PatientNumber = 0;
    }

    // 5. The procedure's own controls.
    showProcedureControls(setupRowOf(procedure()));

    // 6. The frame follows the level in force (the calibration screen may have changed it);
    // its colours are chosen.
    highlightSwatch(state_.ContrastLevel);
    chooseColours();
    // 7. The flicker preview (Timer1) stays off until a frequency is chosen.
}

void ProcedureSetup::showProcedureControls(const SetupRow& row) {
    if (row.caption != nullptr) {
        caption_ = QString::fromUtf8(row.caption);
    }
    show(C::RadioGroupSizeScotoma, !row.hidesSize);
    for (C group : row.shown) {
        show(group);
    }
    if (row.flickerSquares) {
        for (C square : kFlickerSquares) {
            show(square);
        }
    }
    if (row.arrange != nullptr) {
        row.arrange(controls_);
    }
}

void ProcedureSetup::highlightSwatch(int level) {
    const int x = swatchX();
    rect(C::FrameTop).moveLeft(x - 7);
    rect(C::FrameLeft).moveLeft(x - 7);
    rect(C::FrameBottom).moveLeft(x - 7);
    rect(C::FrameRight).moveLeft(x + 164);
    if (level < 1 || level > 3) {
        return;
    }
    highlightedLevel_ = level;
    const int t = swatchY() + kSwatchPitch * (level - 1);
    rect(C::FrameTop).moveTop(t - 5);
    rect(C::FrameLeft).moveTop(t - 5);
    rect(C::FrameRight).moveTop(t - 5);
    rect(C::FrameBottom).moveTop(t + 43);
}

void ProcedureSetup::chooseColours() {
    Palette* palette = state_.display.DisplayPalette.get();
    // 4. The colours chosen so far.
    if (palette != nullptr) {
        ApplyWorkingPalette(*palette, state_.roles, state_.PaletteShift);
    }
    // 5. The colours of the level.
    SelectRoleColours(state_.roles, state_.settings, state_.ContrastLevel,
                      state_.settings.GlassesType);
    // 6. The calibration screen's choice follows; when that changes it, the calibration
    // screen's own handler selects the level's colours and writes them to the palette.
    if (calibrationChoice_) {
        calibrationChoice_(state_.ContrastLevel);
    } else if (palette != nullptr) {
        ApplyWorkingPalette(*palette, state_.roles, state_.PaletteShift);
    }
}

void ProcedureSetup::chooseSwatchAt(int x, int y) {
    const int top = swatchY();
    int level = 0;
    if (rect(C::FrameLeft).x() < x && x < rect(C::FrameRight).x()) {
        for (int candidate = 1; candidate <= 3; ++candidate) {
            const int t = top + kSwatchPitch * (candidate - 1);
            if (t < y && y < t + 40) {
                level = candidate;
            }
        }
    }
    if (level != 0) {
        state_.ContrastLevel = level;
        state_.session.ContrastLevel = level;
        highlightSwatch(level);
    }
    chooseColours();
}

void ProcedureSetup::choose(SetupControl group, int itemIndex) {
    SetupControlState& target = control(group);
    if (itemIndex < 0 || itemIndex >= target.items.size()) {
        return;
    }
    target.itemIndex = itemIndex;
    switch (group) {
    case C::RadioGroupWork:
        showWorkModeGroups(controls_);
        break;
    case C::RadioGroupFrec:
        applyFlickerFrequency();
        break;
    case C::RadioGroupMelkan:
        applyFlickerVariant();
        break;
    case C::RadioGroupBifixMove:
        state_.session.BifixPhase = item(C::RadioGroupBifixMove) + 1;
        break;
    case C::RadioGroupTrenObj:
    case C::RadioGroupTrenFuzObj:
        PreviewPicture(group);
        break;
    case C::RadioGroupTestObj:
        // The scale has no size.
        control(C::RadioGroupSizeScotoma).enabled = item(C::RadioGroupTestObj) != 0;
        PreviewPicture(group);
        break;
    case C::RadioGroupObjFuz:
        fillFusionSizes();
        break;
    case C::RadioGroupScotomObj:
        enableAirplaneDirections(controls_);
        break;
    default:
        break; // groups read only by the start button
    }
}

void ProcedureSetup::applyFlickerFrequency() {
    const SetupControlState& frequency = control(C::RadioGroupFrec);
    state_.session.FlickerHz =
        static_cast<std::uint16_t>(frequency.items.value(frequency.itemIndex).toInt());
    if (frequency.itemIndex != 0) {
        flickerPreviewRunning_ = true;
    } else {
        flickerPreviewRunning_ = false;
        for (C square : kFlickerSquares) {
            show(square);
        }
    }
}

void ProcedureSetup::applyFlickerVariant() {
    state_.session.FlickerVariant = static_cast<std::uint16_t>(item(C::RadioGroupMelkan) + 1);
    resetFlickerSquares(controls_);
}

void ProcedureSetup::fillFusionSizes() {
    static const QStringList sizes[] = {
        {QStringLiteral("6 град."), QStringLiteral("4 град."), QStringLiteral("3 град.")},
        {QStringLiteral("3 град."), QStringLiteral("2 град."), QStringLiteral("1 град.")},
        {QStringLiteral("8 град."), QStringLiteral("6 град."), QStringLiteral("4 град.")},
    };
    const int object = item(C::RadioGroupObjFuz);
    if (object < 0 || object > 2) {
        return;
    }
    control(C::RadioGroupSizeFuz).items = sizes[object]; // the chosen index stays
}

void ProcedureSetup::blinkFlickerPreview() {
    auto toggle = [this](C label) { show(label, !shows(label)); };
    switch (item(C::RadioGroupMelkan)) {
    case 0:
        toggle(C::FlickerRedSquare);
        break;
    case 1:
        toggle(C::FlickerBlueSquare);
        break;
    case 2:
        toggle(C::FlickerBothRedHalf);
        toggle(C::FlickerBothBlueHalf);
        break;
    case 3: {
        const bool firstPair = shows(C::FlickerCheckerRed1);
        show(C::FlickerCheckerRed1, !firstPair);
        show(C::FlickerCheckerRed2, !firstPair);
        show(C::FlickerCheckerBlue1, firstPair);
        show(C::FlickerCheckerBlue2, firstPair);
        break;
    }
    default:
        break;
    }
}

} // namespace trelon
