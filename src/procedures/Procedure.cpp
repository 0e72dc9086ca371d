#include "procedures/Procedure.h"

#include "display/DisplayDevice.h"
#include "platform/Cursor.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "state/SharedState.h"
#include "stimulus/FigureSizes.h"
#include "stimulus/Flicker.h"
#include "stimulus/InputRules.h"
#include "stimulus/PictureFiles.h"
#include "stimulus/SceneConversions.h"

#include <algorithm>

namespace trelon {

namespace {

// The pixel of surface at p, or -1 when it cannot be read.
int pixelAt(Surface* surface, QPoint p) {
    if (surface == nullptr || !surface->rect().contains(p)) {
        return -1;
    }
    SurfaceLock access;
    if (!succeeded(surface->lock(access))) {
        return -1;
    }
    const int value = access.bits[p.y() * access.pitch + p.x()];
    surface->unlock(QRect());
    return value;
}

std::int16_t otherFigure(std::int16_t figure) {
    return figure == FigureBlue ? FigureRed : FigureBlue;
}

} // namespace

Procedure::Procedure(ProcedureKind kind, RunServices& frame, SharedState& state,
                     const PlatformSeams& seams, ProcedureTraits traits)
    : kind_(kind), frame_(frame), state_(state), seams_(seams), traits_(traits),
      clock_(seams.timers.createTimer("Timer2", 1000)) {
    clock_->setCallback([this] { clockTick(); });
}

Procedure::~Procedure() = default;

void Procedure::start() {
    frame_.BuildScene();
}

void Procedure::click() {
    endFlickerByClick();
}

void Procedure::mouseMove(int x, int y) {
    followPointer(x, y);
}

void Procedure::endFlickerByClick() {
    frame_.stopFlickerClock();
    FlickerPeriodMs(state_.session) = 0;
}

void Procedure::followPointer(int x, int y) {
    followPointer(x, y, [this](FigureMove move) { moveNearEdge(move); });
}

void Procedure::followPointer(int x, int y, const std::function<void(FigureMove)>& moveBy) {
    RunState& run = state_.run;
    if (run.ActiveFigure == FigureNone) {
        return;
    }
    FigureMove move{x - run.LastCursor.X, y - run.LastCursor.Y};
    if (move.dx == 0 && move.dy == 0) {
        return;
    }
    if (state_.settings.ScorostMouse) {
        move = {limitMouseDelta(move.dx), limitMouseDelta(move.dy)};
    }
    moveBy(move);
    run.LastCursor = {x, y};
    frame_.recentreCursor(x, y, traits_.recentringTopMargin);
}

void Procedure::moveNearEdge(FigureMove move) {
    const RunState& run = runState();
    move.dy =
        clampVerticalNearEdge(move.dy, run.RedRect, frame_.screenSize().height(), run.EdgeMargin);
    frame_.MoveFigure(move.dx, move.dy);
}

RunState& Procedure::runState() {
    return state_.run;
}

const RunState& Procedure::runState() const {
    return state_.run;
}

SessionParams& Procedure::session() {
    return state_.session;
}

const SessionParams& Procedure::session() const {
    return state_.session;
}

QSize Procedure::client() const {
    const DisplayObjects& display = state_.display;
    return display.DisplayDevice ? display.DisplayDevice->screenSize() : QSize();
}

QPoint Procedure::centre() const {
    const QSize size = client();
    return QPoint(size.width() / 2, size.height() / 2);
}

PlaceResult Procedure::place(int mode, ColourWord colour, const QString& name) {
    const PlaceResult result = PlaceFigure(state_, mode, colour, name, state_.settings.MmPerPixel,
                                           traits_.figureAtObjectWidth);
    if (result == PlaceResult::NoPicture) {
        seams_.dialogs.information(QStringLiteral("Не удалось загрузить рисунок ") + name);
    }
    return result;
}

Surface* Procedure::clearedPrimary() {
    Surface* screen = state_.display.PrimarySurface.get();
    if (screen != nullptr) {
        screen->fill(static_cast<std::uint8_t>(state_.indices.IndexFon));
    }
    return screen;
}

void Procedure::showScene() {
    DisplayObjects& display = state_.display;
    if (display.PrimarySurface && display.SceneSurface) {
        display.PrimarySurface->bltFast(0, 0, *display.SceneSurface);
    }
}

void Procedure::surfaceAccessError() {
    frame_.ShowDisplayError(
        QStringLiteral("Ошибка получения доступа к поверхности для результата"));
}

void Procedure::takeStartSnapshot() {
    RunState& run = state_.run;
    run.StartSnapshot = {
        static_cast<std::int16_t>(run.BlueRect.Left), static_cast<std::int16_t>(run.RedRect.Left),
        static_cast<std::int16_t>(run.RedRect.Top), static_cast<std::int16_t>(run.BlueRect.Top)};
}

void Procedure::parkHiddenCursor(QPoint p) {
    state_.run.LastCursor = {p.x(), p.y()};
    seams_.cursor.setPosition(p);
    seams_.cursor.hide();
}

void Procedure::composeFusionObjectScene() {
    RunState& run = state_.run;
    SceneState& scene = state_.scene;
    const SessionParams& session = state_.session;
    const int item =
        std::clamp(session.TrenFuzObjItem, 0, static_cast<int>(kFusionTrainingPictures.size()) - 1);
    const ObjectPicture& object = kFusionTrainingPictures[static_cast<std::size_t>(item)];
    scene.FigureScale = state_.settings.PictureFactors[static_cast<std::size_t>(object.factor)] *
                        (session.SizeScotomaItem == 1 ? kSmallSize : 1.0);
    run.EdgeMargin = 2;
    if (place(PlaceCommon, state_.roles.ColorAll, QLatin1String(object.file)) !=
        PlaceResult::Placed) {
        clearedPrimary();
        return;
    }
    showScene();
    const QPoint c = centre();
    const int halfWidth = roundPixels(scene.PictureWidth * scene.FigureScale / 2);
    const int halfHeight = roundPixels(scene.PictureHeight * scene.FigureScale / 2);
    run.BlueRect =
        figureBox(QRect(c.x() - halfWidth, c.y() - halfHeight, 2 * halfWidth, 2 * halfHeight));
    run.RedRect = run.BlueRect;
    run.ActiveFigure = FigureRed;
    takeStartSnapshot();
    parkHiddenCursor(c);
}

ProcedureTraits Procedure::fusionTrainingTraits() {
    ProcedureTraits traits;
    traits.move.flickerDecides = true;
    traits.clickAfterResultCloses = true;
    return traits;
}

void Procedure::moveFigureNo(std::int16_t figure, int dx, int dy) {
    state_.run.ActiveFigure = figure;
    frame_.MoveFigure(dx, dy);
}

void Procedure::pickOrDropFigure(bool touches, bool fromFullScene) {
    RunState& run = state_.run;
    const PaletteIndices& indices = state_.indices;
    const QPoint at = seams_.cursor.position();
    if (run.ActiveFigure != FigureNone) {
        run.ActiveFigure = FigureNone;
        run.LastCursor = {at.x(), at.y()};
        seams_.cursor.setProgramCursor();
        return;
    }
    const int pixel =
        pixelAt(fromFullScene ? state_.display.AuxSurface.get() : frame_.primary(), at);
    if (pixel == indices.IndexRed || pixel == indices.IndexBlue) {
        run.ActiveFigure = pixel == indices.IndexRed ? FigureRed : FigureBlue;
        run.FigurePicked = true;
        if (touches) {
            run.Touched = true;
        }
    }
    if (run.ActiveFigure != FigureNone) {
        seams_.cursor.hide();
    } else {
        seams_.cursor.setProgramCursor();
    }
    run.LastCursor = {at.x(), at.y()};
}

void Procedure::moveKeepingMargins(FigureMove move, bool otherFigureCloses) {
    RunState& run = state_.run;
    const QSize client = frame_.screenSize();
    frame_.ToggleFlickerIfDue();
    const FigureRect& box = run.ActiveFigure == FigureBlue ? run.BlueRect : run.RedRect;
    const EdgeHit hit = mouseMoveHitsMargin(box, move, run.EdgeMargin, client);
    if (hit.any()) {
        // At a margin the two pictures can still close up: the other figure moves the
        // opposite way.
        if (otherFigureCloses) {
            const FigureMove opposite{hit.horizontal ? -move.dx : 0, hit.vertical ? -move.dy : 0};
            const std::int16_t held = run.ActiveFigure;
            const std::int16_t other = otherFigure(held);
            const FigureRect& otherBox = other == FigureBlue ? run.BlueRect : run.RedRect;
            if (!mouseMoveHitsMargin(otherBox, opposite, run.EdgeMargin, client).any()) {
                moveFigureNo(other, opposite.dx, opposite.dy);
            }
            run.ActiveFigure = held;
        }
        return;
    }
    if (FlickerPeriodMs(state_.session) == 0 || run.FlickerOn) {
        frame_.MoveFigure(move.dx, move.dy);
    }
}

} // namespace trelon
