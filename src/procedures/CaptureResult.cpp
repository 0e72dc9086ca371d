// Result capture in the stimulus window: the side effects around the computations of
// ResultCapture.h (drawing the lines, the scotoma map, appending the record, the sound).
#include "display/Surface.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "procedures/ResultCapture.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "results/ResultsFile.h"
#include "results/SessionDate.h"
#include "state/ProcedureKind.h"
#include "state/SharedState.h"
#include "stimulus/FeedbackSound.h"

#include <optional>

namespace trelon {

namespace {

constexpr int kResultLineX = 20;
constexpr int kScaleVariant = 1; // DiagKosogl object "Шкала"
constexpr int kFlickerWholePicture = 3;

} // namespace

void StimulusRun::CaptureResult() {
    SessionParams& session = state_.session;
    RunState& run = state_.run;
    const ProcedureKind procedure = procedureKindOf(session);
    const QSize client = screenSize();

    // Answers that cannot be stored leave the run as it is.
    int colourField = 0;
    std::optional<QString> visionText;
    switch (procedure) {
    case ProcedureKind::None:
        return;
    case ProcedureKind::DiagCvetotest:
        // Outside the seven fields there is no vision type to name.
        colourField = colourTestField(run.ClickX, client.width());
        visionText = colourTestVisionText(colourField, session.FilterPosition);
        if (!visionText) {
            return;
        }
        break;
    case ProcedureKind::DiagScotoma:
        if (run.StepNo < 1 || run.StepNo > 8) {
            return;
        }
        break;
    case ProcedureKind::TrenScotoma:
    case ProcedureKind::TrenKosogl:
        showWholeScene();
        break;
    default:
        break;
    }

    run.ResultShown = true;
    session.ContrastLevel = state_.ContrastLevel;
    session.SessionDate = SessionDateFromDate(seams_.clock.today());
    run.ActiveFigure = FigureNone;

    const DegreeScale scale{state_.settings.MmPerPixel, state_.settings.MmPerDegree,
                            session.DistanceCm};
    const CaptureGeometry at{run.BlueRect, run.RedRect, run.StartSnapshot, run.ReferenceOffset,
                             client};
    std::vector<ResultLine> lines;
    bool finished = true; // the run's record is complete and is appended now
    QString sound = QStringLiteral("Rez.wav");
    switch (procedure) {
    case ProcedureKind::DiagCvetotest:
        session.ValueX = colourField;
        lines = {{*visionText, kUpperResultLine}};
        break;
    case ProcedureKind::DiagKosogl:
        if (session.ObjectNumber == kScaleVariant) {
            // Horizontal first, then vertical; one record holds both.
            finished = run.VerticalPhase;
            lines = kosoglScaleValues(at, scale, run.VerticalPhase, session);
            run.VerticalPhase = !run.VerticalPhase;
        } else {
            lines = kosoglPictureValues(at, scale, session);
        }
        break;
    case ProcedureKind::DiagScotoma:
        scotomaDirectionValues(at, scale, run.StepNo, session);
        if (run.StepNo < 8) {
            finished = false;
            sound = QStringLiteral("1sec.wav");
        } else {
            DrawScotomaMap(scotomaOutline(session), client.height(), client.width());
            run.StepNo = 9;
        }
        break;
    case ProcedureKind::DiagFuzia:
        lines = fusionValues(at, scale, session);
        break;
    case ProcedureKind::TrenScotoma:
        lines = scotomaTrainingValues(at, scale, run.TargetReached, session);
        break;
    case ProcedureKind::TrenKosogl:
        lines = kosoglTrainingValues(at, scale, session);
        break;
    case ProcedureKind::TrenBifics:
        lines = bifixationValues(at, scale, session);
        break;
    case ProcedureKind::TrenCvetotest:
        lines = fusionTrainingValues(at, scale, session);
        break;
    case ProcedureKind::None:
        return;
    }

    for (const ResultLine& line : lines) {
        ShowCaptionText(line.text, kResultLineX, client.height() - line.aboveBottom);
    }
    if (finished && !session.PatientName.isEmpty() && !appendSessionRecord()) {
        return; // the values stay on the screen; no result sound for a lost record
    }
    PlayFeedbackSound(state_, seams_.sound, sound);
}

void StimulusRun::showWholeScene() {
    timerM_->stop();
    const DisplayObjects& display = state_.display;
    if (FlickerPeriodMs(state_.session) != 0) {
        const std::shared_ptr<Surface>& full = state_.session.FlickerVariant == kFlickerWholePicture
                                                   ? display.SceneSurface
                                                   : display.AuxSurface;
        Surface* screen = primary();
        // A failed copy leaves the last image; the values are still computed and stored.
        if (full && screen != nullptr) {
            screen->bltFast(0, 0, *full);
        }
    }
    state_.run.FlickerOn = true;
}

bool StimulusRun::appendSessionRecord() {
    const FileResult appended = AppendResult(state_.paths.ResultsFilePath, state_.session);
    if (appended.ok()) {
        return true;
    }
    seams_.dialogs.error(host_.caption(),
                         QStringLiteral("Результат не сохранён.\n") + appended.error);
    return false;
}

} // namespace trelon
