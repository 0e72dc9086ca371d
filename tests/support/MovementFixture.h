#pragma once
// Small hand-made scenes for the movement and flicker tests: a 120 x 90 screen with its
// primary, scene and auxiliary surfaces, two figures drawn as the scene builders compose
// them (own entry over the background, IndexAll where they overlap) and a reference picture
// to compare a surface with after moves.
#include "stimulus/Flicker.h"
#include "support/DisplayTestSupport.h"
#include "support/StimulusRunFixture.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace trelon::test {

inline constexpr int kClientWidth = 120;
inline constexpr int kClientHeight = 90;

using Pixels = std::vector<std::uint8_t>; // kClientWidth x kClientHeight, row by row

inline QRect toRect(const FigureRect& box) {
    return QRect(QPoint(box.Left, box.Top), QPoint(box.Right, box.Bottom));
}

inline FigureRect toFigureRect(const QRect& box) {
    return {static_cast<std::uint16_t>(box.left()), static_cast<std::uint16_t>(box.right()),
            static_cast<std::uint16_t>(box.top()), static_cast<std::uint16_t>(box.bottom())};
}

// A figure is its box with a few holes that move with it, so a redraw that reads a pixel
// after it was overwritten shows.
inline bool figureCovers(const QRect& box, int x, int y) {
    return box.contains(x, y) && ((x - box.left()) * 3 + (y - box.top()) * 5) % 7 != 0;
}

// The background with the blue figure and the red figure on it.
inline Pixels scenePixels(const QRect& blue, const QRect& red, const PaletteIndices& indices) {
    Pixels pixels(kClientWidth * kClientHeight, static_cast<std::uint8_t>(indices.IndexFon));
    for (int y = 0; y < kClientHeight; ++y) {
        for (int x = 0; x < kClientWidth; ++x) {
            const bool b = figureCovers(blue, x, y);
            const bool r = figureCovers(red, x, y);
            const int entry = b && r ? indices.IndexAll
                              : b    ? indices.IndexBlue
                              : r    ? indices.IndexRed
                                     : indices.IndexFon;
            pixels[y * kClientWidth + x] = static_cast<std::uint8_t>(entry);
        }
    }
    return pixels;
}

inline Pixels pixelsOf(const Surface& surface) {
    Pixels pixels;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            pixels.push_back(surface.pixel(x, y));
        }
    }
    return pixels;
}

inline void load(Surface& surface, const Pixels& pixels) {
    SurfaceLock access;
    ASSERT_EQ(surface.lock(access), DisplayResult::Ok);
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            access.bits[y * access.pitch + x] = pixels[y * surface.width() + x];
        }
    }
    surface.unlock();
}

// Positions (x + y * width) where two pictures differ.
inline std::vector<int> differences(const Pixels& a, const Pixels& b) {
    std::vector<int> found;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i]) {
            found.push_back(static_cast<int>(i));
        }
    }
    return found;
}

// The run of StimulusRunFixture on a 120 x 90 screen whose primary, scene and auxiliary
// surfaces the test fills; a diagnostic with pictures is selected.
class MovementFixture : public StimulusRunFixture<> {
protected:
    void SetUp() override {
        openRun(QSize(kClientWidth, kClientHeight));
        state.display.SceneSurface = makeSurface(*device(), kClientWidth, kClientHeight);
        state.display.AuxSurface = makeSurface(*device(), kClientWidth, kClientHeight);
        device()->addScreenObserver(&observer);
        // Moves are composed on the scene and copied to the screen.
        selectProcedure(1, 2, 2);
        state.run.EdgeMargin = 2;
    }
    void TearDown() override { device()->removeScreenObserver(&observer); }

    // Both figures on every surface; the red one is active.
    void placeFigures(const QRect& blueBox, const QRect& redBox) {
        const Pixels pixels = scenePixels(blueBox, redBox, state.indices);
        load(primary(), pixels);
        load(scene(), pixels);
        load(aux(), pixels);
        state.run.BlueRect = toFigureRect(blueBox);
        state.run.RedRect = toFigureRect(redBox);
        state.run.ActiveFigure = FigureRed;
        observer.boxes.clear();
    }

    // A flickering training whose figures are shown (AuxSurface holds the full scene).
    void startFlicker(int variant) {
        selectProcedure(0, 2);
        state.session.FlickerVariant = static_cast<std::uint16_t>(variant);
        FlickerPeriodMs(state.session) = 400;
        state.run.FlickerOn = true;
    }

    // A move of the active figure by the rules of the session's procedure.
    void move(int dx, int dy) { run->MoveFigure(dx, dy); }
    void toggle() {
        ToggleFlicker(state, [this](int seconds) { timeBoxShown.push_back(seconds); });
    }

    // The picture with both figures at their present boxes.
    Pixels expectedScene() const {
        return scenePixels(toRect(state.run.BlueRect), toRect(state.run.RedRect), state.indices);
    }

    Surface& aux() { return *state.display.AuxSurface; }

    RecordingObserver observer;
    std::vector<int> timeBoxShown;
};

} // namespace trelon::test
