#pragma once
// An emulated stimulus screen for the tests: a display device of the chosen size, a palette of
// distinct greys with the four role colours written at entries 21..24 (so every colour word
// draws exactly its role entry), the primary surface shown through it, fake platform seams,
// and pictures either made by the test in a temporary program folder or the program's own.
#include "state/SharedState.h"
#include "stimulus/PaletteRoutines.h"
#include "support/DisplayTestSupport.h"
#include "support/FakeSeams.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace trelon::test {

class StimulusScreenFixture : public ::testing::Test, protected FakeSeams {
protected:
    static constexpr ColourWord kBlueRole = colourWord(20, 40, 230);
    static constexpr ColourWord kRedRole = colourWord(230, 40, 20);
    static constexpr ColourWord kFonRole = colourWord(40, 130, 70);
    static constexpr ColourWord kAllRole = colourWord(250, 230, 90);
    static constexpr int kBlue = 21;
    static constexpr int kRed = 22;
    static constexpr int kFon = 23;
    static constexpr int kAll = 24;

    // A new device of the given size with the role palette and its primary surface; pictures
    // come from the test's own folder until useProgramPictures().
    void openScreen(QSize size) {
        DisplayObjects& display = state.display;
        display.PrimarySurface.reset();
        display.SceneSurface.reset();
        display.DisplayDevice = makeDevice(size);
        display.DisplayPalette = makePalette(*device(), greyTable());
        state.roles = {kBlueRole, kRedRole, kFonRole, kAllRole};
        ApplyWorkingPalette(*display.DisplayPalette, state.roles, 0);
        ASSERT_EQ(device()->createPrimarySurface(display.PrimarySurface), DisplayResult::Ok);
        display.PrimarySurface->attachPalette(display.DisplayPalette);
        ASSERT_TRUE(pictures.isValid());
        state.paths.ProgramDir = pictures.path() + QLatin1Char('/');
    }

    // SceneSurface of the screen's size, filled with the background.
    void makeSceneSurface() {
        const QSize size = device()->screenSize();
        ASSERT_EQ(device()->createOffscreenSurface(size.width(), size.height(),
                                                   state.display.SceneSurface),
                  DisplayResult::Ok);
        state.display.SceneSurface->fill(kFon);
    }

    void useProgramPictures() {
        state.paths.ProgramDir = QStringLiteral(TRELON_PROGRAM_DIR) + QLatin1Char('/');
    }

    // The procedure of a diagnostics flag and number; its object stays as it is.
    void selectProcedure(int isDiagnostics, int number) {
        state.session.IsDiagnostics = static_cast<std::uint8_t>(isDiagnostics);
        state.session.ProcedureNumber = static_cast<std::uint16_t>(number);
    }
    // The procedure with its object (or variant) number.
    void selectProcedure(int isDiagnostics, int number, int object) {
        selectProcedure(isDiagnostics, number);
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
    QTemporaryDir pictures;
};

} // namespace trelon::test

namespace trelon {
// FigureRect printed as (Left, Right, Top, Bottom) in failures.
inline void PrintTo(const FigureRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Right << ", " << r.Top << ", " << r.Bottom << ")";
}
} // namespace trelon
