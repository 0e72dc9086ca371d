// The angle measurement: a tangent scale for one eye with a red arrow for the other, or a
// picture whose red and blue parts are seen one by each eye.
#include "config/Settings.h"
#include "display/Canvas.h"
#include "display/Surface.h"
#include "platform/Cursor.h"
#include "platform/Dialogs.h"
#include "procedures/SceneBuilder.h"
#include "state/SharedState.h"
#include "stimulus/PictureFiles.h"
#include "stimulus/PlaceFigure.h"
#include "stimulus/SceneConversions.h"

#include <algorithm>
#include <memory>

namespace trelon {

namespace {

constexpr int kScaleObject = 1;
constexpr int kKosoglMargin = 2;
constexpr int kTickThickness = 6;
// The smaller of the two sizes of the set-up screen's "Размер".
constexpr double kSmallSize = 0.75;

} // namespace

void SceneBuilder::DiagKosoglScene() {
    state_.run.EdgeMargin = kKosoglMargin;
    if (state_.session.ObjectNumber == kScaleObject) {
        kosoglScaleScene();
    } else {
        kosoglPictureScene();
    }
}

void SceneBuilder::kosoglScaleScene() {
    RunState& run = state_.run;
    const QSize size = client();
    const QPoint c = centre();
    // A nonsensical calibration could give less than a pixel per degree.
    const int ppd = std::max(1, pixelsPerDegree(state_.settings));

    Surface* screen = clearedPrimary();
    std::unique_ptr<Canvas> canvas;
    if (screen == nullptr || !succeeded(screen->getCanvas(canvas))) {
        surfaceAccessError();
        return;
    }
    canvas->setPen(state_.roles.ColorBlue, 0);
    canvas->setBrush(state_.roles.ColorBlue);
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

    if (place(PlaceSplit, state_.roles.ColorRed, arrowName) != PlaceResult::Placed) {
        return;
    }
    // The arrow lies centred on the scene; its box goes to the anchor, which centres it
    // on the long tick.
    const SceneState& scene = state_.scene;
    const int pw = scene.PictureWidth;
    const int ph = scene.PictureHeight;
    const QRect source(size.width() / 2 - pw / 2, size.height() / 2 - ph / 2, pw, ph);
    const QPoint at =
        run.VerticalPhase ? arrowAnchor - QPoint(0, ph / 2) : arrowAnchor - QPoint(pw / 2, 0);
    screen->bltFast(at.x(), at.y(), *state_.display.SceneSurface, source);

    run.RedRect = figureBox(QRect(at, source.size()));
    takeStartSnapshot();
    parkHiddenCursor(c);
    run.ActiveFigure = FigureRed;
}

void SceneBuilder::kosoglPictureScene() {
    RunState& run = state_.run;
    SceneState& scene = state_.scene;
    const int index = state_.session.ObjectNumber - 2;
    if (index < 0 || index >= static_cast<int>(kDiagKosoglPictures.size())) {
        clearedPrimary();
        return;
    }
    const ObjectPicture& object = kDiagKosoglPictures[index];
    const double factor =
        object.factor == kFixedSize ? 1.0 : state_.settings.PictureFactors[object.factor];
    scene.FigureScale = factor * (state_.session.SizeScotomaItem == 1 ? kSmallSize : 1.0);
    const PlaceResult placed = place(PlaceSplit, state_.roles.ColorRed, QLatin1String(object.file));
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
        seams_.dialogs.information(
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
    seams_.cursor.setPosition(c);
    run.ActiveFigure = FigureNone;
    seams_.cursor.setProgramCursor();
}

} // namespace trelon
