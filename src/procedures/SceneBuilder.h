#pragma once
// The first picture of each run in the stimulus window: BuildScene's common frame, then the
// scene of the procedure, which leaves the figures' boxes, the active figure and the cursor
// for the procedure rules to move them.
//
// Scenes are composed with PlaceFigure on SceneSurface and copied to the screen, or drawn
// with the role colour words on the screen's device context.
#include "platform/PlatformSeams.h"
#include "state/RoleColours.h"
#include "stimulus/PlaceFigure.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace trelon {

class StimulusRun;
class Surface;
struct SharedState;

class SceneBuilder {
public:
    // window gives the display operations scenes use (error boxes, the polygon surface,
    // TimerMove).
    SceneBuilder(SharedState& state, const PlatformSeams& seams, StimulusRun& window);

    // The common frame, then the scene of the session's procedure.
    void BuildScene();

private:
    // Clears the run's per-step flags and the figure placement, releases the cursor and
    // makes SceneSurface anew, filled with the background. False when it cannot be made.
    bool beginScene();

    void DiagCvetotestScene();
    void DiagKosoglScene();
    void kosoglScaleScene();
    void kosoglPictureScene();
    void DiagScotomaScene();
    void DiagFuziaScene();
    // The trainings' scenes are built separately; until then their runs start from the
    // plain background.
    void trainingScene() {}

    // PlaceFigure at the run's millimetres per pixel. A picture that does not load is told
    // to the operator; a surface that cannot be made is not.
    PlaceResult place(int mode, ColourWord colour, const QString& name);

    QSize client() const;
    QPoint centre() const;
    // The screen filled with the background; null when there is none.
    Surface* clearedPrimary();
    // SceneSurface copied whole to the screen.
    void showScene();
    // "Ошибка получения доступа к поверхности для результата".
    void surfaceAccessError();
    // StartSnapshot := the figures' boxes as they are now.
    void takeStartSnapshot();
    // Puts the pointer at p, remembered as the last cursor position, and hides it.
    void parkHiddenCursor(QPoint p);

    SharedState& state_;
    PlatformSeams seams_;
    StimulusRun& window_;
};

} // namespace trelon
