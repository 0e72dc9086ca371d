#include "procedures/diagnostics/DiagKosogl.h"

#include "config/Settings.h"
#include "display/Canvas.h"
#include "display/Surface.h"
#include "platform/Cursor.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"
#include "stimulus/FigureSizes.h"
#include "stimulus/InputRules.h"
#include "stimulus/PictureFiles.h"
#include "stimulus/SceneConversions.h"

#include <algorithm>
#include <memory>

namespace trelon {

namespace {

constexpr int kTickThickness = 6;

// The scale has one figure, moved on the screen itself: Alt moves no other one, and a shown
// result waits for Enter.
ProcedureTraits diagKosoglTraits(const SessionParams& session) {
    const bool picture = session.ObjectNumber != kAngleScaleObject;
    ProcedureTraits traits;
    traits.move.composeOnScreen = !picture;
    traits.altMovesOtherFigure = picture;
    traits.clickAfterResultCloses = picture;
    traits.recentringTopMargin = 36;
    return traits;
}

} // namespace

DiagKosogl::DiagKosogl(ProcedureKind kind, RunServices& frame, SharedState& state,
                       const PlatformSeams& seams)
    : Procedure(kind, frame, state, seams, diagKosoglTraits(state.session)) {}

bool DiagKosogl::isScale() const {
    return session().ObjectNumber == kAngleScaleObject;
}

void DiagKosogl::composeScene() {
    runState().EdgeMargin = kKosoglMargin;
    if (isScale()) {
        scaleScene();
    } else {
        pictureScene();
    }
}

void DiagKosogl::scaleScene() {
    RunState& run = runState();
    const QSize size = client();
    const QPoint c = centre();
    // A nonsensical calibration could give less than a pixel per degree.
    const int ppd = std::max(1, pixelsPerDegree(state().settings));

    Surface* screen = clearedPrimary();
    std::unique_ptr<Canvas> canvas;
    if (screen == nullptr || !succeeded(screen->getCanvas(canvas))) {
        surfaceAccessError();
        return;
    }
    canvas->setPen(state().roles.ColorBlue, 0);
    canvas->setBrush(state().roles.ColorBlue);
    // Ticks one degree apart; the one at the middle is twice as long and the arrow is aimed
    // at its end.
    QString arrowName;
    QPoint arrowAnchor; // the arrow's top-left before its own size is known
    if (!run.VerticalPhase) {
        const int t = roundPixels(2.0 * c.y() / 3) - 20;
        canvas->rectangle(0, t, 2 * c.x() - 1, t + ppd);
        const int n = size.width() / (2 * ppd);
        for (int j = 1; j <= size.width() / ppd - 1; ++j) {
            const int x = ppd * j + ppd / 2;
            const int length = j == n ? 2 * ppd : ppd;
            canvas->rectangle(x, t + ppd, x + kTickThickness, t + ppd + length);
        }
        arrowName = QLatin1String(kHorizontalScaleArrow);
        arrowAnchor = QPoint(ppd * n + ppd / 2 + 3, t + 3 * ppd);
    } else {
        const int u = c.x() - 3 * ppd - 40;
        canvas->rectangle(u, 0, u + ppd, size.height());
        const int n = size.height() / (2 * ppd);
        for (int j = 1; j <= size.height() / ppd; ++j) {
            const int y = ppd * j + 7;
            const int right = j == n ? c.x() - 40 : u + 2 * ppd;
            canvas->rectangle(u + ppd, y, right, y + kTickThickness);
        }
        arrowName = QLatin1String(kVerticalScaleArrow);
        arrowAnchor = QPoint(c.x() - 40, ppd * n + 7 + 3);
    }
    canvas.reset();

    if (place(PlaceSplit, state().roles.ColorRed, arrowName) != PlaceResult::Placed) {
        return;
    }
    // The arrow lies centred on the scene; its box goes to the anchor, which centres it
    // on the long tick.
    const SceneState& scene = state().scene;
    const int pw = scene.PictureWidth;
    const int ph = scene.PictureHeight;
    const QRect source(size.width() / 2 - pw / 2, size.height() / 2 - ph / 2, pw, ph);
    const QPoint at =
        run.VerticalPhase ? arrowAnchor - QPoint(0, ph / 2) : arrowAnchor - QPoint(pw / 2, 0);
    screen->bltFast(at.x(), at.y(), *state().display.SceneSurface, source);

    run.RedRect = figureBox(QRect(at, source.size()));
    takeStartSnapshot();
    parkHiddenCursor(c);
    run.ActiveFigure = FigureRed;
}

void DiagKosogl::pictureScene() {
    RunState& run = runState();
    SceneState& scene = state().scene;
    const int index = session().ObjectNumber - kAngleScaleObject - 1;
    if (index < 0 || index >= static_cast<int>(kDiagKosoglPictures.size())) {
        clearedPrimary();
        return;
    }
    const ObjectPicture& object = kDiagKosoglPictures[index];
    const double factor =
        object.factor == kFixedSize ? 1.0 : state().settings.PictureFactors[object.factor];
    scene.FigureScale = factor * (session().SizeScotomaItem == 1 ? kSmallSize : 1.0);
    const PlaceResult placed =
        place(PlaceSplit, state().roles.ColorRed, QLatin1String(object.file));
    const QPoint c = centre();
    if (placed == PlaceResult::NoPicture) {
        clearedPrimary();
        return;
    }
    if (c.y() < scene.PictureHeight * scene.FigureScale) {
        // Taller than half the screen: no figure.
        run.RedRect = kEmptyFigureRect;
        run.BlueRect = kEmptyFigureRect;
        clearedPrimary();
        seams().dialogs.information(
            QStringLiteral("Слишком большой размер рисунка. Исправьте - Ctrl+Shift+F3."));
        return;
    }
    if (placed != PlaceResult::Placed) {
        clearedPrimary();
        return;
    }
    showScene();
    takeStartSnapshot();
    run.LastCursor = {c.x(), c.y()};
    seams().cursor.setPosition(c);
    run.ActiveFigure = FigureNone;
    seams().cursor.setProgramCursor();
}

void DiagKosogl::enterKey() {
    answer();
}

void DiagKosogl::arrowKey(int key, bool shift) {
    const FigureMove move = arrowMove(key, arrowStep(key, shift));
    frame().MoveFigure(move.dx, move.dy);
}

void DiagKosogl::mouseDown(Qt::MouseButton button, int /*x*/, int /*y*/) {
    const RunState& run = runState();
    // A picked figure, or a right click, answers; the first left click on a figure only picks
    // it (click()). The scale answers at once.
    if (isScale() || run.ActiveFigure != FigureNone || run.Touched || button == Qt::RightButton) {
        answer();
    }
}

void DiagKosogl::click() {
    endFlickerByClick();
    if (runState().Touched || isScale()) {
        return;
    }
    pickOrDropFigure(true);
}

void DiagKosogl::mouseMove(int x, int y) {
    followPointer(x, y, [this](FigureMove move) {
        if (isScale()) {
            move = keepScaleAxis(move, runState().VerticalPhase);
        }
        // The scale has no second figure to move.
        moveKeepingMargins(move, !isScale());
    });
}

FigureMove DiagKosogl::clampMove(FigureMove move) {
    return isScale() ? keepScaleAxis(move, runState().VerticalPhase) : move;
}

void DiagKosogl::answer() {
    RunState& run = runState();
    DisplayObjects& display = state().display;
    if (run.VerticalPhase && run.ResultShown) {
        // The horizontal value is on the screen: the vertical measurement starts.
        display.AuxSurface.reset();
        frame().BuildScene();
        return;
    }
    if (run.ResultShown) {
        frame().CloseWindow();
        return;
    }
    frame().CaptureResult();
    display.AuxSurface.reset();
}

CapturedValues DiagKosogl::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    CapturedValues captured;
    if (isScale()) {
        // Horizontal first, then vertical; one record holds both.
        RunState& run = runState();
        captured.recordComplete = run.VerticalPhase;
        captured.lines = kosoglScaleValues(at, scale, run.VerticalPhase, session());
        run.VerticalPhase = !run.VerticalPhase;
    } else {
        captured.lines = kosoglPictureValues(at, scale, session());
    }
    return captured;
}

} // namespace trelon
