// The fusion test from its scene to the stored record: the disparity keys of variants 1 and
// 3, the automatic end when the images cross, Home restarting.
#include "DiagnosticRunFixture.h"

namespace trelon::test {
namespace {

class DiagFuziaEndToEndTest : public DiagnosticRunFixture {};

TEST_F(DiagFuziaEndToEndTest, Variant1UpWidensTheDisparityAndStoresTenthByHundredths) {
    start(4, 1);
    const FigureRect blue0 = runState().BlueRect;
    const FigureRect red0 = runState().RedRect;
    ASSERT_EQ(blue0, red0);

    // The mouse and Down move nothing here.
    moveMouse(QPoint(700, 500));
    press(Qt::Key_Down, Qt::NoModifier, 3);
    EXPECT_EQ(runState().BlueRect, blue0);

    // Filter 1, variant 1: the blue figure goes right, the red one left; 10 x 5 + 1 = 51 px
    // each.
    press(Qt::Key_Up, Qt::ShiftModifier, 10);
    press(Qt::Key_Up);
    EXPECT_EQ(runState().BlueRect.Left, blue0.Left + 51);
    EXPECT_EQ(runState().RedRect.Left, red0.Left - 51);

    clickAt(QPoint(10, 10));
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    // 102 px = 1.66180 deg: round(166.18) = 166 hundredths, 166 div 10 = 16 tenths -> 1.6
    // (to the nearest tenth it would be 1.7).
    EXPECT_DOUBLE_EQ(records[0].ValueX, 1.6);
    // The cat at 54 mm is 187 px wide (Right - Left) = 3.0466 deg: 305 hundredths -> 3.0.
    EXPECT_EQ(red0.Right - red0.Left, 187);
    EXPECT_DOUBLE_EQ(records[0].ObjectSize, 3.0);
    EXPECT_EQ(records[0].ProcedureNumber, 4);
    EXPECT_EQ(records[0].ObjectNumber, 1);

    // After the answer Home and the keys change nothing; the next click closes.
    const FigureRect shown = runState().BlueRect;
    press(Qt::Key_Home);
    press(Qt::Key_Up);
    EXPECT_EQ(runState().BlueRect, shown);
    clickAt(QPoint(10, 10));
    EXPECT_EQ(host.closeRequests, 1);
}

TEST_F(DiagFuziaEndToEndTest, HomeRestartsWithAFreshScene) {
    start(4, 2);
    const FigureRect blue0 = runState().BlueRect;
    const QByteArray screen0(reinterpret_cast<const char*>(primary().constBits()),
                             primary().pitch() * primary().height());
    press(Qt::Key_Up, Qt::ShiftModifier, 4);
    // Variant 2, filter 1: the blue figure goes left.
    EXPECT_EQ(runState().BlueRect.Left, blue0.Left - 20);
    press(Qt::Key_Home);
    EXPECT_EQ(runState().BlueRect, blue0);
    EXPECT_EQ(runState().RedRect, blue0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(primary().constBits()),
                         primary().pitch() * primary().height()),
              screen0);
    EXPECT_TRUE(stored().empty());
}

TEST_F(DiagFuziaEndToEndTest, Variant3EndsByItselfWhenTheImagesCross) {
    start(4, 3);
    const FigureRect blue0 = runState().BlueRect;
    const FigureRect red0 = runState().RedRect;
    // Filter 1: the red image starts at the left edge, the blue one at the right.
    ASSERT_LT(red0.Right, blue0.Right);
    const int gap = blue0.Right - red0.Right;

    // Up does nothing in variants 3 and 4.
    press(Qt::Key_Up, Qt::ShiftModifier, 2);
    EXPECT_EQ(runState().RedRect, red0);

    // Shift+Down: red 10 right, then blue 10 left, in turn.
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(runState().RedRect.Left, red0.Left + 10);
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(runState().BlueRect.Left, blue0.Left - 10);

    // Then 2 px per press until the right edges meet or pass: ceil((gap - 20) / 2) presses.
    int presses = 0;
    while (runState().RedRect.Right < runState().BlueRect.Right && presses < 1000) {
        press(Qt::Key_Down);
        ++presses;
    }
    EXPECT_EQ(presses, (gap - 20 + 1) / 2);
    EXPECT_FALSE(runState().ResultShown);
    EXPECT_TRUE(stored().empty());

    // The next Down answers instead of moving.
    const FigureRect crossed = runState().RedRect;
    press(Qt::Key_Down);
    EXPECT_EQ(runState().RedRect, crossed);
    EXPECT_TRUE(runState().ResultShown);
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    // The left edges lie (gap - 20) mod 2 pixels apart: 0 or 1 px, 0.0 degrees either way.
    EXPECT_DOUBLE_EQ(records[0].ValueX, 0.0);
    EXPECT_EQ(records[0].ObjectNumber, 3);
    EXPECT_EQ(soundsPlayed(), QStringList{QStringLiteral("Rez.wav")});
}

} // namespace
} // namespace trelon::test
