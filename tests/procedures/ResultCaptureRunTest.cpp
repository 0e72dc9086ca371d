// Result capture in a run: what reaches the screen, the results file and the sound player.
// The screen is 1024 x 768 at the default scale and 100 cm, so 100 pixels are 1.6 degrees.
#include "RunFixture.h"

#include "procedures/ResultCapture.h"
#include "procedures/diagnostics/ScotomaMap.h"
#include "results/ResultRecordCodec.h"
#include "support/TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>

namespace trelon::test {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

class ResultCaptureRunTest : public RunFixture {
protected:
    void SetUp() override {
        RunFixture::SetUp();
        openScreen(QSize(kWidth, kHeight));
        ASSERT_EQ(primary().fill(kOtherEntry), DisplayResult::Ok);

        ASSERT_TRUE(folder.isValid());
        state.paths.ProgramDir = folder.path() + QLatin1Char('/');
        for (const char* name : {"Rez.wav", "1sec.wav"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        state.paths.ResultsFilePath = folder.filePath(QStringLiteral("12.dat"));
        state.session.PatientNumber = 12;
        state.session.PatientName = QStringLiteral("Иванов");
        state.session.DistanceCm = 100;
        state.session.FilterPosition = 1;
        state.ContrastLevel = 2;
        clock.date = QDate(2026, 12, 7);
        sound.calls.clear(); // the window's creation chose the sound device
    }

    std::vector<ResultRecord> stored() { return test::storedRecords(state.paths.ResultsFilePath); }
    QStringList soundsPlayed() const { return test::fileNames(sound.played); }

    QByteArray screenBytes() {
        const Surface& screen = primary();
        return QByteArray(reinterpret_cast<const char*>(screen.constBits()),
                          static_cast<qsizetype>(screen.pitch()) * screen.height());
    }

    // True when the screen shows exactly what redraw puts on a screen as it was before the
    // capture.
    ::testing::AssertionResult screenIsAsIf(const std::function<void()>& redraw) {
        const QByteArray shown = screenBytes();
        EXPECT_EQ(primary().fill(kOtherEntry), DisplayResult::Ok);
        redraw();
        if (screenBytes() != shown) {
            return ::testing::AssertionFailure() << "the screen differs";
        }
        return ::testing::AssertionSuccess();
    }

    // The result lines at x = 20 and y = 768 - 90 (upper) and 768 - 60 (lower).
    ::testing::AssertionResult showsLines(const QString& upper, const QString& lower = QString()) {
        return screenIsAsIf([&] {
            if (!upper.isEmpty()) {
                run->ShowCaptionText(upper, 20, kHeight - 90);
            }
            if (!lower.isEmpty()) {
                run->ShowCaptionText(lower, 20, kHeight - 60);
            }
        });
    }

    QTemporaryDir folder;
};

TEST_F(ResultCaptureRunTest, ScaleStoresOneRecordWithBothValuesAfterTheVerticalOne) {
    selectProcedure(1, 2);
    state.session.ObjectNumber = 1;
    state.run.RedRect = {400, 439, 300, 339}; // moved 100 pixels left of where it started
    state.run.StartSnapshot = {0, 500, 300, 0};
    state.run.ActiveFigure = FigureRed;

    run->CaptureResult();
    EXPECT_TRUE(stored().empty());
    EXPECT_TRUE(state.run.VerticalPhase);
    EXPECT_TRUE(state.run.ResultShown);
    EXPECT_EQ(state.run.ActiveFigure, FigureNone);
    EXPECT_TRUE(showsLines(QStringLiteral("По горизонтали: +1,6")));
    EXPECT_EQ(soundsPlayed(), QStringList{QStringLiteral("Rez.wav")});

    // The vertical measurement: the marker moved 62 pixels down.
    state.run.ResultShown = false;
    state.run.RedRect = {400, 439, 362, 401};
    ASSERT_EQ(primary().fill(kOtherEntry), DisplayResult::Ok);
    run->CaptureResult();
    EXPECT_FALSE(state.run.VerticalPhase);
    EXPECT_TRUE(showsLines(QStringLiteral("По вертикали: 1")));

    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    const ResultRecord& r = records.front();
    EXPECT_EQ(r.PatientNumber, 12);
    EXPECT_EQ(r.PatientName, QStringLiteral("Иванов"));
    EXPECT_EQ(r.ObjectName, QStringLiteral("Шкала"));
    EXPECT_EQ(r.SessionDate, 46363.0); // 7 December 2026
    EXPECT_EQ(r.IsDiagnostics, 1);
    EXPECT_EQ(r.ProcedureNumber, 2);
    EXPECT_EQ(r.ObjectNumber, 1);
    EXPECT_DOUBLE_EQ(r.ObjectSize, 0.6); // the marker, 39 pixels
    EXPECT_EQ(r.DistanceCm, 100);
    EXPECT_EQ(r.FilterPosition, 1);
    EXPECT_EQ(r.ContrastLevel, 2);
    EXPECT_DOUBLE_EQ(r.ValueX, 1.6);
    EXPECT_DOUBLE_EQ(r.ValueY, 1.0);
    EXPECT_EQ(r.SignText, QStringLiteral("+"));
    EXPECT_EQ(r, static_cast<const ResultRecord&>(state.session));
    EXPECT_EQ(soundsPlayed(), QStringList({QStringLiteral("Rez.wav"), QStringLiteral("Rez.wav")}));
}

TEST_F(ResultCaptureRunTest, ScotomaStoresAfterDirectionEightAndDrawsTheMap) {
    selectProcedure(1, 3);
    // The mark per direction; reference points and values as worked out in the value tests.
    const FigureRect marks[] = {{612, 688, 370, 398}, {500, 524, 200, 276}, {300, 362, 370, 398},
                                {500, 524, 434, 510}, {572, 620, 276, 324}, {400, 452, 280, 332},
                                {420, 472, 420, 470}, {560, 600, 440, 480}};
    for (int direction = 1; direction <= 7; ++direction) {
        state.run.StepNo = static_cast<std::int16_t>(direction);
        state.run.RedRect = state.run.BlueRect = marks[direction - 1];
        run->CaptureResult();
        state.run.ResultShown = false; // as the caller does before the next direction
    }
    EXPECT_TRUE(stored().empty());
    EXPECT_EQ(soundsPlayed(), QStringList(7, QStringLiteral("1sec.wav")));
    EXPECT_EQ(state.run.StepNo, 7);
    EXPECT_TRUE(showsLines(QString())); // no text

    state.run.StepNo = 8;
    state.run.RedRect = marks[7];
    run->CaptureResult();
    EXPECT_EQ(state.run.StepNo, 9);
    EXPECT_EQ(soundsPlayed().last(), QStringLiteral("Rez.wav"));

    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    const std::array<double, 8> values = {-1.6, 1.8, 2.4, -0.8, 1.4, 1.3, 0.9, 1.2};
    const std::array<MarkPoint, 8> points = {{{612, 384},
                                              {512, 276},
                                              {362, 384},
                                              {512, 434},
                                              {572, 324},
                                              {452, 332},
                                              {472, 420},
                                              {560, 440}}};
    EXPECT_EQ(records.front().DirectionValues, values);
    EXPECT_EQ(records.front().MarkPoints, points);

    EXPECT_TRUE(screenIsAsIf([&] {
        DrawScotomaMap(state, *run,
                       QPolygon({{612, 384},
                                 {572, 324},
                                 {512, 276},
                                 {452, 332},
                                 {362, 384},
                                 {472, 420},
                                 {512, 434},
                                 {560, 440}}),
                       kHeight, kWidth);
    }));
}

TEST_F(ResultCaptureRunTest, ColourTestClickOutsideTheFieldsCapturesNothing) {
    selectProcedure(1, 1);
    run->mouseDown(Qt::LeftButton, 128, 740); // 84 pixels left of the band
    EXPECT_FALSE(state.run.ResultShown);
    EXPECT_TRUE(stored().empty());
    EXPECT_TRUE(sound.calls.isEmpty());
    EXPECT_TRUE(showsLines(QString()));

    // Field 1 with the filters swapped names the other eye but stores the field.
    state.session.FilterPosition = 2;
    run->mouseDown(Qt::LeftButton, 212, 740);
    EXPECT_TRUE(state.run.ResultShown);
    EXPECT_TRUE(showsLines(QStringLiteral("Монокулярное зрение, ведущий левый")));
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored().front().ValueX, 1);
}

TEST_F(ResultCaptureRunTest, WithoutAPatientNameNothingIsWrittenAndNothingAsked) {
    selectProcedure(1, 4);
    state.session.ObjectNumber = 1;
    state.session.PatientName.clear();
    state.run.RedRect = {600, 641, 300, 340};
    state.run.BlueRect = {702, 743, 300, 340};
    run->CaptureResult();
    EXPECT_FALSE(QFile::exists(state.paths.ResultsFilePath));
    EXPECT_EQ(dialogs.shownCount(), 0);
    EXPECT_TRUE(showsLines(QString(), QStringLiteral("Фузионные резервы полож.  +1,6 град.")));
    EXPECT_EQ(soundsPlayed(), QStringList{QStringLiteral("Rez.wav")});
}

TEST_F(ResultCaptureRunTest, SoundOffReachesNoPlayerButStores) {
    selectProcedure(0, 4);
    state.SoundOn = false;
    run->CaptureResult();
    EXPECT_TRUE(sound.calls.isEmpty());
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(ResultCaptureRunTest, FailedAppendNamesTheFileKeepsTheValuesAndIsSilent) {
    selectProcedure(1, 4);
    state.session.ObjectNumber = 2;
    state.paths.ResultsFilePath = folder.filePath(QStringLiteral("missing/12.dat"));
    state.run.RedRect = {600, 641, 300, 340};
    state.run.BlueRect = {702, 743, 300, 340};
    run->CaptureResult();

    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().startsWith(host.title + QStringLiteral("|")));
    EXPECT_TRUE(dialogs.errors.front().contains(state.paths.ResultsFilePath));
    EXPECT_TRUE(sound.calls.isEmpty());
    EXPECT_TRUE(state.run.ResultShown);
    EXPECT_DOUBLE_EQ(state.session.ValueX, 1.6);
    EXPECT_TRUE(showsLines(QString(), QStringLiteral("Фузионные резервы отриц.  -1,6 град.")));
}

TEST_F(ResultCaptureRunTest, FlickeringTrainingsShowTheWholeSceneBeforeTheResult) {
    // Flicker variant 1 keeps the full scene on AuxSurface, variant 3 on SceneSurface.
    for (const int variant : {1, 3}) {
        SCOPED_TRACE(variant);
        selectProcedure(0, 2);
        state.session.FlickerVariant = static_cast<std::uint16_t>(variant);
        FlickerPeriodMs(state.session) = 400;
        state.run.FlickerOn = false;
        auto full = makeSurface(*device(), kWidth, kHeight);
        ASSERT_EQ(full->fill(static_cast<std::uint8_t>(state.indices.IndexBlue)),
                  DisplayResult::Ok);
        (variant == 3 ? state.display.SceneSurface : state.display.AuxSurface) = full;
        ASSERT_EQ(primary().fill(kOtherEntry), DisplayResult::Ok);
        timers["TimerM"].start();

        run->CaptureResult();
        EXPECT_FALSE(timers["TimerM"].isActive());
        EXPECT_TRUE(state.run.FlickerOn);
        EXPECT_EQ(stored().back().FlickerHz, 400); // the period at the capture
        const std::vector<ResultLine> lines = {{QStringLiteral("По горизонтали: 0 (0) град."), 90},
                                               {QStringLiteral("По вертикали: 0 (0) град."), 60}};
        EXPECT_TRUE(screenIsAsIf([&] {
            primary().bltFast(0, 0, *full);
            for (const ResultLine& line : lines) {
                run->ShowCaptionText(line.text, 20, kHeight - line.aboveBottom);
            }
        }));
        state.display.SceneSurface.reset();
        state.display.AuxSurface.reset();
    }
}

} // namespace
} // namespace trelon::test
