#include "setup/ProcedureSetup.h"

#include "common/StrictNumbers.h"
#include "state/SharedState.h"
#include "stimulus/PaletteRoutines.h"
#include "stimulus/PictureFiles.h"

namespace trelon {

namespace {

using C = SetupControl;

constexpr int kPatientNameLength = 50;
constexpr int kAirplaneItem = 2; // "Самолет (8)" of RadioGroupScotomObj
constexpr int kSwatchPitch = 50;

constexpr C kPreviewLabels[] = {C::Label1, C::Label2, C::Label3, C::Label4,
                                C::Label5, C::Label6, C::Label7, C::Label8};

QStringList sizeItems2() {
    return {QStringLiteral("Большой"), QStringLiteral("Маленький")};
}
QStringList sizeItems3() {
    return {QStringLiteral("Большой"), QStringLiteral("Средний"), QStringLiteral("Маленький")};
}

// Left edge that centres a control of width inner on the control outer.
int centredOn(const QRect& outer, int inner) {
    return outer.x() + (outer.width() - inner) / 2;
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

void ProcedureSetup::FormCreate(QSize screenSize) {
    controls_ = layOutSetupControls(screenSize);
    created_ = controls_;
    // The colours themselves are chosen at every activation; at creation they stay as the
    // calibration screen's creation chose them (none at all for a Contrast below 1).
    highlightSwatch(state_.ContrastLevel);
}

void ProcedureSetup::FormActivate(const PatientBoxes& boxes) {
    // 1. Flags, flicker preview off, frequency back to "0", working colours.
    previewDrawn_ = false;
    closed_ = false;
    state_.SessionAborted = false;
    timer1Running_ = false;
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
    showProcedureControls(procedure());

    // 6. The frame follows the level in force (the calibration screen may have changed it);
    // its colours are chosen.
    highlightSwatch(state_.ContrastLevel);
    chooseColours();
    // 7. Timer1 stays off until a frequency is chosen.
}

void ProcedureSetup::showProcedureControls(ProcedureKind procedure) {
    SetupControlState& size = control(C::RadioGroupSizeScotoma);
    switch (procedure) {
    case ProcedureKind::None:
        break;
    case ProcedureKind::DiagCvetotest:
        caption_ = QStringLiteral(" Диагностика: оценка характера зрения ");
        hide(C::RadioGroupTestObj);
        hide(C::RadioGroupSizeScotoma);
        break;
    case ProcedureKind::DiagKosogl: {
        caption_ = QStringLiteral(" Диагностика: измерение угла косоглазия ");
        SetupControlState& test = control(C::RadioGroupTestObj);
        test.visible = true;
        test.itemIndex = 0;
        size.rect.moveTo(test.rect.x() - 20 - size.rect.width(), test.rect.y());
        size.enabled = test.itemIndex + 1 != kAngleScaleObject; // the scale has no size
        break;
    }
    case ProcedureKind::DiagScotoma:
        caption_ = QStringLiteral(" Диагностика: выявление функциональной скотомы ");
        hide(C::RadioGroupSizeScotoma);
        break;
    case ProcedureKind::DiagFuzia: {
        caption_ = QStringLiteral(" Диагностика: определение фузионных резервов ");
        show(C::RadioGroupFuz);
        show(C::RadioGroupObjFuz);
        hide(C::RadioGroupSizeScotoma);
        SetupControlState& sizeFuz = control(C::RadioGroupSizeFuz);
        sizeFuz.visible = true;
        sizeFuz.itemIndex = 0;
        sizeFuz.rect.moveTo(rect(C::RadioGroupFuz).x(), rect(C::RadioGroupObjFuz).y());
        QRect& object = rect(C::RadioGroupObjFuz);
        object.moveLeft(rightEdge(rect(C::RadioGroupFuz)) - object.width());
        break;
    }
    case ProcedureKind::TrenScotoma: {
        caption_ = QStringLiteral(" Ликвидация функциональной скотомы ");
        show(C::RadioGroupScotomObj);
        const QRect objects = rect(C::RadioGroupScotomObj);
        size.items = sizeItems3();
        size.itemIndex = 0;
        size.rect.moveTo(centredOn(objects, size.rect.width()), bottomEdge(objects) + 20);
        show(C::RadioGroupSamolet);
        rect(C::RadioGroupSamolet).moveTo(objects.x(), bottomEdge(size.rect) + 20);
        enableSamolet();
        show(C::RadioGroupMelkan);
        show(C::RadioGroupFrec);
        for (C label : kPreviewLabels) {
            show(label);
        }
        break;
    }
    case ProcedureKind::TrenKosogl:
        caption_ = QStringLiteral(" Тренировка: устранение косоглазия ");
        show(C::RadioGroupMelkan);
        show(C::RadioGroupFrec);
        show(C::RadioGroupTrenObj);
        show(C::RadioGroupWork);
        for (C label : kPreviewLabels) {
            show(label);
        }
        size.rect.moveTo(centredOn(rect(C::RadioGroupFrec), size.rect.width()),
                         bottomEdge(rect(C::RadioGroupMelkan)) + 10);
        showWorkModeGroups();
        resetPreviewLabels();
        break;
    case ProcedureKind::TrenBifics:
        caption_ = QStringLiteral(" Тренировка: закрепление слияния ");
        show(C::RadioGroupTrenFuzObj);
        show(C::RadioGroupSkorostKoleb);
        size.rect.moveTo(centredOn(rect(C::RadioGroupSkorostKoleb), size.rect.width()),
                         rect(C::RadioGroupTrenFuzObj).y());
        break;
    case ProcedureKind::TrenCvetotest: {
        caption_ = QStringLiteral(" Тренировка: развитие фузионных резервов ");
        show(C::RadioGroupFuzTren);
        show(C::RadioGroupTrenFuzObj);
        show(C::RadioGroupSkorost);
        const QRect objects = rect(C::RadioGroupTrenFuzObj);
        QRect& speed = rect(C::RadioGroupSkorost);
        speed.moveTop(bottomEdge(objects) - speed.height());
        size.rect.moveTo(centredOn(speed, size.rect.width()), objects.y());
        QRect& reserves = rect(C::RadioGroupFuzTren);
        const int gapTop = bottomEdge(size.rect);
        reserves.moveTop(gapTop + (speed.y() - gapTop - reserves.height()) / 2);
        break;
    }
    }
}

void ProcedureSetup::showWorkModeGroups() {
    const int mode = item(C::RadioGroupWork);
    show(C::RadioGroupPause, mode == 1);
    show(C::RadioGroupShagMove, mode == 1);
    show(C::RadioGroupSkorost, mode == 2);
}

void ProcedureSetup::resetPreviewLabels() {
    for (C label : kPreviewLabels) {
        show(label);
    }
    if (item(C::RadioGroupMelkan) == 3 && item(C::RadioGroupFrec) > 0) {
        hide(C::Label5);
        hide(C::Label7);
    }
}

void ProcedureSetup::enableSamolet() {
    control(C::RadioGroupSamolet).enabled = item(C::RadioGroupScotomObj) == kAirplaneItem;
}

void ProcedureSetup::highlightSwatch(int level) {
    const int x = swatchX();
    rect(C::lt).moveLeft(x - 7);
    rect(C::ll).moveLeft(x - 7);
    rect(C::lb).moveLeft(x - 7);
    rect(C::lr).moveLeft(x + 164);
    if (level < 1 || level > 3) {
        return;
    }
    highlightedLevel_ = level;
    const int t = swatchY() + kSwatchPitch * (level - 1);
    rect(C::lt).moveTop(t - 5);
    rect(C::ll).moveTop(t - 5);
    rect(C::lr).moveTop(t - 5);
    rect(C::lb).moveTop(t + 43);
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

void ProcedureSetup::FormMouseDown(int x, int y) {
    const int top = swatchY();
    int level = 0;
    if (rect(C::ll).x() < x && x < rect(C::lr).x()) {
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
        RadioGroupWorkClick();
        break;
    case C::RadioGroupFrec:
        RadioGroupFrecClick();
        break;
    case C::RadioGroupMelkan:
        RadioGroupMelkanClick();
        break;
    case C::RadioGroupBifixMove:
        RadioGroupBifixMoveClick();
        break;
    case C::RadioGroupTrenObj:
        RadioGroupTrenObjClick();
        break;
    case C::RadioGroupTrenFuzObj:
        RadioGroupTrenFuzObjClick();
        break;
    case C::RadioGroupTestObj:
        RadioGroupTestObjClick();
        break;
    case C::RadioGroupObjFuz:
        RadioGroupObjFuzClick();
        break;
    case C::RadioGroupScotomObj:
        RadioGroupScotomObjClick();
        break;
    default:
        break; // groups read only by the start button
    }
}

void ProcedureSetup::RadioGroupWorkClick() {
    showWorkModeGroups();
}

void ProcedureSetup::RadioGroupFrecClick() {
    const SetupControlState& frequency = control(C::RadioGroupFrec);
    state_.session.FlickerHz =
        static_cast<std::uint16_t>(frequency.items.value(frequency.itemIndex).toInt());
    if (frequency.itemIndex != 0) {
        timer1Running_ = true;
    } else {
        timer1Running_ = false;
        for (C label : kPreviewLabels) {
            show(label);
        }
    }
}

void ProcedureSetup::RadioGroupMelkanClick() {
    state_.session.FlickerVariant = static_cast<std::uint16_t>(item(C::RadioGroupMelkan) + 1);
    resetPreviewLabels();
}

void ProcedureSetup::RadioGroupBifixMoveClick() {
    state_.session.BifixPhase = item(C::RadioGroupBifixMove) + 1;
}

void ProcedureSetup::RadioGroupTrenObjClick() {
    PreviewPicture(C::RadioGroupTrenObj);
}

void ProcedureSetup::RadioGroupTrenFuzObjClick() {
    PreviewPicture(C::RadioGroupTrenFuzObj);
}

void ProcedureSetup::RadioGroupTestObjClick() {
    control(C::RadioGroupSizeScotoma).enabled = item(C::RadioGroupTestObj) != 0;
    PreviewPicture(C::RadioGroupTestObj);
}

void ProcedureSetup::RadioGroupObjFuzClick() {
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

void ProcedureSetup::RadioGroupScotomObjClick() {
    enableSamolet();
}

void ProcedureSetup::Timer1Timer() {
    auto toggle = [this](C label) { show(label, !shows(label)); };
    switch (item(C::RadioGroupMelkan)) {
    case 0:
        toggle(C::Label1);
        break;
    case 1:
        toggle(C::Label2);
        break;
    case 2:
        toggle(C::Label3);
        toggle(C::Label4);
        break;
    case 3: {
        const bool firstPair = shows(C::Label5);
        show(C::Label5, !firstPair);
        show(C::Label7, !firstPair);
        show(C::Label6, firstPair);
        show(C::Label8, firstPair);
        break;
    }
    default:
        break;
    }
}

} // namespace trelon
