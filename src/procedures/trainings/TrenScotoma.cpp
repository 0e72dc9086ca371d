#include "procedures/trainings/TrenScotoma.h"

#include "common/Rounding.h"
#include "display/DisplayDevice.h"
#include "platform/Clock.h"
#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "state/SharedState.h"
#include "stimulus/FeedbackSound.h"
#include "stimulus/FigureSizes.h"
#include "stimulus/FlickerPeriods.h"
#include "stimulus/InputRules.h"
#include "stimulus/PictureFiles.h"
#include "stimulus/SceneConversions.h"
#include "stimulus/ScotomaDirections.h"
#include "stimulus/ScotomaEating.h"

#include <algorithm>
#include <array>

namespace trelon {

namespace {

constexpr int kTrap = 1;
constexpr int kBee = 2;
constexpr int kPlane = 3;

// Target scale by size item: "Большой", "Средний", "Маленький".
constexpr std::array<double, 3> kTargetScales = {1.5, 1.2, 1.0};

// Where the figure of each direction (ScotomaDirections.h) starts: offset codes before
// PlaceFigure mirrors them for the red image, and the margin it keeps from the edges.
struct DirectionStart {
    std::int32_t offsetX;
    std::int32_t offsetY;
    int edgeMargin;
};
constexpr std::array<DirectionStart, kScotomaDirectionCount> kStarts = {{
    {1000, 0, 2},      // 1: from the right edge
    {0, -1000, 2},     // 2: from the top
    {-1000, 0, 2},     // 3: from the left
    {0, 1000, 10},     // 4: from the bottom
    {900, -1000, 10},  // 5: from the top right
    {-900, -1000, 10}, // 6: from the top left
    {-900, 1000, 10},  // 7: from the bottom left
    {900, 1000, 10},   // 8: from the bottom right
}};
// A step onto new ground is taken back this far against the travel.
constexpr int kPushBack = 4;

constexpr double kRoot2 = 1.4142135623730950488;
constexpr int kFlickerClockMs = 100;
constexpr int kRunAwayMs = 100;
constexpr int kBarSpacing = 10;
// The bee flies this much higher than it is placed; its box keeps its lower edge.
constexpr int kBeeLift = 30;

bool validDirection(int direction) {
    return scotomaDirection(direction) != nullptr;
}

// The direction of a step; a number outside 1..8 moves as 3 (from the left) does.
const ScotomaDirection& directionOf(int direction) {
    const ScotomaDirection* d = scotomaDirection(direction);
    return d != nullptr ? *d : kScotomaDirections[2];
}

const DirectionStart& startOf(int direction) {
    return kStarts[static_cast<std::size_t>(direction - 1)];
}

std::uint16_t edge(int v) {
    return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF));
}

ProcedureTraits trenScotomaTraits() {
    ProcedureTraits traits;
    traits.move.keepToDirection = true;
    traits.edgeRuleAlongDirection = true;
    traits.move.flickerDecides = true;
    traits.keysToggleFlicker = true;
    traits.countsSteps = true;
    traits.clickAfterResultCloses = true;
    traits.recentringTopMargin = 45;
    return traits;
}

} // namespace

TrenScotoma::TrenScotoma(ProcedureKind kind, RunServices& frame, SharedState& state,
                         const PlatformSeams& seams)
    : Procedure(kind, frame, state, seams, trenScotomaTraits()) {}

void TrenScotoma::start() {
    flickerPeriod_ = scotomaTrainingFlickerMs(FlickerPeriodMs(session()));
    runState().StepNo = 1;
    frame().BuildScene();
}

void TrenScotoma::composeScene() {
    RunState& run = runState();
    SessionParams& session = this->session();
    clock().stop();
    frame().stopFlickerClock();
    seams().cursor.hide();
    session.PauseSeconds = 0;
    run.FlickerOn = true;
    session.ValueX = 300.0;
    run.StepNo = 1;
    newGround_ = false;

    const FigureRect target = placeTarget();
    if (target == kEmptyFigureRect || !placeFigure(target)) {
        clearedPrimary();
        run.RedRect = kEmptyFigureRect;
        run.BlueRect = kEmptyFigureRect;
        return;
    }
    run.BlueRect = target;
    startFlicker();

    const FigureRect& figure = run.RedRect;
    parkHiddenCursor(QPoint((figure.Left + figure.Right) / 2, figure.Top));
    // The figure becomes movable 100 ms later, so the pointer's jump moves nothing.
    frame().restFigure(FigureRed);
}

FigureRect TrenScotoma::placeTarget() {
    SessionParams& session = this->session();
    SceneState& scene = state().scene;
    const int object = session.ObjectNumber;
    if (object < kTrap || object > kPlane) {
        return kEmptyFigureRect;
    }
    const int size = std::clamp(session.SizeScotomaItem, 0, 2);
    const double scale = kTargetScales[size];
    scene.FigureScale = scale;
    if (place(PlaceSplit, state().roles.ColorBlue, QLatin1String(kScotomaTargets[object - 1])) !=
        PlaceResult::Placed) {
        return kEmptyFigureRect;
    }
    const DegreeScale degrees{state().settings.MmPerPixel, state().settings.MmPerDegree,
                              session.DistanceCm};
    session.ObjectSize = tenth(degrees.degrees(scene.PictureWidth * scale));

    const QPoint c = centre();
    const double width = scene.PictureWidth * scale;
    int left = c.x() - roundPixels(width / 2);
    int right = left + roundPixels(width) + (size == 2 ? 10 : 0);
    if (object == kTrap) {
        // The cheese's box reaches 10 pixels beyond its left edge and, less a few pixels of
        // its rind at the larger sizes, beyond its right edge.
        left -= 10;
        const double rind = size == 0 ? 6 * scale : (size == 1 ? 3 * scale : 0);
        right = left + roundPixels(width - rind) + 20;
    }
    const int top = c.y() - roundPixels(scene.PictureHeight * scale / 2);
    const int bottom = top + roundPixels(scene.PictureHeight * scale);
    showScene();
    return {edge(left), edge(right), edge(top), edge(bottom)};
}

bool TrenScotoma::placeFigure(const FigureRect& target) {
    RunState& run = runState();
    SessionParams& session = this->session();
    SceneState& scene = state().scene;
    const Settings& settings = state().settings;
    const int object = session.ObjectNumber;
    QString picture;
    if (object == kTrap) {
        scene.FigureScale = settings.PictureFactors[kScotomaRat.factor];
        picture = QLatin1String(kScotomaRat.file);
    } else if (object == kBee) {
        scene.FigureScale = settings.PictureFactors[kScotomaBee.factor];
        picture = QLatin1String(kScotomaBee.file);
        session.PauseSeconds = 1; // marks the bee, which PlaceFigure lifts
    } else {
        scene.FigureScale = settings.PictureFactors[kScotomaPlaneFactor];
        // RadioGroupSamolet's degrees; an unknown value flies direction 1.
        const auto item = std::find_if(
            kScotomaDirections.begin(), kScotomaDirections.end(),
            [&session](const ScotomaDirection& d) { return d.planeDegrees == session.WorkMode; });
        const auto index = static_cast<std::size_t>(
            item == kScotomaDirections.end() ? 0 : item - kScotomaDirections.begin());
        run.StepNo = static_cast<std::int16_t>(index + 1);
        picture = QLatin1String(kScotomaPlanes[index]);
    }
    const int direction = run.StepNo;
    const DirectionStart& start = startOf(direction);
    const QPoint c = centre();
    scene.FigureOffsetX = start.offsetX;
    scene.FigureOffsetY = start.offsetY;
    run.EdgeMargin = start.edgeMargin;
    // The farthest point starts at the target's edge that faces the figure; direction 6
    // starts it at the height on its diagonal that the target's left edge gives.
    const ScotomaDirection& d = directionOf(direction);
    farthestPoint_ = direction == 6 ? roundPixels(c.y() - (c.y() - target.Left) / kRoot2)
                                    : leadingEdge(target, ScotomaDirection{-d.fromX, -d.fromY, 0});
    if (place(PlaceSplit, state().roles.ColorRed, picture) != PlaceResult::Placed) {
        return false;
    }
    showScene();
    keepFullScene();

    // The figure's box by its direction, as PlaceFigure put it.
    const QSize screen = client();
    const int margin = run.EdgeMargin;
    const int fw = scaledLength(scene.PictureWidth, scene.FigureScale);
    const int fh = scaledLength(scene.PictureHeight, scene.FigureScale);
    const int bottomTop = 2 * c.y() - fh - margin;
    const int squareLeft = c.x() + margin - c.y();
    const int squareRight = c.x() + c.y() - fh - margin;
    // The diagonals start in the square about the centre that the screen's height spans.
    int x = (screen.width() - fw) / 2;
    if (d.diagonal()) {
        x = d.fromX > 0 ? squareRight : squareLeft;
    } else if (d.fromX != 0) {
        x = d.fromX > 0 ? screen.width() - fw - margin : margin;
    }
    const int y = d.fromY < 0 ? margin : d.fromY > 0 ? bottomTop : c.y() - fh / 2;
    const QPoint at(x, y);
    FigureRect& box = run.RedRect;
    box = {edge(at.x()), edge(at.x() + fw), edge(at.y()), edge(at.y() + fh)};
    if (object == kBee) {
        box.Top = edge(at.y() - kBeeLift);
    }
    return true;
}

void TrenScotoma::startFlicker() {
    RunState& run = runState();
    FlickerPeriodMs(session()) = flickerPeriod_;
    if (flickerPeriod_ == 0) {
        return;
    }
    run.LastToggleTime = seams().clock.millisecondsSinceMidnight();
    frame().startFlickerClock(kFlickerClockMs);
    clock().setInterval(flickerPeriod_);
    clock().start();
}

void TrenScotoma::keepFullScene() {
    DisplayObjects& display = state().display;
    display.AuxSurface.reset();
    Surface* screen = frame().primary();
    const QSize size = client();
    if (screen == nullptr || !display.DisplayDevice ||
        !succeeded(display.DisplayDevice->createOffscreenSurface(size.width(), size.height(),
                                                                 display.AuxSurface))) {
        return;
    }
    display.AuxSurface->bltFast(0, 0, *screen);
}

void TrenScotoma::homeKey() {
    frame().RestartStep();
}

void TrenScotoma::enterKey() {
    answer();
}

void TrenScotoma::mouseDown(Qt::MouseButton /*button*/, int /*x*/, int /*y*/) {
    answer();
}

void TrenScotoma::answer() {
    clock().stop();
    frame().stopFlickerClock();
    frame().CaptureResult();
}

void TrenScotoma::arrowKey(int key, bool shift) {
    RunState& run = runState();
    if (run.TargetReached || !validDirection(run.StepNo)) {
        return;
    }
    const int s = arrowStep(key, shift);
    const int direction = run.StepNo;
    const int cy = screenCentre().y();
    const bool topBelowMiddle = run.RedRect.Top > cy;
    const bool bottomAboveMiddle = run.RedRect.Bottom < cy;
    const ScotomaDirection& d = directionOf(direction);
    // A diagonal's x for a pixel upwards along its line; none on the straight ones.
    const int upX = -d.fromX * d.fromY;
    FigureMove move;
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        move = arrowMove(key, s);
    } else if (key == Qt::Key_Up) {
        // Up goes along the travel line towards the top; on the lines that travel up only
        // while the figure is still below the middle.
        if (d.fromY < 0 || (d.fromY > 0 && topBelowMiddle)) {
            move = {upX * s, -s};
        }
    } else if (key == Qt::Key_Down) {
        if (d.fromY > 0 || (d.fromY < 0 && bottomAboveMiddle)) {
            move = {-upX * s, s};
        }
    }
    if (move == FigureMove{}) {
        return;
    }
    const FigureRect before = run.RedRect;
    frame().MoveFigure(move.dx, move.dy);
    if (!(run.RedRect == before)) {
        afterMove(before, false);
    }
}

void TrenScotoma::mouseMove(int x, int y) {
    if (runState().TargetReached) {
        return;
    }
    followPointer(x, y, [this](FigureMove move) {
        const FigureRect before = runState().RedRect;
        moveKeepingMargins(move, false);
        if (!(runState().RedRect == before)) {
            afterMove(before, true);
        }
    });
}

void TrenScotoma::afterMove(const FigureRect& before, bool byMouse) {
    RunState& run = runState();
    if (centreReached()) {
        reachCentre();
        return;
    }
    eatTarget(before);
    const int direction = run.StepNo;
    const ScotomaDirection& d = directionOf(direction);
    const int lead = leadingEdge(run.RedRect, d);
    // Farther along the travel than the farthest point so far.
    newGround_ = d.leadingSign() < 0 ? lead < farthestPoint_ : lead > farthestPoint_;
    if (newGround_) {
        farthestPoint_ = lead;
    }
    if (byMouse && newGround_) {
        // A step onto new ground is taken back by 4 pixels: the target is won slowly.
        frame().MoveFigure(-kPushBack * d.travelX(), -kPushBack * d.travelY());
    }
}

bool TrenScotoma::centreReached() const {
    const RunState& run = runState();
    const QPoint c = screenCentre();
    const FigureRect& box = run.RedRect;
    // The leading edge is at most a pixel short of the centre along the travel.
    const ScotomaDirection& d = directionOf(run.StepNo);
    const int centreCoordinate = d.travelX() != 0 ? c.x() : c.y();
    return d.leadingSign() * (centreCoordinate - leadingEdge(box, d)) <= 1;
}

void TrenScotoma::reachCentre() {
    RunState& run = runState();
    session().ValueX = 0;
    if (session().ObjectNumber == kTrap) {
        closeTrap();
        return;
    }
    PlayFeedbackSound(state(), seams().sound, QStringLiteral("Verno.wav"));
    run.TargetReached = true;
    clock().stop();
    clock().setInterval(kRunAwayMs);
    clock().start();
}

void TrenScotoma::closeTrap() {
    RunState& run = runState();
    DisplayObjects& display = state().display;
    SceneState& scene = state().scene;
    const FigureRect target = run.BlueRect;
    const PaletteIndices& indices = state().indices;
    if (display.SceneSurface) {
        display.SceneSurface->fill(static_cast<std::uint8_t>(indices.IndexFon));
        // The mouse, caught in the middle (the figure's scale stays).
        scene.FigureOffsetX = 0;
        scene.FigureOffsetY = 0;
        place(PlaceSplit, state().roles.ColorRed, QLatin1String(kScotomaRat.file));
        run.BlueRect = target;
        // The bars of the closed trap, seen by both eyes.
        const QPoint c = centre();
        const int w = target.Right - target.Left;
        const int h = target.Bottom - target.Top;
        const QRect bars = QRect(c.x() - w / 2, c.y() - h / 2, w + 1, h + 1)
                               .intersected(display.SceneSurface->rect());
        SurfaceLock access;
        if (!bars.isEmpty() && succeeded(display.SceneSurface->lock(access))) {
            const auto all = static_cast<std::uint8_t>(indices.IndexAll);
            for (int y = bars.top(); y <= bars.bottom(); ++y) {
                for (int x = bars.left(); x <= bars.right(); ++x) {
                    if (x % kBarSpacing == 0) {
                        access.bits[y * access.pitch + x] = all;
                    }
                }
            }
            display.SceneSurface->unlock();
        }
        showScene();
        keepFullScene();
    }
    run.TargetReached = true;
    answer();
}

void TrenScotoma::eatTarget(const FigureRect& before) {
    const RunState& run = runState();
    const int direction = run.StepNo;
    const FigureRect& target = run.BlueRect;
    PixelRegion region;
    if (session().ObjectNumber == kPlane) {
        const QPointF c = boxCentre(target);
        region = wedgeRegion(target, direction, leadingDistance(direction, before, c),
                             leadingDistance(direction, run.RedRect, c), millimetre());
    } else if (direction == 1) {
        region = biteRegion(target, run.RedRect.Left, millimetre(), session().ObjectNumber == kBee);
    }
    if (region.isEmpty()) {
        return;
    }
    // The screen, the scene and the full scene the flicker restores all lose the bite.
    DisplayObjects& display = state().display;
    for (Surface* surface :
         {display.PrimarySurface.get(), display.SceneSurface.get(), display.AuxSurface.get()}) {
        if (surface != nullptr) {
            trelon::eatTarget(*surface, region, state().indices);
        }
    }
}

void TrenScotoma::clockTick() {
    if (runState().TargetReached) {
        runAwayStep();
    } else {
        frame().ToggleFlickerIfDue();
    }
}

void TrenScotoma::runAwayStep() {
    RunState& run = runState();
    const int direction = run.StepNo;
    const QSize screen = frame().screenSize();
    const FigureRect& box = run.RedRect;
    // The figure runs on while its edge along the run (the vertical one on a diagonal) is
    // 20 pixels inside the screen; leftwards, 10.
    const ScotomaDirection& d = directionOf(direction);
    bool onScreen = false;
    if (d.travelY() > 0) {
        onScreen = box.Bottom < screen.height() - 20;
    } else if (d.travelY() < 0) {
        onScreen = box.Top > 20;
    } else if (d.travelX() < 0) {
        onScreen = box.Left > 10;
    } else {
        onScreen = box.Right < screen.width() - 20;
    }
    const FigureRect before = box;
    if (onScreen) {
        const int step = state().scene.PictureWidth / 10;
        run.ActiveFigure = FigureRed;
        frame().MoveFigure(d.travelX() * step, d.travelY() * step);
    }
    // A figure that can move no more (held at an edge or hidden by the flicker) ends the run
    // as well.
    if (!onScreen || box == before) {
        answer();
    }
}

QPoint TrenScotoma::screenCentre() const {
    const QSize screen = frame().screenSize();
    return QPoint(screen.width() / 2, screen.height() / 2);
}

int TrenScotoma::millimetre() const {
    const double mmPerPixel = state().settings.MmPerPixel;
    return mmPerPixel > 0 ? static_cast<int>(roundHalfEven(1 / mmPerPixel)) : 0;
}

FigureMove TrenScotoma::clampMove(FigureMove move) {
    const RunState& run = runState();
    const int figure = run.ActiveFigure;
    // Past the centre the run-away keeps its stride.
    if ((figure != FigureBlue && figure != FigureRed) || run.TargetReached) {
        return move;
    }
    // The target is the other figure.
    const FigureRect& moving = figure == FigureRed ? run.RedRect : run.BlueRect;
    const FigureRect& target = figure == FigureRed ? run.BlueRect : run.RedRect;
    return clampTravelAtTarget(move, run.StepNo, moving, target, screenCentre(), millimetre());
}

bool TrenScotoma::prepareCapture() {
    frame().ShowWholeScene();
    return true;
}

CapturedValues TrenScotoma::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    return {
        scotomaTrainingValues(at, scale, runState().StepNo, runState().TargetReached, session())};
}

} // namespace trelon
