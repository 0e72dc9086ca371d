// Result capture in the stimulus window: the steps every answer shares around the values of
// the procedure (drawing the lines, appending the record, the sound).
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "procedures/Procedure.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "results/ResultsFile.h"
#include "results/SessionDate.h"
#include "state/SharedState.h"
#include "stimulus/FeedbackSound.h"

namespace trelon {

namespace {

constexpr int kResultLineX = 20;

} // namespace

void StimulusRun::CaptureResult() {
    Procedure& procedure = this->procedure();
    // Answers that cannot be stored leave the run as it is.
    if (!procedure.prepareCapture()) {
        return;
    }
    SessionParams& session = state_.session;
    RunState& run = state_.run;
    const QSize client = screenSize();

    run.ResultShown = true;
    session.ContrastLevel = state_.ContrastLevel;
    session.SessionDate = SessionDateFromDate(seams_.clock.today());
    run.ActiveFigure = FigureNone;

    const DegreeScale scale{state_.settings.MmPerPixel, state_.settings.MmPerDegree,
                            session.DistanceCm};
    const CaptureGeometry at{run.BlueRect, run.RedRect, run.StartSnapshot, Offset{}, client};
    const CapturedValues captured = procedure.captureValues(at, scale);

    for (const ResultLine& line : captured.lines) {
        ShowCaptionText(line.text, kResultLineX, client.height() - line.aboveBottom);
    }
    if (captured.recordComplete && !session.PatientName.isEmpty() && !appendSessionRecord()) {
        return; // the values stay on the screen; no result sound for a lost record
    }
    PlayFeedbackSound(state_, seams_.sound, captured.sound);
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
