// The strabismus-angle test from its scene to the stored record: the pictures (pick a
// figure, move it, answer) and the scale (horizontal, then vertical, one record).
#include "DiagnosticRunFixture.h"

namespace trelon::test {
namespace {

class DiagKosoglEndToEndTest : public DiagnosticRunFixture {};

constexpr int kHouse = 2; // "Домик"
constexpr int kScale = 1; // "Шкала"

TEST_F(DiagKosoglEndToEndTest, PictureMovedTenPixelsRightWithTheMouseIsOneRecord) {
    start(2, kHouse);
    const FigureRect red0 = runState().RedRect;
    const FigureRect blue0 = runState().BlueRect;
    ASSERT_EQ(runState().ActiveFigure, FigureNone);
    ASSERT_TRUE(cursor.visible);

    // A click on the background picks nothing and leaves the pointer shown.
    clickAt(QPoint(5, 5));
    EXPECT_EQ(runState().ActiveFigure, FigureNone);
    EXPECT_FALSE(runState().Touched);
    EXPECT_TRUE(cursor.visible);

    const QPoint onRed = pixelOf(kRed);
    ASSERT_NE(onRed, QPoint(-1, -1));
    clickAt(onRed);
    EXPECT_EQ(runState().ActiveFigure, FigureRed);
    EXPECT_TRUE(runState().Touched);
    EXPECT_FALSE(cursor.visible);
    EXPECT_FALSE(runState().ResultShown) << "the picking click answers nothing";

    moveMouse(onRed + QPoint(10, 0));
    EXPECT_EQ(runState().RedRect.Left, red0.Left + 10);
    EXPECT_EQ(runState().BlueRect, blue0);

    clickAt(onRed + QPoint(10, 0));
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    const ResultRecord& r = records[0];
    // Horizontal: BlueLeft + RedLeft0 - RedLeft - BlueLeft0 = -10 px = -0.16292 deg -> -0.2.
    EXPECT_DOUBLE_EQ(r.ValueX, -0.2);
    EXPECT_DOUBLE_EQ(r.ValueY, 0.0);
    EXPECT_EQ(r.SignText, QString());
    EXPECT_EQ(r.ObjectName, QStringLiteral("Домик"));
    EXPECT_EQ(r.PatientNumber, 7);
    EXPECT_EQ(r.PatientName, QStringLiteral("Петров Пётр"));
    EXPECT_DOUBLE_EQ(r.SessionDate, 46363.0);
    EXPECT_EQ(r.IsDiagnostics, 1);
    EXPECT_EQ(r.ProcedureNumber, 2);
    EXPECT_EQ(r.ObjectNumber, kHouse);
    EXPECT_EQ(r.ContrastLevel, 2);
    EXPECT_EQ(soundsPlayed(), QStringList{QStringLiteral("Rez.wav")});

    // Moves after the answer are ignored; the next click closes.
    moveMouse(onRed + QPoint(40, 0));
    EXPECT_EQ(runState().RedRect.Left, red0.Left + 10);
    EXPECT_EQ(host.closeRequests, 0);
    clickAt(onRed);
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(DiagKosoglEndToEndTest, KeysWithShiftAndAltMoveBothFiguresThenEnterAnswers) {
    start(2, kHouse);
    const FigureRect red0 = runState().RedRect;
    const FigureRect blue0 = runState().BlueRect;
    clickAt(pixelOf(kRed));
    ASSERT_EQ(runState().ActiveFigure, FigureRed);

    press(Qt::Key_Right, Qt::ShiftModifier); // red +5
    press(Qt::Key_Up, Qt::ShiftModifier);    // red up 4
    press(Qt::Key_Left, Qt::AltModifier);    // blue -1, red stays the active one
    EXPECT_EQ(runState().ActiveFigure, FigureRed);
    press(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier); // blue down 5
    EXPECT_EQ(runState().RedRect.Left, red0.Left + 5);
    EXPECT_EQ(runState().RedRect.Top, red0.Top - 4);
    EXPECT_EQ(runState().BlueRect.Left, blue0.Left - 1);
    EXPECT_EQ(runState().BlueRect.Top, blue0.Top + 5);

    state.session.FilterPosition = 2;
    press(Qt::Key_Return);
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    // Horizontal: -1 + 0 - 5 = -6 px = -0.09775 deg -> -0.1, negated for filter 2: +0.1.
    EXPECT_DOUBLE_EQ(records[0].ValueX, 0.1);
    EXPECT_EQ(records[0].SignText, QStringLiteral("+"));
    // Vertical: BlueTop + RedTop0 - RedTop - BlueTop0 = 5 + 4 = 9 px = 0.14663 deg -> 0.1.
    EXPECT_DOUBLE_EQ(records[0].ValueY, 0.1);
    EXPECT_EQ(runState().ActiveFigure, FigureNone);

    // Arrow keys after the answer move nothing; Enter closes.
    const FigureRect redShown = runState().RedRect;
    press(Qt::Key_Left, Qt::NoModifier, 3);
    EXPECT_EQ(runState().RedRect, redShown);
    press(Qt::Key_Return);
    EXPECT_EQ(host.closeRequests, 1);
}

TEST_F(DiagKosoglEndToEndTest, RightClickAnswersBeforeAnyFigureIsPicked) {
    start(2, kHouse);
    clickAt(QPoint(5, 5), Qt::RightButton);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_DOUBLE_EQ(stored()[0].ValueX, 0.0);
}

TEST_F(DiagKosoglEndToEndTest, ScaleStoresHorizontalAndVerticalInOneRecord) {
    start(2, kScale);
    ASSERT_EQ(runState().ActiveFigure, FigureRed);
    const FigureRect red0 = runState().RedRect;
    const QPoint centre(kWidth / 2, kHeight / 2);
    ASSERT_EQ(cursor.at, centre);

    // The horizontal scale keeps only horizontal movement.
    moveMouse(centre + QPoint(100, 7));
    EXPECT_EQ(runState().RedRect.Left, red0.Left + 100);
    EXPECT_EQ(runState().RedRect.Top, red0.Top);

    clickAt(centre + QPoint(100, 7));
    EXPECT_TRUE(runState().ResultShown);
    EXPECT_TRUE(runState().VerticalPhase);
    EXPECT_TRUE(stored().empty()) << "nothing is stored before the vertical value";
    // RedLeft0 - RedLeft = -100 px = -1.6292 deg -> -1.6.
    EXPECT_DOUBLE_EQ(state.session.ValueX, -1.6);

    // The next click starts the vertical measurement instead of closing.
    clickAt(centre);
    EXPECT_EQ(host.closeRequests, 0);
    EXPECT_FALSE(runState().ResultShown);
    EXPECT_EQ(runState().ActiveFigure, FigureRed);
    const FigureRect vertical0 = runState().RedRect;

    press(Qt::Key_Down, Qt::ShiftModifier, 20); // 100 px down
    press(Qt::Key_Right, Qt::ShiftModifier);    // the vertical scale keeps only dy
    EXPECT_EQ(runState().RedRect.Top, vertical0.Top + 100);
    EXPECT_EQ(runState().RedRect.Left, vertical0.Left);
    press(Qt::Key_Enter);

    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_DOUBLE_EQ(records[0].ValueX, -1.6);
    // RedTop - RedTop0 = 100 px -> 1.6.
    EXPECT_DOUBLE_EQ(records[0].ValueY, 1.6);
    EXPECT_EQ(records[0].ObjectName, QStringLiteral("Шкала"));
    EXPECT_FALSE(runState().VerticalPhase);
    press(Qt::Key_Return);
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(DiagKosoglEndToEndTest, MouseSpeedLimitAndCursorRecentring) {
    state.settings.ScorostMouse = true;
    start(2, kScale);
    const FigureRect red0 = runState().RedRect;
    const QPoint centre(kWidth / 2, kHeight / 2);

    moveMouse(centre + QPoint(4, 0)); // limited to 2
    EXPECT_EQ(runState().RedRect.Left, red0.Left + 2);
    moveMouse(centre + QPoint(4 + 30, 0)); // 30 is limited to 9
    EXPECT_EQ(runState().RedRect.Left, red0.Left + 11);

    // At 5 pixels from the left edge the pointer jumps back onto the figure's middle and
    // the jump moves nothing until TimerMove has ticked.
    moveMouse(QPoint(5, centre.y()));
    const FigureRect box = runState().RedRect;
    EXPECT_EQ(box.Left, red0.Left + 2);
    const QPoint middle((box.Left + box.Right) / 2, centre.y());
    EXPECT_EQ(cursor.at, middle);
    EXPECT_EQ(runState().ActiveFigure, FigureNone);
    ASSERT_TRUE(timer("TimerMove").isActive());
    moveMouse(middle + QPoint(3, 0));
    EXPECT_EQ(runState().RedRect, box);
    timer("TimerMove").fire();
    EXPECT_EQ(runState().ActiveFigure, FigureRed);
    moveMouse(middle + QPoint(6, 0)); // 6 from the last seen position, limited to 2
    EXPECT_EQ(runState().RedRect.Left, box.Left + 2);
}

} // namespace
} // namespace trelon::test
