// The fusion reserves: one object seen by both eyes at the centre (variants 1 and 2), or
// its two eye images at opposite screen edges (variants 3 and 4), sized to a fixed angle.
#include "display/Surface.h"
#include "platform/Cursor.h"
#include "procedures/SceneBuilder.h"
#include "state/SharedState.h"
#include "stimulus/PictureFiles.h"
#include "stimulus/PlaceFigure.h"
#include "stimulus/SceneConversions.h"

#include <algorithm>

namespace trelon {

namespace {

constexpr int kFuziaMargin = 2;

} // namespace

void SceneBuilder::DiagFuziaScene() {
    RunState& run = state_.run;
    SceneState& scene = state_.scene;
    const SessionParams& session = state_.session;
    const RoleColours& roles = state_.roles;
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
        seams_.cursor.setPosition(c);
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
    seams_.cursor.setPosition(c);
}

} // namespace trelon
