// The fusional-reserve training from its scene to the stored record: the drift started by a
// click and answered by a click, the drift running to its end at Left 10, Up by hand.
#include "DiagnosticRunFixture.h"

namespace trelon::test {
namespace {

class TrenCvetotestEndToEndTest : public DiagnosticRunFixture {
protected:
    void SetUp() override {
        DiagnosticRunFixture::SetUp();
        state.session.TrenFuzObjItem = 0; // the pear, 130 x 170
        state.session.MoveInterval = 50;
    }
};

TEST_F(TrenCvetotestEndToEndTest, NegativeVariantWithFilter2DriftsTheBlueImageRight) {
    state.session.FilterPosition = 2;
    startTraining(4, 2);
    // One picture in the common colour, both boxes on it.
    const FigureRect fused{447, 577, 299, 469};
    EXPECT_EQ(runState().BlueRect, fused);
    EXPECT_EQ(runState().RedRect, fused);
    const QRect picture = boxOf(primary(), kAll);
    EXPECT_EQ(picture, picture.intersected(QRect(447, 299, 130, 170)));
    EXPECT_EQ(countOf(kBlue) + countOf(kRed), 0);
    // The mouse moves nothing; the click starts the drift.
    moveMouse(QPoint(100, 100));
    clickAt(QPoint(100, 100));
    ASSERT_TRUE(timer("Timer2").isActive());
    EXPECT_EQ(timer("Timer2").interval(), 50);
    for (int i = 0; i < 3; ++i) {
        timer("Timer2").fire();
    }
    EXPECT_EQ(runState().BlueRect.Left, 450);
    EXPECT_EQ(runState().RedRect.Left, 444);
    // The images part: blue alone on the right, red alone on the left.
    EXPECT_EQ(boxOf(primary(), kBlue).right(), picture.right() + 3);
    EXPECT_EQ(boxOf(primary(), kRed).left(), picture.left() - 3);

    clickAt(QPoint(100, 100));
    EXPECT_FALSE(timer("Timer2").isActive());
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    // 6 px = 0.098 degrees, negated for filter 2; the pear is 130 px = 2.1 -> 2 degrees.
    EXPECT_DOUBLE_EQ(records[0].ValueX, -0.1);
    EXPECT_DOUBLE_EQ(records[0].DirectionValues[0], 0.0);
    EXPECT_DOUBLE_EQ(records[0].ObjectSize, 2.0);
    EXPECT_EQ(records[0].ProcedureNumber, 4);
    EXPECT_EQ(records[0].ObjectNumber, 2);
    clickAt(QPoint(100, 100));
    EXPECT_EQ(host.closeRequests, 1);
}

TEST_F(TrenCvetotestEndToEndTest, UpByHandThenAClickAnswersAndTheDriftEndsAtLeft10) {
    // Positive reserves, filter 1: the blue image goes right as well. Up (Shift 5 px) moves
    // both images; after it a click answers instead of starting the drift.
    startTraining(4, 1);
    press(Qt::Key_Down, Qt::NoModifier, 3);
    press(Qt::Key_Up, Qt::ShiftModifier, 2);
    press(Qt::Key_Up);
    EXPECT_EQ(runState().BlueRect.Left, 458);
    EXPECT_EQ(runState().RedRect.Left, 436);
    clickAt(QPoint(100, 100));
    EXPECT_FALSE(timer("Timer2").isActive());

    run->FormClose();
    startTraining(4, 1);
    clickAt(QPoint(100, 100));
    int ticks = 0;
    while (timer("Timer2").fire() && ticks < 1000) {
        ++ticks;
    }
    EXPECT_EQ(runState().RedRect.Left, 10);
    EXPECT_EQ(ticks, 447 - 10 + 1);
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 2u);
    // 22 px = 0.358 degrees; 2 x 437 = 874 px = 14.24 degrees.
    EXPECT_DOUBLE_EQ(records[0].ValueX, 0.4);
    EXPECT_DOUBLE_EQ(records[1].ValueX, 14.2);
    EXPECT_EQ(records[1].SignText, QStringLiteral("+"));
}

} // namespace
} // namespace trelon::test
