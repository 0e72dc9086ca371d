#include "procedures/diagnostics/DiagFuzia.h"

#include "display/Surface.h"
#include "platform/Cursor.h"
#include "state/SharedState.h"
#include "stimulus/InputRules.h"
#include "stimulus/PictureFiles.h"
#include "stimulus/SceneConversions.h"

#include <algorithm>
#include <cstdlib>

namespace trelon {

namespace {

constexpr int kFuziaMargin = 2;

ProcedureTraits diagFuziaTraits() {
    ProcedureTraits traits;
    traits.clickAfterResultCloses = true;
    traits.figureAtObjectWidth = true;
    return traits;
}

} // namespace

DiagFuzia::DiagFuzia(ProcedureKind kind, RunServices& frame, SharedState& state,
                     const PlatformSeams& seams)
    : Procedure(kind, frame, state, seams, diagFuziaTraits()) {}

void DiagFuzia::start() {
    seams().cursor.hide();
    frame().BuildScene();
}

void DiagFuzia::composeScene() {
    RunState& run = runState();
    SceneState& scene = state().scene;
    const SessionParams& session = this->session();
    const RoleColours& roles = state().roles;
    const QPoint c = centre();
    const int item =
        std::clamp(session.ObjFuzItem, 0, static_cast<int>(kDiagFuziaPictures.size()) - 1);
    const QString name = QLatin1String(kDiagFuziaPictures[item]);
    run.EdgeMargin = kFuziaMargin;

    const int variant = session.ObjectNumber;
    if (variant == 1 || variant == 2) {
        scene.FigureOffsetX = 0;
        if (place(PlaceSplit, roles.ColorAll, name) != PlaceResult::Placed) {
            clearedPrimary();
            return;
        }
        showScene();
        const int sw = scaledLength(scene.PictureWidth, scene.FigureScale);
        const int sh = scaledLength(scene.PictureHeight, scene.FigureScale);
        // The picture's box widened by a pixel on every side.
        const int left = c.x() - roundPixels(scene.PictureWidth * scene.FigureScale / 2) - 1;
        const int top = c.y() - roundPixels(scene.PictureHeight * scene.FigureScale / 2) - 1;
        run.BlueRect = figureBox(QRect(left, top, sw + 1, sh + 1));
        run.RedRect = run.BlueRect;
        run.ActiveFigure = FigureBlue;
        run.LastCursor = {c.x(), c.y()};
        seams().cursor.setPosition(c);
        return;
    }
    if (variant != 3 && variant != 4) {
        clearedPrimary();
        return;
    }

    // The eye images start at opposite edges. The red image's offset is negated by
    // PlaceFigure, so both calls give the blue image's edge.
    const bool blueRight = (variant == 3 && session.FilterPosition == 1) ||
                           (variant == 4 && session.FilterPosition == 2);
    const std::int32_t blueEdge = blueRight ? kOffsetRightEdge : kOffsetLeftEdge;
    scene.FigureOffsetX = blueEdge;
    if (place(PlaceBlueOnly, roles.ColorBlue, name) != PlaceResult::Placed) {
        clearedPrimary();
        return;
    }
    scene.FigureOffsetX = blueEdge;
    if (place(PlaceRedOver, roles.ColorRed, name) != PlaceResult::Placed) {
        clearedPrimary();
        return;
    }
    showScene();
    const int sw = scaledLength(scene.PictureWidth, scene.FigureScale);
    const int sh = scaledLength(scene.PictureHeight, scene.FigureScale);
    const int top = c.y() - sh / 2;
    const int leftEdge = run.EdgeMargin;
    const int rightEdge = 2 * c.x() - run.EdgeMargin - sw;
    run.BlueRect = figureBox(QRect(blueRight ? rightEdge : leftEdge, top, sw, sh));
    run.RedRect = figureBox(QRect(blueRight ? leftEdge : rightEdge, top, sw, sh));
    run.ActiveFigure = FigureBlue;
    seams().cursor.setPosition(c);
}

void DiagFuzia::homeKey() {
    frame().RestartStep();
}

void DiagFuzia::enterKey() {
    frame().CaptureResult();
}

void DiagFuzia::arrowKey(int key, bool shift) {
    RunState& run = runState();
    const SessionParams& session = this->session();
    const int variant = session.ObjectNumber;
    const int h = fusionDirection(variant, session.FilterPosition);
    const int width = frame().screenSize().width();

    if (variant == 1 || variant == 2) {
        if (key != Qt::Key_Up) {
            return;
        }
        // Both figures move apart (or together) by the step: the disparity grows by two steps.
        const int step = shift ? 5 : 1;
        if (fusionMoveBlocked(run.BlueRect, h * step, step, run.EdgeMargin, width) ||
            fusionMoveBlocked(run.RedRect, -h * step, step, run.EdgeMargin, width)) {
            return;
        }
        moveFigureNo(FigureRed, -h * step, 0);
        moveFigureNo(FigureBlue, h * step, 0);
        return;
    }
    if ((variant != 3 && variant != 4) || key != Qt::Key_Down) {
        return;
    }
    // The images have crossed: the press answers instead of moving.
    if (fusionImagesCrossed(variant, session.FilterPosition, run.BlueRect, run.RedRect)) {
        frame().CaptureResult();
        return;
    }
    // The figures move in turn; ActiveFigure is the one that moved last.
    const int step = shift ? 10 : 2;
    const int gap = std::abs(run.RedRect.Right - run.BlueRect.Right);
    const int edgeStep = gap < 2 * step ? 1 : step;
    const bool redMoves = run.ActiveFigure == FigureBlue;
    const int dx = redMoves ? -h * step : h * step;
    const FigureRect& box = redMoves ? run.RedRect : run.BlueRect;
    if (fusionMoveBlocked(box, dx, edgeStep, run.EdgeMargin, width)) {
        return;
    }
    moveFigureNo(redMoves ? FigureRed : FigureBlue, dx, 0);
}

void DiagFuzia::mouseDown(Qt::MouseButton /*button*/, int /*x*/, int /*y*/) {
    frame().CaptureResult();
}

CapturedValues DiagFuzia::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    return {fusionValues(at, scale, session())};
}

} // namespace trelon
