#pragma once
// A stimulus run on an emulated screen for the scene tests: the role colours at entries
// 21..24 of a grey palette (so each colour word draws exactly its role entry), fake seams,
// and pictures either made by the test in a temporary program folder or the program's own.
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"
#include "stimulus/PaletteRoutines.h"
#include "support/DisplayTestSupport.h"
#include "support/FakeSeams.h"
#include "support/FakeStimulusHost.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace trelon::test {

// The run with its scene builder within reach.
class SceneRun : public StimulusRun {
public:
    using StimulusRun::BuildScene;
    using StimulusRun::StimulusRun;
};

class SceneFixture : public ::testing::Test, protected FakeSeams {
protected:
    static constexpr ColourWord kBlueRole = colourWord(20, 40, 230);
    static constexpr ColourWord kRedRole = colourWord(230, 40, 20);
    static constexpr ColourWord kFonRole = colourWord(40, 130, 70);
    static constexpr ColourWord kAllRole = colourWord(250, 230, 90);
    static constexpr int kBlue = 21;
    static constexpr int kRed = 22;
    static constexpr int kFon = 23;
    static constexpr int kAll = 24;

    // A screen of the given size, its primary, SceneSurface filled with the background, and
    // the run; pictures come from the test's own folder until useProgramPictures().
    void openScreen(QSize size) {
        state.display.DisplayDevice = makeDevice(size);
        state.display.DisplayPalette = makePalette(*device(), greyTable());
        state.roles = {kBlueRole, kRedRole, kFonRole, kAllRole};
        ApplyWorkingPalette(*state.display.DisplayPalette, state.roles, 0);
        ASSERT_EQ(device()->createPrimarySurface(state.display.PrimarySurface), DisplayResult::Ok);
        state.display.PrimarySurface->attachPalette(state.display.DisplayPalette);
        ASSERT_EQ(device()->createOffscreenSurface(size.width(), size.height(),
                                                   state.display.SceneSurface),
                  DisplayResult::Ok);
        state.display.SceneSurface->fill(kFon);
        ASSERT_TRUE(pictures.isValid());
        state.paths.ProgramDir = pictures.path() + QLatin1Char('/');
        run = std::make_unique<SceneRun>(state, seams, host);
    }

    void useProgramPictures() {
        state.paths.ProgramDir = QStringLiteral(TRELON_PROGRAM_DIR) + QLatin1Char('/');
    }

    void selectProcedure(int isDiagnostics, int number, int object = 1) {
        state.session.IsDiagnostics = static_cast<std::uint8_t>(isDiagnostics);
        state.session.ProcedureNumber = static_cast<std::uint16_t>(number);
        state.session.ObjectNumber = static_cast<std::uint16_t>(object);
    }

    // A picture of width x height in the test's folder, each pixel coloured by paint(x, y).
    void savePicture(const QString& name, int width, int height,
                     const std::function<QColor(int, int)>& paint) {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixelColor(x, y, paint(x, y));
            }
        }
        ASSERT_TRUE(image.save(pictures.filePath(name), "BMP"));
    }
    void savePlainPicture(const QString& name, int width, int height, const QColor& colour) {
        savePicture(name, width, height, [&colour](int, int) { return colour; });
    }

    DisplayDevice* device() { return state.display.DisplayDevice.get(); }
    Surface& primary() { return *state.display.PrimarySurface; }
    Surface& scene() { return *state.display.SceneSurface; }

    SharedState state;
    FakeStimulusHost host;
    QTemporaryDir pictures;
    std::unique_ptr<SceneRun> run;
};

} // namespace trelon::test

namespace trelon {
// FigureRect printed as (Left, Right, Top, Bottom) in failures.
inline void PrintTo(const FigureRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Right << ", " << r.Top << ", " << r.Bottom << ")";
}
} // namespace trelon
