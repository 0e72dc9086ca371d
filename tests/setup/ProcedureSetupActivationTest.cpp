// Layout and per-procedure activation of the set-up screen.
#include "setup/ProcedureSetupRows.h"
#include "setup/ProcedureSetupTestSupport.h"

using namespace trelon;
using namespace trelon::test;
using C = SetupControl;
using P = ProcedureKind;

namespace {

class ProcedureSetupActivation : public ProcedureSetupFixture {};

TEST(ProcedureSetupLayout, CentresTheDesignAreaAndPlacesSwatchesAndButtons) {
    const SetupControlStates controls = layOutSetupControls(QSize(1024, 768));
    const int a = 122; // (1024 - 780) / 2
    const int b = 109; // (768 - 550) / 2
    const auto at = [&](C id) { return controls[static_cast<int>(id)].rect; };
    EXPECT_EQ(at(C::RadioGroupAmbliop).topLeft(), QPoint(a + 38, b + 8));
    EXPECT_EQ(at(C::RadioGroupBifixMove).topLeft(), QPoint(a + 384, b + 360));
    EXPECT_EQ(at(C::FlickerCheckerRed2).topLeft(), QPoint(a + 357, b + 221));

    EXPECT_EQ(swatchX(controls), rightEdge(at(C::RadioGroupAmbliop)) - 160);
    EXPECT_EQ(swatchY(controls), bottomEdge(at(C::RadioGroupDistant)) + 20);
    EXPECT_EQ(at(C::SwatchName1).topLeft(), QPoint(a + 58, swatchY(controls) + 10));
    EXPECT_EQ(at(C::SwatchName3).topLeft(), QPoint(a + 58, swatchY(controls) + 110));

    const QRect start = at(C::StartButton);
    const QRect back = at(C::BackButton);
    EXPECT_EQ(start.y(), b + 540 - start.height());
    EXPECT_EQ(back.y(), start.y());
    EXPECT_EQ(start.x(), a + 375 - (start.width() + back.width()) / 2);
    EXPECT_EQ(back.x(), rightEdge(start) + 30);
}

TEST(ProcedureSetupLayout, OddAndSmallScreensHalveTowardsZero) {
    const SetupControlStates odd = layOutSetupControls(QSize(783, 553));
    EXPECT_EQ(odd[static_cast<int>(C::RadioGroupAmbliop)].rect.topLeft(), QPoint(1 + 38, 1 + 8));
    // 640 x 480: a = -140 / 2 = -70, b = -70 / 2 = -35.
    const SetupControlStates small = layOutSetupControls(QSize(640, 480));
    EXPECT_EQ(small[static_cast<int>(C::RadioGroupAmbliop)].rect.topLeft(), QPoint(-32, -27));
}

TEST_F(ProcedureSetupActivation, EachRowShowsItsGroupsAndNothingOfTheProcedureBefore) {
    const P procedures[] = {P::TrenScotoma,   P::DiagFuzia,  P::TrenCvetotest, P::TrenKosogl,
                            P::DiagCvetotest, P::DiagKosogl, P::TrenBifics,    P::DiagScotoma};
    // Opened in turn on the same screen, as the operator would, each procedure must show
    // exactly what it shows on a screen opened for it alone.
    for (int round = 0; round < 2; ++round) {
        for (P procedure : procedures) {
            SCOPED_TRACE(static_cast<int>(procedure));
            const SetupRow& row = setupRowOf(procedure);
            open(procedure);
            ASSERT_NE(row.caption, nullptr);
            EXPECT_FALSE(setup->caption().trimmed().isEmpty());
            EXPECT_EQ(setup->caption(), QString::fromUtf8(row.caption));
            for (C group : row.shown) {
                EXPECT_EQ(designOf(group).kind, SetupControlKind::RadioGroup);
                EXPECT_TRUE(shows(group));
            }
            if (row.preview) {
                EXPECT_TRUE(shows(*row.preview));
            }
            EXPECT_FALSE(setup->flickerPreviewRunning());

            ProcedureSetup fresh(state, dialogs);
            fresh.layOut(kSetupScreen);
            fresh.activate(boxes);
            for (const SetupControlDesign& design : setupControlDesigns()) {
                const SetupControlState& expected = fresh.control(design.id);
                SCOPED_TRACE(design.name.toStdString());
                EXPECT_EQ(shows(design.id), expected.visible);
                if (expected.visible) { // a hidden group may keep its state
                    EXPECT_EQ(control(design.id).enabled, expected.enabled);
                }
                EXPECT_EQ(rect(design.id), expected.rect);
                EXPECT_EQ(control(design.id).items, expected.items);
            }
        }
    }
}

TEST_F(ProcedureSetupActivation, ShownGroupsStayInsideTheDesignAreaWithoutOverlapping) {
    const QRect area(122, 109, 780, 550);
    for (P procedure : {P::DiagCvetotest, P::DiagKosogl, P::DiagScotoma, P::DiagFuzia,
                        P::TrenScotoma, P::TrenKosogl, P::TrenBifics, P::TrenCvetotest}) {
        for (int work = 0; work < 3; ++work) {
            SCOPED_TRACE(static_cast<int>(procedure) * 10 + work);
            setup->control(C::RadioGroupWork).itemIndex = work;
            open(procedure);
            std::vector<QRect> areas;
            for (C group : shownGroups()) {
                areas.push_back(rect(group));
            }
            // The picture preview column beside an object group.
            for (C objects :
                 {C::RadioGroupTrenObj, C::RadioGroupTrenFuzObj, C::RadioGroupTestObj}) {
                if (shows(objects)) {
                    areas.emplace_back(rightEdge(rect(objects)) + 2, rect(objects).y(), 44, 450);
                }
            }
            areas.push_back(rect(C::StartButton));
            for (std::size_t i = 0; i < areas.size(); ++i) {
                EXPECT_TRUE(area.contains(areas[i])) << i;
                for (std::size_t j = i + 1; j < areas.size(); ++j) {
                    EXPECT_FALSE(areas[i].intersects(areas[j])) << i << " " << j;
                }
            }
        }
    }
}

TEST_F(ProcedureSetupActivation, DiagKosoglScaleLeavesTheSizeGroupDisabled) {
    setup->control(C::RadioGroupTestObj).itemIndex = 4; // chosen in an earlier session
    open(P::DiagKosogl);
    EXPECT_EQ(control(C::RadioGroupTestObj).itemIndex, 0); // back to "Шкала"
    EXPECT_FALSE(control(C::RadioGroupSizeScotoma).enabled);
    EXPECT_EQ(rect(C::RadioGroupSizeScotoma).y(), rect(C::RadioGroupTestObj).y());
    EXPECT_EQ(rightEdge(rect(C::RadioGroupSizeScotoma)), rect(C::RadioGroupTestObj).x() - 20);

    setup->choose(C::RadioGroupTestObj, 1);
    EXPECT_TRUE(control(C::RadioGroupSizeScotoma).enabled);
    setup->choose(C::RadioGroupTestObj, 0);
    EXPECT_FALSE(control(C::RadioGroupSizeScotoma).enabled);
}

TEST_F(ProcedureSetupActivation, DiagFuziaArrangesSizeBesideObjectAndRefillsSizes) {
    open(P::DiagFuzia);
    EXPECT_EQ(rect(C::RadioGroupSizeFuz).topLeft(),
              QPoint(rect(C::RadioGroupFuz).x(), rect(C::RadioGroupObjFuz).y()));
    EXPECT_EQ(rightEdge(rect(C::RadioGroupObjFuz)), rightEdge(rect(C::RadioGroupFuz)));

    setup->choose(C::RadioGroupSizeFuz, 2);
    setup->choose(C::RadioGroupObjFuz, 2);
    EXPECT_EQ(control(C::RadioGroupSizeFuz).items,
              QStringList({QStringLiteral("8 град."), QStringLiteral("6 град."),
                           QStringLiteral("4 град.")}));
    EXPECT_EQ(control(C::RadioGroupSizeFuz).itemIndex, 2);
    setup->choose(C::RadioGroupObjFuz, 1);
    EXPECT_EQ(control(C::RadioGroupSizeFuz).items,
              QStringList({QStringLiteral("3 град."), QStringLiteral("2 град."),
                           QStringLiteral("1 град.")}));
    setup->choose(C::RadioGroupObjFuz, 0);
    EXPECT_EQ(control(C::RadioGroupSizeFuz).items,
              QStringList({QStringLiteral("6 град."), QStringLiteral("4 град."),
                           QStringLiteral("3 град.")}));
}

TEST_F(ProcedureSetupActivation, TrenScotomaStacksSizeAndDirectionUnderTheObjects) {
    open(P::TrenScotoma);
    const QRect objects = rect(C::RadioGroupScotomObj);
    const QRect size = rect(C::RadioGroupSizeScotoma);
    EXPECT_EQ(control(C::RadioGroupSizeScotoma).items,
              QStringList({QStringLiteral("Большой"), QStringLiteral("Средний"),
                           QStringLiteral("Маленький")}));
    EXPECT_EQ(size.y(), bottomEdge(objects) + 20);
    EXPECT_EQ(size.x(), objects.x() + (objects.width() - size.width()) / 2);
    EXPECT_EQ(rect(C::RadioGroupSamolet).topLeft(), QPoint(objects.x(), bottomEdge(size) + 20));

    EXPECT_FALSE(control(C::RadioGroupSamolet).enabled); // "Мышеловка"
    setup->choose(C::RadioGroupScotomObj, 2);
    EXPECT_TRUE(control(C::RadioGroupSamolet).enabled);
    setup->choose(C::RadioGroupScotomObj, 1);
    EXPECT_FALSE(control(C::RadioGroupSamolet).enabled);

    // The next procedure gets the two-item size group back.
    open(P::TrenKosogl);
    EXPECT_EQ(control(C::RadioGroupSizeScotoma).items,
              QStringList({QStringLiteral("Большой"), QStringLiteral("Маленький")}));
}

TEST_F(ProcedureSetupActivation, TrenKosoglWorkModeChoosesTheTimingGroups) {
    open(P::TrenKosogl);
    const QRect frequency = rect(C::RadioGroupFrec);
    const QRect size = rect(C::RadioGroupSizeScotoma);
    EXPECT_EQ(size.y(), bottomEdge(rect(C::RadioGroupMelkan)) + 10);
    EXPECT_EQ(size.x(), frequency.x() + (frequency.width() - size.width()) / 2);

    auto timing = [this] {
        return std::make_tuple(shows(C::RadioGroupPause), shows(C::RadioGroupShagMove),
                               shows(C::RadioGroupSkorost));
    };
    EXPECT_EQ(timing(), std::make_tuple(false, false, false));
    setup->choose(C::RadioGroupWork, 1);
    EXPECT_EQ(timing(), std::make_tuple(true, true, false));
    setup->choose(C::RadioGroupWork, 2);
    EXPECT_EQ(timing(), std::make_tuple(false, false, true));
    setup->choose(C::RadioGroupWork, 0);
    EXPECT_EQ(timing(), std::make_tuple(false, false, false));

    // Activation shows what the remembered mode needs.
    setup->choose(C::RadioGroupWork, 1);
    open(P::TrenKosogl);
    EXPECT_EQ(timing(), std::make_tuple(true, true, false));
}

TEST_F(ProcedureSetupActivation, FusionTrainingsCentreTheirGroups) {
    open(P::TrenBifics);
    QRect size = rect(C::RadioGroupSizeScotoma);
    const QRect swing = rect(C::RadioGroupSkorostKoleb);
    EXPECT_EQ(size.y(), rect(C::RadioGroupTrenFuzObj).y());
    EXPECT_EQ(size.x(), swing.x() + (swing.width() - size.width()) / 2);

    open(P::TrenCvetotest);
    size = rect(C::RadioGroupSizeScotoma);
    const QRect speed = rect(C::RadioGroupSkorost);
    const QRect objects = rect(C::RadioGroupTrenFuzObj);
    const QRect reserves = rect(C::RadioGroupFuzTren);
    EXPECT_EQ(bottomEdge(speed), bottomEdge(objects));
    EXPECT_EQ(size.y(), objects.y());
    EXPECT_EQ(size.x(), speed.x() + (speed.width() - size.width()) / 2);
    // Vertically centred in the gap, an odd pixel going below.
    EXPECT_EQ(reserves.y() - bottomEdge(size),
              (speed.y() - bottomEdge(size) - reserves.height()) / 2);

    // The speed group moved here goes back to its own place for the strabismus training.
    setup->control(C::RadioGroupWork).itemIndex = 2;
    open(P::TrenKosogl);
    EXPECT_EQ(rect(C::RadioGroupSkorost).topLeft(), QPoint(122 + 376, 109 + 346));
}

TEST_F(ProcedureSetupActivation, ResetsFlagsFrequencyAndPatient) {
    open(P::TrenKosogl);
    setup->choose(C::RadioGroupFrec, 3);
    setup->choose(C::RadioGroupSizeScotoma, 1);
    state.SessionAborted = true;

    const QString longName(60, QLatin1Char('N'));
    open(P::TrenKosogl, longName);
    EXPECT_EQ(control(C::RadioGroupFrec).itemIndex, 0);
    EXPECT_EQ(state.session.FlickerHz, 0);
    EXPECT_EQ(control(C::RadioGroupSizeScotoma).itemIndex, 0);
    EXPECT_FALSE(state.SessionAborted);
    EXPECT_FALSE(setup->previewDrawn());
    EXPECT_EQ(state.session.PatientName, longName.left(50));
    EXPECT_EQ(state.session.PatientNumber, 7);

    // No patient chosen: the session carries no earlier patient's name.
    open(P::TrenKosogl, QString());
    EXPECT_TRUE(state.session.PatientName.isEmpty());
    EXPECT_EQ(state.session.PatientNumber, 0);
}

TEST_F(ProcedureSetupActivation, FlickerPreviewFollowsFrequencyAndVariant) {
    open(P::TrenKosogl);
    setup->choose(C::RadioGroupFrec, 3);
    EXPECT_EQ(state.session.FlickerHz, 4);
    EXPECT_TRUE(setup->flickerPreviewRunning());

    // Variant 1 (red only) blinks Label1 alone.
    setup->choose(C::RadioGroupMelkan, 0);
    EXPECT_EQ(state.session.FlickerVariant, 1);
    setup->blinkFlickerPreview();
    EXPECT_FALSE(shows(C::FlickerRedSquare));
    EXPECT_TRUE(shows(C::FlickerBlueSquare));
    setup->blinkFlickerPreview();
    EXPECT_TRUE(shows(C::FlickerRedSquare));

    // Both together: the two halves blink at once.
    setup->choose(C::RadioGroupMelkan, 2);
    setup->blinkFlickerPreview();
    EXPECT_FALSE(shows(C::FlickerBothRedHalf));
    EXPECT_FALSE(shows(C::FlickerBothBlueHalf));

    // Alternating: the checker starts with one diagonal hidden, then swaps.
    setup->choose(C::RadioGroupMelkan, 3);
    EXPECT_EQ(state.session.FlickerVariant, 4);
    EXPECT_FALSE(shows(C::FlickerCheckerRed1));
    EXPECT_FALSE(shows(C::FlickerCheckerRed2));
    EXPECT_TRUE(shows(C::FlickerBothRedHalf)); // reset shows everything else
    setup->blinkFlickerPreview();
    EXPECT_TRUE(shows(C::FlickerCheckerRed1));
    EXPECT_TRUE(shows(C::FlickerCheckerRed2));
    EXPECT_FALSE(shows(C::FlickerCheckerBlue1));
    EXPECT_FALSE(shows(C::FlickerCheckerBlue2));
    setup->blinkFlickerPreview();
    EXPECT_FALSE(shows(C::FlickerCheckerRed1));
    EXPECT_TRUE(shows(C::FlickerCheckerBlue1));

    // Frequency 0 stops the blinking and shows all eight.
    setup->choose(C::RadioGroupFrec, 0);
    EXPECT_EQ(state.session.FlickerHz, 0);
    EXPECT_FALSE(setup->flickerPreviewRunning());
    for (C label : {C::FlickerRedSquare, C::FlickerBlueSquare, C::FlickerBothRedHalf,
                    C::FlickerBothBlueHalf, C::FlickerCheckerRed1, C::FlickerCheckerBlue1,
                    C::FlickerCheckerRed2, C::FlickerCheckerBlue2}) {
        EXPECT_TRUE(shows(label));
    }
}

TEST_F(ProcedureSetupActivation, ChoicesOutsideTheItemsAreIgnored) {
    open(P::TrenKosogl);
    setup->choose(C::RadioGroupFrec, 6);
    setup->choose(C::RadioGroupFrec, -1);
    EXPECT_EQ(control(C::RadioGroupFrec).itemIndex, 0);
    EXPECT_FALSE(setup->flickerPreviewRunning());
}

} // namespace
