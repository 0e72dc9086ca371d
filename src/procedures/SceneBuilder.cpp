#include "procedures/SceneBuilder.h"

#include "display/DisplayDevice.h"
#include "platform/Cursor.h"
#include "platform/Dialogs.h"
#include "procedures/StimulusRun.h"
#include "state/ProcedureKind.h"
#include "state/SharedState.h"
#include "stimulus/PlaceFigure.h"

namespace trelon {

SceneBuilder::SceneBuilder(SharedState& state, const PlatformSeams& seams, StimulusRun& window)
    : state_(state), seams_(seams), window_(window) {}

void SceneBuilder::BuildScene() {
    if (!beginScene()) {
        return;
    }
    switch (procedureKindOf(state_.session)) {
    case ProcedureKind::DiagCvetotest:
        DiagCvetotestScene();
        break;
    case ProcedureKind::DiagKosogl:
        DiagKosoglScene();
        break;
    case ProcedureKind::DiagScotoma:
        DiagScotomaScene();
        break;
    case ProcedureKind::DiagFuzia:
        DiagFuziaScene();
        break;
    case ProcedureKind::TrenScotoma:
    case ProcedureKind::TrenKosogl:
    case ProcedureKind::TrenBifics:
    case ProcedureKind::TrenCvetotest:
        trainingScene();
        break;
    case ProcedureKind::None:
        break;
    }
}

bool SceneBuilder::beginScene() {
    RunState& run = state_.run;
    run.ResultShown = false;
    run.FigurePicked = false;
    run.Touched = false;
    run.TargetReached = false;
    run.NewGround = false;
    run.MouseArmed = false;
    // No figure of the previous picture may be moved before the new one says which.
    run.ActiveFigure = FigureNone;
    state_.scene.FigureScale = 1.0;
    state_.scene.FigureOffsetX = 0;
    state_.scene.FigureOffsetY = 0;
    seams_.cursor.releaseClip();

    DisplayObjects& display = state_.display;
    display.SceneSurface.reset();
    if (!display.DisplayDevice) {
        return false;
    }
    const QSize size = client();
    if (!succeeded(display.DisplayDevice->createOffscreenSurface(size.width(), size.height(),
                                                                 display.SceneSurface))) {
        return false;
    }
    display.SceneSurface->fill(static_cast<std::uint8_t>(state_.indices.IndexFon));
    return true;
}

PlaceResult SceneBuilder::place(int mode, ColourWord colour, const QString& name) {
    const PlaceResult result = PlaceFigure(state_, mode, colour, name, state_.settings.MmPerPixel);
    if (result == PlaceResult::NoPicture) {
        seams_.dialogs.information(QStringLiteral("Не удалось загрузить рисунок ") + name);
    }
    return result;
}

QSize SceneBuilder::client() const {
    const DisplayObjects& display = state_.display;
    return display.DisplayDevice ? display.DisplayDevice->screenSize() : QSize();
}

QPoint SceneBuilder::centre() const {
    const QSize size = client();
    return QPoint(size.width() / 2, size.height() / 2);
}

Surface* SceneBuilder::clearedPrimary() {
    Surface* screen = state_.display.PrimarySurface.get();
    if (screen != nullptr) {
        screen->fill(static_cast<std::uint8_t>(state_.indices.IndexFon));
    }
    return screen;
}

void SceneBuilder::showScene() {
    DisplayObjects& display = state_.display;
    if (display.PrimarySurface && display.SceneSurface) {
        display.PrimarySurface->bltFast(0, 0, *display.SceneSurface);
    }
}

void SceneBuilder::surfaceAccessError() {
    window_.ShowDisplayError(
        QStringLiteral("Ошибка получения доступа к поверхности для результата"));
}

void SceneBuilder::takeStartSnapshot() {
    RunState& run = state_.run;
    run.StartSnapshot = {
        static_cast<std::int16_t>(run.BlueRect.Left), static_cast<std::int16_t>(run.RedRect.Left),
        static_cast<std::int16_t>(run.RedRect.Top), static_cast<std::int16_t>(run.BlueRect.Top)};
}

void SceneBuilder::parkHiddenCursor(QPoint p) {
    state_.run.LastCursor = {p.x(), p.y()};
    seams_.cursor.setPosition(p);
    seams_.cursor.hide();
}

} // namespace trelon
