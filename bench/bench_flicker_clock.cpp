// The flicker clock on the Qt event loop: the squint training's red figure flickers (shown
// for the period, hidden for 200 ms) while its uniform mode steps it every 50 ms, with the
// program's own timers and clock (QtTimer, QtClock) and the run of the stimulus window; each
// change of the screen is presented (converted and painted) from the event loop as the
// presenter widget does. Reported: how late each toggle came against its due time (median,
// 99th percentile, maximum in milliseconds). A second benchmark measures one toggle with its
// present on a 1920 x 1080 screen.
#include "display/DisplayDevice.h"
#include "display/FrameConverter.h"
#include "gui/QtClock.h"
#include "gui/QtTimer.h"
#include "platform/Cursor.h"
#include "platform/Dialogs.h"
#include "platform/SoundPlayer.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "registry/ProcedureRegistry.h"
#include "state/SharedState.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using namespace trelon;
using Instant = std::chrono::steady_clock::time_point;

constexpr QSize kScreen(1920, 1080);

double millisecondsBetween(Instant from, Instant to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The seams a run needs besides its clocks: nothing is shown, played or pointed at.
class SilentDialogs : public Dialogs {
public:
    void information(const QString&) override {}
    void error(const QString&, const QString&) override {}
    bool confirm(const QString&) override { return false; }
    std::optional<QString> chooseFolder(const QString&) override { return std::nullopt; }
};
class StillCursor : public Cursor {
public:
    void hide() override {}
    void show() override {}
    void setProgramCursor() override {}
    QPoint position() const override { return at; }
    void setPosition(QPoint p) override { at = p; }
    void releaseClip() override {}
    QPoint at;
};
class MuteSound : public SoundPlayer {
public:
    bool setDeviceType(SoundDevice) override { return true; }
    bool play(const QString&) override { return true; }
    void stop() override {}
    void beep() override {}
};
class Window : public StimulusHost {
public:
    QString caption() const override { return QStringLiteral("bench"); }
    void refresh() override {}
    void closeWindow() override {}
};

// Presents every change of the screen from the event loop, and notes when the flickering
// image turned on or off.
class Presenter : public ScreenObserver {
public:
    explicit Presenter(SharedState& state) : state_(state) {}

    void paletteChanged() override { converter_.invalidateAll(); }
    void primaryChanged(const QRect& box) override {
        converter_.invalidate(box);
        if (state_.run.FlickerOn != shown_) {
            shown_ = state_.run.FlickerOn;
            toggles.push_back({std::chrono::steady_clock::now(), shown_});
        }
        if (!pending_) {
            pending_ = true;
            QTimer::singleShot(0, [this] { present(); });
        }
    }
    void present() {
        pending_ = false;
        const Surface* primary = state_.display.PrimarySurface.get();
        if (primary == nullptr) {
            return;
        }
        const QRegion converted = converter_.update(*primary, table_);
        QPainter painter(&backingStore_);
        for (const QRect& box : converted) {
            painter.drawImage(box.topLeft(), converter_.frame(), box);
        }
    }

    struct Toggle {
        Instant at;
        bool shown;
    };
    std::vector<Toggle> toggles;

private:
    SharedState& state_;
    FrameConverter converter_;
    PaletteTable table_ = defaultPaletteTable();
    QImage backingStore_{kScreen, QImage::Format_RGB32};
    bool shown_ = true;
    bool pending_ = false;
};

// The squint training with the star on a full-HD screen, the red figure picked and moved
// 400 pixels off the aligned position, its flicker (variant 1) at periodMs.
struct Training {
    SharedState state;
    SilentDialogs dialogs;
    QtClock clock;
    QtTimerFactory timers;
    StillCursor cursor;
    MuteSound sound;
    PlatformSeams seams{dialogs, clock, timers, cursor, sound};
    Window window;
    Presenter presenter{state};
    std::unique_ptr<StimulusRun> run;
    Instant picked;

    explicit Training(int periodMs) {
        state.paths.ProgramDir = QStringLiteral(TRELON_PROGRAM_DIR "/");
        state.roles = {colourWord(0, 0, 255), colourWord(255, 0, 0), colourWord(0, 0, 0),
                       colourWord(255, 0, 255)};
        DisplayDevice::create(kScreen, {}, state.display.DisplayDevice);
        state.display.DisplayDevice->addScreenObserver(&presenter);
        SessionParams& session = state.session;
        session.IsDiagnostics = 0;
        session.ProcedureNumber = 2;
        session.ObjectNumber = 1;
        session.WorkMode = 2;
        session.FlickerVariant = 1;
        session.FlickerHz = 1;
        session.MoveInterval = 50;
        session.DistanceCm = 100;
        run = std::make_unique<StimulusRun>(state, seams, window, makeRegisteredProcedure);
        run->FormActivate();

        const RunState& r = state.run;
        cursor.at =
            QPoint((r.RedRect.Left + r.RedRect.Right) / 2, (r.RedRect.Top + r.RedRect.Bottom) / 2);
        while (redAt(cursor.at) == false && cursor.at.x() < r.RedRect.Right) {
            cursor.at.rx() += 1;
        }
        run->click();
        picked = std::chrono::steady_clock::now();
        FlickerPeriodMs(session) = static_cast<std::uint16_t>(periodMs);
        run->MoveFigure(1, 0); // only clears SkipFirstMove
        run->MoveFigure(400, 0);
        run->mouseDown(Qt::LeftButton, cursor.at.x(), cursor.at.y());
    }
    ~Training() { state.display.DisplayDevice->removeScreenObserver(&presenter); }

    bool redAt(QPoint p) {
        const Surface& full = *state.display.AuxSurface;
        return full.pixel(p.x(), p.y()) == state.indices.IndexRed;
    }
};

double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// 10 s of flicker at the period while the figure steps; lateness of every toggle.
void BM_FlickerClockLateness(benchmark::State& state) {
    const int period = static_cast<int>(state.range(0));
    std::vector<double> lateness;
    std::size_t toggles = 0;
    for (auto _ : state) {
        Training training(period);
        QEventLoop loop;
        QTimer::singleShot(10000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        training.run->FormClose();
        Instant last = training.picked;
        bool shown = true;
        for (const Presenter::Toggle& toggle : training.presenter.toggles) {
            const double wait = shown ? period : 200;
            lateness.push_back(millisecondsBetween(last, toggle.at) - wait);
            last = toggle.at;
            shown = toggle.shown;
        }
        toggles += training.presenter.toggles.size();
    }
    state.counters["toggles"] = static_cast<double>(toggles);
    state.counters["late_median_ms"] = percentile(lateness, 0.5);
    state.counters["late_p99_ms"] = percentile(lateness, 0.99);
    state.counters["late_max_ms"] = percentile(lateness, 1.0);
}
BENCHMARK(BM_FlickerClockLateness)
    ->Arg(120)
    ->Arg(1000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One toggle of the red figure (hide or show, whole-screen copies) and its present.
void BM_ToggleWithPresent(benchmark::State& state) {
    Training training(120);
    training.run->Timer2().stop();
    training.run->TimerM().stop();
    for (auto _ : state) {
        training.run->ToggleFlicker();
        training.presenter.present();
    }
}
BENCHMARK(BM_ToggleWithPresent)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
