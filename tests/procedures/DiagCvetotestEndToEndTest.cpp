// The colour test from its scene to the stored record: the field under the click is the
// value; a click outside the seven fields stores nothing and the run goes on.
#include "DiagnosticRunFixture.h"
#include "procedures/diagnostics/DiagCvetotest.h"

namespace trelon::test {
namespace {

class DiagCvetotestEndToEndTest : public DiagnosticRunFixture {};

TEST_F(DiagCvetotestEndToEndTest, ClickOutsideTheFieldsThenInFieldSeven) {
    start(1, 1);
    // The band starts at (1024 - 600) / 2 = 212; x = 900 gives (900 - 212) / 84 + 1 = 9.
    clickAt(QPoint(900, 740));
    EXPECT_FALSE(runState().ResultShown);
    EXPECT_TRUE(stored().empty());
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(host.closeRequests, 0);

    // Arrow keys and the mouse move nothing in the colour test.
    const QByteArray before(reinterpret_cast<const char*>(primary().constBits()),
                            primary().pitch() * primary().height());
    press(Qt::Key_Left, Qt::ShiftModifier, 3);
    moveMouse(QPoint(300, 300));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(primary().constBits()),
                         primary().pitch() * primary().height()),
              before);

    // x = 799: (799 - 212) / 84 + 1 = 6 + 1 = 7.
    clickAt(QPoint(799, 740));
    EXPECT_TRUE(runState().ResultShown);
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_DOUBLE_EQ(records[0].ValueX, 7.0);
    EXPECT_EQ(records[0].ProcedureNumber, 1);
    EXPECT_DOUBLE_EQ(records[0].SessionDate, 46363.0);
    EXPECT_EQ(dynamic_cast<DiagCvetotest&>(run->procedure()).ClickX(), 799);

    // The next click closes without a second record.
    clickAt(QPoint(799, 740));
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(DiagCvetotestEndToEndTest, EnterClosesWithoutAnAnswerAndNothingIsStored) {
    start(1, 1);
    press(Qt::Key_Return);
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_TRUE(stored().empty());
}

TEST_F(DiagCvetotestEndToEndTest, WithoutAPatientTheValueIsShownButNotStored) {
    state.session.PatientName.clear();
    start(1, 1);
    // x = 212 is the first pixel of field 1.
    clickAt(QPoint(212, 740));
    EXPECT_TRUE(runState().ResultShown);
    EXPECT_DOUBLE_EQ(state.session.ValueX, 1.0);
    EXPECT_FALSE(QFile::exists(state.paths.ResultsFilePath));
}

} // namespace
} // namespace trelon::test
