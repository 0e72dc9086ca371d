// The scotoma test from its scenes to the stored record: eight directions answered with
// Enter or a click, the 100 ms pause after a click, one record after direction 8, and Esc
// during a direction storing nothing.
#include "DiagnosticRunFixture.h"

#include <array>

namespace trelon::test {
namespace {

class DiagScotomaEndToEndTest : public DiagnosticRunFixture {
protected:
    // The key that moves the mark of direction 1..8 towards the centre.
    static int inwardKey(int direction) {
        // Direction 7 lies at the bottom edge, where the edge rule stops Right.
        static constexpr int keys[] = {Qt::Key_Left, Qt::Key_Down,  Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,    Qt::Key_Left};
        return keys[direction - 1];
    }

    // The mark of the current direction becomes movable when TimerMove ticks.
    void markReady() {
        ASSERT_TRUE(timer("TimerMove").isActive());
        EXPECT_EQ(runState().ActiveFigure, FigureNone);
        timer("TimerMove").fire();
        ASSERT_EQ(runState().ActiveFigure, FigureRed);
    }
};

TEST_F(DiagScotomaEndToEndTest, EightDirectionsThenOneRecordWithTheMap) {
    start(3, 1);
    std::array<FigureRect, 8> answered{};
    for (int direction = 1; direction <= 8; ++direction) {
        SCOPED_TRACE(direction);
        ASSERT_EQ(runState().StepNo, direction);
        markReady();
        const FigureRect before = runState().RedRect;
        press(inwardKey(direction), Qt::ShiftModifier, 4); // 20 px along the line
        const FigureRect after = runState().RedRect;
        EXPECT_NE(after, before);
        answered[direction - 1] = after;
        if (direction % 2 == 1) {
            press(Qt::Key_Return);
            continue;
        }
        clickAt(QPoint(kWidth / 2, kHeight / 2));
        if (direction == 8) {
            break;
        }
        // The next direction waits 100 ms; a click in the pause is no answer.
        EXPECT_EQ(timer("Timer2").interval(), 100);
        ASSERT_TRUE(timer("Timer2").isActive());
        clickAt(QPoint(kWidth / 2, kHeight / 2));
        EXPECT_EQ(host.closeRequests, 0);
        timer("Timer2").fire();
        EXPECT_FALSE(timer("Timer2").isActive());
    }
    EXPECT_EQ(runState().StepNo, 9);
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    const ResultRecord& r = records[0];
    // The marks' boxes at the answers (Left, Right, Top, Bottom), their reference points and
    // the distances from the centre (512, 384); 1 px = 0.0162921 degrees.
    //  1 (922, 999, 361, 407): (Left, middle) = (922, 384); 512 - 922 = -410 px = -6.680 -> -6.7
    //  2 (489, 535, 25, 102):  (middle, Bottom) = (512, 102); 384 - 102 = 282 px = 4.594 -> 4.6
    //  3 (25, 102, 361, 407):  (Right, middle) = (102, 384); 410 px = 6.680 -> 6.7
    //  4 (489, 535, 670, 747): (middle, Top) = (512, 670); -286 px = -4.660 -> -4.7
    //  5 (798, 866, 30, 98):   (Left, Bottom) = (798, 98); sqrt(286^2 + 286^2) = 404.46 px
    //                          = 6.590 -> 6.6
    //  6 (158, 226, 30, 98):   (Right, Bottom) = (226, 98); 404.46 px -> 6.6
    //  7 (154, 222, 674, 742): (Right, Top) = (222, 674); sqrt(290^2 + 290^2) = 410.12 px
    //                          = 6.682 -> 6.7
    //  8 (798, 866, 670, 738): (Left, Top) = (798, 670); 404.46 px -> 6.6
    const std::array<FigureRect, 8> boxes = {{{922, 999, 361, 407},
                                              {489, 535, 25, 102},
                                              {25, 102, 361, 407},
                                              {489, 535, 670, 747},
                                              {798, 866, 30, 98},
                                              {158, 226, 30, 98},
                                              {154, 222, 674, 742},
                                              {798, 866, 670, 738}}};
    const std::array<MarkPoint, 8> points = {{{922, 384},
                                              {512, 102},
                                              {102, 384},
                                              {512, 670},
                                              {798, 98},
                                              {226, 98},
                                              {222, 674},
                                              {798, 670}}};
    const std::array<double, 8> values = {-6.7, 4.6, 6.7, -4.7, 6.6, 6.6, 6.7, 6.6};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(answered[k], boxes[k]);
        EXPECT_EQ(r.MarkPoints[k], points[k]);
        EXPECT_DOUBLE_EQ(r.DirectionValues[k], values[k]);
    }
    EXPECT_EQ(r.ProcedureNumber, 3);
    EXPECT_DOUBLE_EQ(r.SessionDate, 46363.0);
    QStringList expectedSounds;
    for (int k = 0; k < 7; ++k) {
        expectedSounds << QStringLiteral("1sec.wav");
    }
    expectedSounds << QStringLiteral("rez.wav");
    // The program folder's files are found whatever the case of their names.
    EXPECT_EQ(soundsPlayed().join(QLatin1Char(' ')).toLower(),
              expectedSounds.join(QLatin1Char(' ')));

    press(Qt::Key_Return);
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_EQ(runState().StepNo, 0);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(DiagScotomaEndToEndTest, MarkAtTheRightEdgeMovesLeftLeavingBackground) {
    start(3, 1);
    markReady();
    const FigureRect mark0 = runState().RedRect;
    // The mark of direction 1 ends 4 pixels from the right edge, closer than the step.
    ASSERT_GT(mark0.Right + 5, kWidth - 1);
    press(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(runState().RedRect.Left, mark0.Left - 5);
    for (int y = mark0.Top; y <= mark0.Bottom; ++y) {
        for (int x = mark0.Right - 4; x <= mark0.Right; ++x) {
            ASSERT_EQ(primary().pixel(x, y), kFon) << x << "," << y;
        }
    }
    EXPECT_NE(pixelOf(kRed), QPoint(-1, -1));
}

TEST_F(DiagScotomaEndToEndTest, EscDuringDirectionFiveStoresNothing) {
    start(3, 1);
    for (int direction = 1; direction <= 4; ++direction) {
        markReady();
        press(inwardKey(direction));
        press(Qt::Key_Return);
    }
    ASSERT_EQ(runState().StepNo, 5);
    markReady();
    press(inwardKey(5), Qt::NoModifier, 3);
    press(Qt::Key_Escape);
    EXPECT_EQ(host.closeRequests, 1);
    run->FormClose();
    EXPECT_FALSE(QFile::exists(state.paths.ResultsFilePath));
}

TEST_F(DiagScotomaEndToEndTest, MouseMovesTheMarkAlongTheDiagonalOnlyAfterTimerMove) {
    start(3, 1);
    for (int direction = 1; direction <= 4; ++direction) {
        markReady();
        press(Qt::Key_Return);
    }
    // Direction 5 (up-right): the first 100 ms the mouse moves nothing.
    const FigureRect mark0 = runState().RedRect;
    const QPoint parked = cursor.at;
    moveMouse(parked + QPoint(-6, 0));
    EXPECT_EQ(runState().RedRect, mark0);
    markReady();
    // The pointer is measured from where the scene parked it: (-6, +2) keeps the larger
    // part on the up-right / down-left line, so (-6, +6).
    moveMouse(parked + QPoint(-6, 2));
    EXPECT_EQ(runState().RedRect.Left, mark0.Left - 6);
    EXPECT_EQ(runState().RedRect.Top, mark0.Top + 6);
}

} // namespace
} // namespace trelon::test
