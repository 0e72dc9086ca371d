// The scotoma test: blue rings around the fixation point for one eye, a red arrow at the
// edge of the screen pointing at the centre for the other.
#include "display/Canvas.h"
#include "display/Surface.h"
#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "procedures/SceneBuilder.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"
#include "stimulus/PlaceFigure.h"
#include "stimulus/SceneConversions.h"
#include "stimulus/ScotomaArrow.h"

#include <memory>
#include <vector>

namespace trelon {

namespace {

constexpr int kRingPen = 3;

} // namespace

void SceneBuilder::DiagScotomaScene() {
    RunState& run = state_.run;
    const Settings& settings = state_.settings;
    const QSize size = client();
    const QPoint c = centre();
    const ArrowSizes sizes = scotomaArrowSizes(settings);
    run.EdgeMargin = scotomaArrowMargin(run.StepNo);

    Surface* screen = clearedPrimary();
    std::unique_ptr<Canvas> canvas;
    if (screen == nullptr || !succeeded(screen->getCanvas(canvas))) {
        surfaceAccessError();
        return;
    }
    // Rings half a degree wide, two degrees apart, as many as fit above the arrow's length;
    // each disc filled with the background, outermost first.
    const int a = roundPixels(settings.MmPerDegree / settings.MmPerPixel / 2);
    const int room = size.height() - sizes.length - 20;
    std::vector<int> radii = {a};
    for (int k : {21, 17, 13}) {
        if (room >= 2 * k * a) {
            radii.push_back(k * a);
        }
    }
    radii.insert(radii.end(), {9 * a, 5 * a, a});
    canvas->setPen(state_.roles.ColorBlue, kRingPen);
    canvas->setBrush(state_.roles.ColorFon);
    for (int r : radii) {
        canvas->ellipse(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
    }
    canvas.reset();

    const ScotomaArrow arrow = scotomaArrow(run.StepNo, sizes, size);
    if (!arrow.box.isEmpty() && window_.DrawPolygonSurface(arrow.points, state_.roles.ColorRed,
                                                           arrow.box.width(), arrow.box.height())) {
        screen->bltFast(arrow.box.left(), arrow.box.top(), *state_.display.AuxSurface);
    }
    run.RedRect = arrow.box.isEmpty() ? kEmptyFigureRect : figureBox(arrow.box);
    run.BlueRect = run.RedRect;
    run.ActiveFigure = FigureNone;
    parkHiddenCursor(arrow.box.topLeft());
    // The arrow becomes movable 100 ms later, so the pointer's jump moves nothing.
    run.SavedActiveFigure = FigureRed;
    window_.TimerMove().start();
}

} // namespace trelon
