// The start button: every session parameter it fills, per procedure, and the screen's state
// after the stimulus window closed.
#include "setup/ProcedureSetupTestSupport.h"

using namespace trelon;
using namespace trelon::test;
using C = SetupControl;
using P = ProcedureKind;

namespace {

class ProcedureSetupStart : public ProcedureSetupFixture {
protected:
    void SetUp() override {
        ProcedureSetupFixture::SetUp();
        // Distinct intervals, so each one can be told from the others.
        state.settings.TimeTrenKosogl1 = 11;
        state.settings.TimeTrenKosogl2 = 12;
        state.settings.TimeIntervalKoleb1 = 21;
        state.settings.TimeIntervalKoleb2 = 22;
        state.settings.TimeTrenFuz1 = 31;
        state.settings.TimeTrenFuz2 = 32;
    }

    // Values a start must leave alone where it does not set them.
    void markSession() {
        SessionParams& s = state.session;
        s.StepPixels = -1;
        s.PauseSeconds = -1;
        s.TimerMInterval = -1;
        s.MoveInterval = -1;
        s.WorkMode = -1;
        s.ObjectName = QStringLiteral("прежний");
        s.FlickerVariant = 99;
        s.BifixPhase = 3;
    }

    void start() {
        markSession();
        ASSERT_TRUE(setup->startSession(boxes));
    }
};

TEST_F(ProcedureSetupStart, CommonFieldsFromFilterAndDistance) {
    const double distances[] = {50, 100, 200, 300, 400, 500};
    open(P::DiagCvetotest);
    for (int item = 0; item < 6; ++item) {
        setup->choose(C::RadioGroupDistant, item);
        setup->choose(C::RadioGroupAmbliop, item % 2);
        start();
        EXPECT_EQ(state.session.DistanceCm, distances[item]);
        EXPECT_EQ(state.session.FilterPosition, item % 2 + 1);
        EXPECT_EQ(state.session.BifixPhase, 1);
    }
}

TEST_F(ProcedureSetupStart, DiagnosticsWithoutObjectGroupsStartWithObjectOne) {
    for (P procedure : {P::DiagCvetotest, P::DiagScotoma}) {
        open(procedure);
        start();
        const SessionParams& s = state.session;
        EXPECT_EQ(s.ObjectNumber, 1);
        EXPECT_EQ(s.ObjectName, QStringLiteral("прежний"));
        EXPECT_EQ(s.StepPixels, -1);
        EXPECT_EQ(s.PauseSeconds, -1);
        EXPECT_EQ(s.MoveInterval, -1);
        EXPECT_EQ(s.WorkMode, -1);
        EXPECT_EQ(s.FlickerVariant, 99);
    }
}

TEST_F(ProcedureSetupStart, DiagKosoglNumbersTheTestObject) {
    open(P::DiagKosogl);
    setup->choose(C::RadioGroupTestObj, 7);
    setup->choose(C::RadioGroupSizeScotoma, 1);
    start();
    EXPECT_EQ(state.session.ObjectNumber, 8);
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("прежний"));
    EXPECT_EQ(state.session.SizeScotomaItem, 1);

    // A size group that is not shown leaves its item at 0.
    open(P::DiagScotoma);
    start();
    EXPECT_EQ(state.session.SizeScotomaItem, 0);
}

TEST_F(ProcedureSetupStart, DiagFuziaTakesVariantObjectAndFusionInterval) {
    open(P::DiagFuzia);
    setup->choose(C::RadioGroupFuz, 3);
    setup->choose(C::RadioGroupObjFuz, 2);
    setup->choose(C::RadioGroupSizeFuz, 1);
    start();
    EXPECT_EQ(state.session.ObjectNumber, 4);
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("Бабочка"));
    // The scene sizes the picture by these two items.
    EXPECT_EQ(state.session.ObjFuzItem, 2);
    EXPECT_EQ(state.session.SizeFuzItem, 1);
    // Procedure number 4 takes the fusion interval by the (hidden) speed choice.
    EXPECT_EQ(state.session.MoveInterval, 31);
}

TEST_F(ProcedureSetupStart, TrenScotomaAirplaneDirectionBecomesWorkMode) {
    open(P::TrenScotoma);
    setup->choose(C::RadioGroupScotomObj, 2);
    setup->choose(C::RadioGroupSamolet, 6); // "225"
    setup->choose(C::RadioGroupMelkan, 1);
    start();
    EXPECT_EQ(state.session.WorkMode, 225);
    EXPECT_EQ(state.session.ObjectNumber, 3);
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("Самолет (8)"));
    EXPECT_EQ(state.session.FlickerVariant, 2);

    // Any other object flies nowhere, whatever direction is still chosen.
    open(P::TrenScotoma);
    setup->choose(C::RadioGroupScotomObj, 1);
    start();
    EXPECT_EQ(state.session.WorkMode, 0);
    EXPECT_EQ(state.session.ObjectNumber, 2);
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("Пчелка"));
}

TEST_F(ProcedureSetupStart, TrenKosoglTimingByWorkMode) {
    open(P::TrenKosogl);
    setup->choose(C::RadioGroupTrenObj, 10);
    setup->choose(C::RadioGroupWork, 1);
    setup->choose(C::RadioGroupShagMove, 2);
    setup->choose(C::RadioGroupPause, 2);
    setup->choose(C::RadioGroupMelkan, 3);
    start();
    SessionParams& s = state.session;
    EXPECT_EQ(s.ObjectNumber, 11);
    EXPECT_EQ(s.ObjectName, QStringLiteral("прежний"));
    EXPECT_EQ(s.WorkMode, 1);
    EXPECT_EQ(s.StepPixels, 3);
    EXPECT_EQ(s.PauseSeconds, 5);
    EXPECT_EQ(s.TimerMInterval, 5000);
    EXPECT_EQ(s.MoveInterval, -1);
    EXPECT_EQ(s.FlickerVariant, 4);

    const int pauses[] = {15, 10, 5};
    for (int item = 0; item < 3; ++item) {
        setup->choose(C::RadioGroupPause, item);
        setup->choose(C::RadioGroupShagMove, item);
        start();
        EXPECT_EQ(s.PauseSeconds, pauses[item]);
        EXPECT_EQ(s.TimerMInterval, pauses[item] * 1000);
        EXPECT_EQ(s.StepPixels, item + 1);
    }

    // Uniform movement: the speed picks the strabismus interval; no step or pause.
    setup->choose(C::RadioGroupWork, 2);
    setup->choose(C::RadioGroupSkorost, 1);
    start();
    EXPECT_EQ(s.WorkMode, 2);
    EXPECT_EQ(s.MoveInterval, 12);
    EXPECT_EQ(s.StepPixels, -1);
    EXPECT_EQ(s.TimerMInterval, -1);
    setup->choose(C::RadioGroupSkorost, 0);
    start();
    EXPECT_EQ(s.MoveInterval, 11);

    // Manual.
    setup->choose(C::RadioGroupWork, 0);
    start();
    EXPECT_EQ(s.WorkMode, 0);
    EXPECT_EQ(s.MoveInterval, -1);
}

TEST_F(ProcedureSetupStart, TrenBificsStartsWithObjectOneAndTheSwingInterval) {
    open(P::TrenBifics);
    setup->choose(C::RadioGroupTrenFuzObj, 5);
    start();
    EXPECT_EQ(state.session.ObjectNumber, 1);
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("Снежинка"));
    EXPECT_EQ(state.session.BifixPhase, 1);
    EXPECT_EQ(state.session.MoveInterval, 21); // "Большая": the fast oscillation's interval
    setup->choose(C::RadioGroupSkorostKoleb, 1);
    start();
    EXPECT_EQ(state.session.MoveInterval, 22); // "Малая": the slow one
}

TEST_F(ProcedureSetupStart, TrenCvetotestTakesDirectionObjectAndFusionInterval) {
    open(P::TrenCvetotest);
    setup->choose(C::RadioGroupFuzTren, 1);
    setup->choose(C::RadioGroupTrenFuzObj, 8);
    setup->choose(C::RadioGroupSkorost, 1);
    start();
    EXPECT_EQ(state.session.ObjectNumber, 2);
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("Самолет"));
    EXPECT_EQ(state.session.MoveInterval, 32);
    setup->choose(C::RadioGroupSkorost, 0);
    start();
    EXPECT_EQ(state.session.MoveInterval, 31);
}

TEST_F(ProcedureSetupStart, ObjectNameIsCutToTwelveCharacters) {
    open(P::TrenScotoma);
    setup->control(C::RadioGroupScotomObj).items[0] = QStringLiteral("Мышеловка большая");
    start();
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("Мышеловка бо"));
}

TEST_F(ProcedureSetupStart, NoPatientAskedAndNoStoresAndOpensNothing) {
    open(P::TrenKosogl, QString());
    setup->choose(C::RadioGroupFrec, 2);
    setup->choose(C::RadioGroupTrenObj, 4);
    markSession();
    dialogs.confirmAnswers = {false};
    EXPECT_FALSE(setup->startSession(boxes));
    EXPECT_EQ(dialogs.confirmations,
              QStringList{QStringLiteral("Не выбрана фамилия. Продолжить?")});
    EXPECT_EQ(state.session.ObjectNumber, 0);
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("прежний"));
    EXPECT_EQ(state.session.DistanceCm, 0);
    EXPECT_EQ(state.session.BifixPhase, 3);
    EXPECT_FALSE(setup->previewDrawn());
    EXPECT_TRUE(setup->flickerPreviewRunning()); // the preview goes on blinking

    dialogs.confirmAnswers = {true};
    EXPECT_TRUE(setup->startSession(boxes));
    EXPECT_EQ(state.session.ObjectNumber, 5);
    EXPECT_TRUE(setup->previewDrawn());
    EXPECT_FALSE(setup->flickerPreviewRunning());

    // The screen closed while the question was open: the answer starts nothing.
    open(P::TrenKosogl, QString());
    markSession();
    dialogs.whileShown = [this] { setup->focusLost(); };
    EXPECT_FALSE(setup->startSession(boxes));
    dialogs.whileShown = nullptr;
    EXPECT_EQ(state.session.ObjectName, QStringLiteral("прежний"));

    // With a patient there is no question.
    dialogs.confirmations.clear();
    open(P::TrenKosogl);
    EXPECT_TRUE(setup->startSession(boxes));
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
}

TEST_F(ProcedureSetupStart, AfterASessionFrequencyIsZeroAndThePreviewSteady) {
    open(P::TrenKosogl);
    setup->choose(C::RadioGroupFrec, 4);
    setup->choose(C::RadioGroupMelkan, 3);
    setup->blinkFlickerPreview();
    start();
    EXPECT_EQ(state.session.FlickerHz, 6);
    EXPECT_EQ(state.session.FlickerVariant, 4);

    EXPECT_FALSE(setup->finishSession(boxes));
    EXPECT_EQ(control(C::RadioGroupFrec).itemIndex, 0);
    EXPECT_EQ(state.session.FlickerHz, 0);
    EXPECT_EQ(state.session.FlickerVariant, 0);
    EXPECT_FALSE(setup->flickerPreviewRunning());
    EXPECT_FALSE(setup->previewDrawn());
    for (C label : {C::FlickerRedSquare, C::FlickerBlueSquare, C::FlickerBothRedHalf,
                    C::FlickerBothBlueHalf, C::FlickerCheckerRed1, C::FlickerCheckerBlue1,
                    C::FlickerCheckerRed2, C::FlickerCheckerBlue2}) {
        EXPECT_TRUE(shows(label));
    }
    // The airplane's direction stays usable only with the airplane.
    EXPECT_FALSE(control(C::RadioGroupSamolet).enabled);
}

TEST_F(ProcedureSetupStart, AnAbortedSessionClosesTheScreen) {
    open(P::TrenScotoma);
    setup->choose(C::RadioGroupFrec, 1);
    setup->choose(C::RadioGroupMelkan, 0);
    start();
    state.SessionAborted = true; // the stimulus window lost the focus
    EXPECT_TRUE(setup->finishSession(boxes));
    EXPECT_TRUE(state.SessionAborted);
    EXPECT_EQ(state.session.FlickerHz, 0);
    EXPECT_EQ(state.session.FlickerVariant, 0);
    EXPECT_FALSE(setup->flickerPreviewRunning());
}

} // namespace
