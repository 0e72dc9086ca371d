#pragma once
// A run of a diagnostic or a training from its scene to the results file: a 1024 x 768 screen with
// the program's own pictures, fake timers, clock, cursor and sound, a patient whose results file
// lies in a temporary folder, the default scale (0.29 mm per pixel, 8.9 mm per degree) and
// 100 cm. One pixel is then 0.29 / 8.9 x 50 / 100 = 0.016292 degrees, so 100 pixels are
// 1.6292 degrees.
#include "SceneFixture.h"
#include "results/ResultRecordCodec.h"
#include "support/TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace trelon::test {

class DiagnosticRunFixture : public SceneFixture {
protected:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    void SetUp() override {
        openScreen(QSize(kWidth, kHeight));
        useProgramPictures();
        ASSERT_TRUE(results.isValid());
        state.paths.ResultsFilePath = results.filePath(QStringLiteral("7.dat"));
        state.session.PatientNumber = 7;
        state.session.PatientName = QStringLiteral("Петров Пётр");
        state.session.DistanceCm = 100;
        state.session.FilterPosition = 1;
        state.ContrastLevel = 2;
        clock.date = QDate(2026, 12, 7); // day 46363 since 30 December 1899
    }

    // A run that went as the patient meant shows the operator no box.
    void TearDown() override {
        EXPECT_EQ(dialogs.errors, QStringList());
        EXPECT_EQ(dialogs.informations, QStringList());
    }

    // The diagnostic number 1..4 with its object or variant, then the window's activation.
    void start(int number, int object) {
        selectProcedure(1, number, object);
        run->FormActivate();
    }

    // The training number 1..4 with its object or variant, then the window's activation.
    void startTraining(int number, int object) {
        selectProcedure(0, number, object);
        run->FormActivate();
    }

    // The pixels of the screen inside r (the whole screen unless given) that show entry.
    int countOf(int entry, QRect r = QRect(0, 0, kWidth, kHeight)) {
        int count = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                count += primary().pixel(x, y) == entry ? 1 : 0;
            }
        }
        return count;
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i) {
            run->keyDown(key, modifiers);
        }
    }

    // A press and release at p; a left button completes a click.
    void clickAt(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        cursor.at = p;
        run->mouseDown(button, p.x(), p.y());
        if (button == Qt::LeftButton) {
            run->click();
        }
    }

    // The pointer moves to p and the window hears of it.
    void moveMouse(QPoint p) {
        cursor.at = p;
        run->mouseMove(p.x(), p.y());
    }

    // Some screen pixel showing entry, or (-1, -1).
    QPoint pixelOf(int entry) {
        const Surface& screen = primary();
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                if (screen.pixel(x, y) == entry) {
                    return QPoint(x, y);
                }
            }
        }
        return QPoint(-1, -1);
    }

    std::vector<ResultRecord> stored() { return test::storedRecords(state.paths.ResultsFilePath); }
    QStringList soundsPlayed() const { return test::fileNames(sound.played); }

    FakeTimer& timer(const char* name) { return timers[name]; }

    RunState& runState() { return state.run; }

    QTemporaryDir results;
};

} // namespace trelon::test
