// What the patient feels: moving a 300 x 300 figure by 3 pixels on a 1920 x 1080 scene and
// one flicker toggle, each including the presenter's conversion and paint of what changed,
// against composing and presenting the full frame.
#include "display/DisplayDevice.h"
#include "display/FrameConverter.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"
#include "stimulus/FigureMovement.h"
#include "stimulus/Flicker.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using namespace trelon;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kFigure = 300;

class NoDialogs : public Dialogs {
public:
    void information(const QString&) override {}
    void error(const QString&, const QString&) override {}
    bool confirm(const QString&) override { return true; }
    std::optional<QString> chooseFolder(const QString&) override { return std::nullopt; }
};

// The presenter's part: collects the changed boxes, converts them and paints them.
class Presenter : public ScreenObserver {
public:
    void paletteChanged() override { converter.invalidateAll(); }
    void primaryChanged(const QRect& box) override { converter.invalidate(box); }

    void present(const Surface& primary, const PaletteTable& table) {
        const QRegion converted = converter.update(primary, table);
        QPainter painter(&backingStore);
        for (const QRect& box : converted) {
            painter.drawImage(box.topLeft(), converter.frame(), box);
        }
    }

    FrameConverter converter;
    QImage backingStore{kWidth, kHeight, QImage::Format_RGB32};
};

FigureRect figureRect(const QRect& box) {
    return {static_cast<std::uint16_t>(box.left()), static_cast<std::uint16_t>(box.right()),
            static_cast<std::uint16_t>(box.top()), static_cast<std::uint16_t>(box.bottom())};
}

// A scene of two overlapping discs, the blue one active.
struct Stimulus {
    SharedState state;
    NoDialogs dialogs;
    Presenter presenter;
    PaletteTable table = defaultPaletteTable();
    const QRect blueBox{700, 390, kFigure, kFigure};
    const QRect redBox{900, 400, kFigure, kFigure};
    // The angle test with a picture composes its moves on the scene.
    MoveRules rules;

    Stimulus() {
        DisplayObjects& display = state.display;
        DisplayDevice::create(QSize(kWidth, kHeight), {}, display.DisplayDevice);
        display.DisplayDevice->createPrimarySurface(display.PrimarySurface);
        display.DisplayDevice->createOffscreenSurface(kWidth, kHeight, display.SceneSurface);
        display.DisplayDevice->createOffscreenSurface(kWidth, kHeight, display.AuxSurface);
        display.DisplayDevice->addScreenObserver(&presenter);
        composeScene();
        display.PrimarySurface->bltFast(0, 0, *display.SceneSurface);
        display.AuxSurface->bltFast(0, 0, *display.SceneSurface);
        presenter.present(*display.PrimarySurface, table);

        state.run.BlueRect = figureRect(blueBox);
        state.run.RedRect = figureRect(redBox);
        state.run.ActiveFigure = FigureBlue;
        state.run.EdgeMargin = 2;
    }
    ~Stimulus() { state.display.DisplayDevice->removeScreenObserver(&presenter); }

    // The background, then each disc inside its own box, as a scene builder composes them:
    // its own entry over the background, IndexAll over the other disc.
    void composeScene() {
        Surface& scene = *state.display.SceneSurface;
        scene.fill(static_cast<std::uint8_t>(state.indices.IndexFon));
        SurfaceLock access;
        scene.lock(access);
        drawDisc(access, blueBox, static_cast<std::uint8_t>(state.indices.IndexBlue),
                 static_cast<std::uint8_t>(state.indices.IndexRed));
        drawDisc(access, redBox, static_cast<std::uint8_t>(state.indices.IndexRed),
                 static_cast<std::uint8_t>(state.indices.IndexBlue));
        scene.unlock();
    }

    void drawDisc(const SurfaceLock& access, const QRect& box, std::uint8_t own,
                  std::uint8_t other) {
        const auto all = static_cast<std::uint8_t>(state.indices.IndexAll);
        const int radius = kFigure / 2;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            std::uint8_t* row = access.bits + y * access.pitch;
            const int dy = y - box.center().y();
            for (int x = box.left(); x <= box.right(); ++x) {
                const int dx = x - box.center().x();
                if (dx * dx + dy * dy <= radius * radius) {
                    row[x] = row[x] == other ? all : own;
                }
            }
        }
    }

    void present() { presenter.present(*state.display.PrimarySurface, table); }
};

// Back and forth by 3 pixels, so the figure stays where it is.
void moveAndPresent(benchmark::State& bench, Stimulus& stimulus) {
    int dx = 3;
    for (auto _ : bench) {
        MoveFigure(stimulus.state, stimulus.dialogs, QString(), dx, 0, stimulus.rules);
        stimulus.present();
        dx = -dx;
        benchmark::DoNotOptimize(stimulus.presenter.backingStore.constBits());
    }
}

// Composed on the scene, then the box copied to the screen.
void BM_MoveFigure(benchmark::State& bench) {
    Stimulus stimulus;
    moveAndPresent(bench, stimulus);
}
BENCHMARK(BM_MoveFigure)->Unit(benchmark::kMicrosecond);

// Composed on the screen, then the box copied to the full scene (flicker, image shown).
void BM_MoveFigureWhileFlickering(benchmark::State& bench) {
    Stimulus stimulus;
    stimulus.rules.flickerDecides = true; // a training
    stimulus.state.session.FlickerVariant = 1;
    FlickerPeriodMs(stimulus.state.session) = 400;
    moveAndPresent(bench, stimulus);
}
BENCHMARK(BM_MoveFigureWhileFlickering)->Unit(benchmark::kMicrosecond);

// Variant 1 hides and shows the red figure in turn.
void BM_ToggleFlicker(benchmark::State& bench) {
    Stimulus stimulus;
    stimulus.state.session.FlickerVariant = 1;
    FlickerPeriodMs(stimulus.state.session) = 400;
    for (auto _ : bench) {
        ToggleFlicker(stimulus.state, nullptr);
        stimulus.present();
        benchmark::DoNotOptimize(stimulus.presenter.backingStore.constBits());
    }
}
BENCHMARK(BM_ToggleFlicker)->Unit(benchmark::kMicrosecond);

// The move alone, without presenting: the share of the redraw on the surfaces.
void BM_MoveOnly(benchmark::State& bench) {
    Stimulus stimulus;
    int dx = 3;
    for (auto _ : bench) {
        MoveFigure(stimulus.state, stimulus.dialogs, QString(), dx, 0, stimulus.rules);
        dx = -dx;
    }
}
BENCHMARK(BM_MoveOnly)->Unit(benchmark::kMicrosecond);

// The reference: the whole scene composed again, copied to the screen and presented whole.
void BM_ComposeAndPresentFullFrame(benchmark::State& bench) {
    Stimulus stimulus;
    for (auto _ : bench) {
        stimulus.composeScene();
        stimulus.state.display.PrimarySurface->bltFast(0, 0, *stimulus.state.display.SceneSurface);
        stimulus.presenter.converter.invalidateAll();
        stimulus.present();
        benchmark::DoNotOptimize(stimulus.presenter.backingStore.constBits());
    }
}
BENCHMARK(BM_ComposeAndPresentFullFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
