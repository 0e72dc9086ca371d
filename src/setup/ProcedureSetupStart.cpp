// The start button of the set-up screen: every choice into the session parameters, and the
// screen's state around the stimulus window.
#include "setup/ProcedureSetup.h"

#include "platform/Dialogs.h"
#include "state/SharedState.h"

#include <algorithm>
#include <array>

namespace trelon {

namespace {

using C = SetupControl;

constexpr std::array<int, 3> kPauseSeconds = {15, 10, 5};
constexpr std::array<double, 6> kDistancesCm = {50, 100, 200, 300, 400, 500};

// The value of a group's item, or the last one for an index past the end.
template <typename T, std::size_t N> T pick(const std::array<T, N>& values, int index) {
    if (index < 0) {
        return values.front();
    }
    return values[std::min<std::size_t>(static_cast<std::size_t>(index), N - 1)];
}

} // namespace

bool ProcedureSetup::startSession(const PatientBoxes& boxes) {
    if (boxes.surname.isEmpty() && !dialogs_->confirm(state_.texts.NoPatientContinue)) {
        return false;
    }
    if (closed_) {
        return false; // the screen closed while the question was open: the answer is void
    }
    flickerPreviewRunning_ = false;
    fillSessionParams();
    previewDrawn_ = true; // the stimulus window owns the screen now
    return true;
}

void ProcedureSetup::fillSessionParams() {
    SessionParams& session = state_.session;
    const Settings& settings = state_.settings;
    const bool fast = item(C::RadioGroupSkorost) == 1; // "Быстрое"

    if (shows(C::RadioGroupShagMove)) {
        session.StepPixels = item(C::RadioGroupShagMove) + 1;
        session.PauseSeconds = pick(kPauseSeconds, item(C::RadioGroupPause));
        session.TimerMInterval = session.PauseSeconds * 1000;
    }
    if (session.ProcedureNumber == 2 && shows(C::RadioGroupSkorost)) {
        session.MoveInterval = fast ? settings.TimeTrenKosogl2 : settings.TimeTrenKosogl1;
    }
    if (shows(C::RadioGroupSkorostKoleb)) {
        // "Большая" (item 0) is the fast oscillation, "Малая" (item 1) the slow one.
        session.MoveInterval = item(C::RadioGroupSkorostKoleb) == 0 ? settings.TimeIntervalKoleb1
                                                                    : settings.TimeIntervalKoleb2;
    }
    if (shows(C::RadioGroupWork)) {
        session.WorkMode = item(C::RadioGroupWork);
    }

    session.ObjectNumber = 1;
    for (C group : {C::RadioGroupTestObj, C::RadioGroupFuz, C::RadioGroupTrenObj,
                    C::RadioGroupScotomObj, C::RadioGroupFuzTren}) {
        if (shows(group)) {
            session.ObjectNumber = static_cast<std::uint16_t>(item(group) + 1);
        }
    }
    for (C group : {C::RadioGroupObjFuz, C::RadioGroupTrenFuzObj, C::RadioGroupScotomObj}) {
        if (shows(group)) {
            const SetupControlState& objects = control(group);
            session.ObjectName = objects.items.value(objects.itemIndex).left(kObjectNameCapacity);
        }
    }
    if (shows(C::RadioGroupScotomObj)) {
        const SetupControlState& direction = control(C::RadioGroupSamolet);
        session.WorkMode = item(C::RadioGroupScotomObj) == kAirplaneItem
                               ? direction.items.value(direction.itemIndex).toInt()
                               : 0;
    }

    auto shownItem = [this](C group) { return shows(group) ? item(group) : 0; };
    session.SizeScotomaItem = shownItem(C::RadioGroupSizeScotoma);
    session.SizeFuzItem = shownItem(C::RadioGroupSizeFuz);
    session.ObjFuzItem = shownItem(C::RadioGroupObjFuz);
    session.TrenFuzObjItem = shownItem(C::RadioGroupTrenFuzObj);

    session.DistanceCm = pick(kDistancesCm, item(C::RadioGroupDistant));
    session.FilterPosition = item(C::RadioGroupAmbliop) + 1;
    if (shows(C::RadioGroupMelkan)) {
        session.FlickerVariant = static_cast<std::uint16_t>(item(C::RadioGroupMelkan) + 1);
    }
    session.BifixPhase = 1;
    if (session.ProcedureNumber == 4) {
        session.MoveInterval = fast ? settings.TimeTrenFuz2 : settings.TimeTrenFuz1;
    }
}

bool ProcedureSetup::finishSession(const PatientBoxes& boxes) {
    const bool aborted = state_.SessionAborted;
    if (!aborted) {
        // Back from the modal stimulus window the screen is activated again.
        activate(boxes);
    }
    previewDrawn_ = false;
    enableAirplaneDirections(controls_);
    if (shows(C::RadioGroupFrec)) {
        resetFlickerSquares(controls_);
    }
    flickerPreviewRunning_ = !aborted && item(C::RadioGroupFrec) != 0;
    state_.session.FlickerHz = 0;
    state_.session.FlickerVariant = 0;
    return aborted;
}

} // namespace trelon
