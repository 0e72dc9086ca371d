#pragma once
// The procedure set-up screen without its widgets: which controls the chosen procedure
// shows and where, the contrast swatches and picture previews drawn on the display, the
// flicker preview, and the start that copies every choice into the session parameters.
//
// The screen forwards its events to the handlers here and mirrors controls() into its
// widgets after each call; it runs its 200 ms timer (Timer1) while flickerPreviewRunning(),
// each tick calling blinkFlickerPreview().
#include "display/DisplayResult.h"
#include "results/ProcedureKind.h"
#include "setup/ProcedureSetupControls.h"

#include <QString>
#include <functional>

namespace trelon {

class Dialogs;
struct SetupRow;
struct SharedState;

// What the main window's patient boxes hold when the screen needs them.
struct PatientBoxes {
    QString surname; // the chosen patient's name; empty when none is chosen
    QString number;  // the number box
};

class ProcedureSetup {
public:
    ProcedureSetup(SharedState& state, Dialogs& dialogs);
    void setDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }
    // Makes the calibration screen's contrast choice equal to a level (item level - 1).
    void setCalibrationChoice(std::function<void(int level)> choose) {
        calibrationChoice_ = std::move(choose);
    }

    // Creation (FormCreate): lays the controls out on a screen of screenSize and frames the swatch
    // of the current contrast level.
    void layOut(QSize screenSize);
    // Activation (FormActivate): resets the controls and shows those of the session's procedure.
    void activate(const PatientBoxes& boxes);
    // The first paint after activation (FormPaint): palette, grey screen, swatches and the preview.
    // Does nothing while previewDrawn().
    void drawScreen();
    // A press on the screen itself (FormMouseDown, screen coordinates): the swatch choice.
    void chooseSwatchAt(int x, int y);
    void close(); // FormClose
    // Lost the application focus (ApplicationEvents1 OnDeactivate): releases the surfaces and sets
    // SessionAborted; the screen then closes.
    void focusLost();
    // Before the calibration or additional parameters screen opens from here: releases the
    // scene, the primary and the palette. otherScreenClosed() afterwards.
    void releaseForOtherScreen();
    void otherScreenClosed() { previewDrawn_ = false; }

    // The start button, up to showing the stimulus window: false when the operator declined
    // to go on without a patient (nothing is changed then). When true the stimulus window
    // is to be shown modally, then finishSession() called.
    bool startSession(const PatientBoxes& boxes);
    // After the stimulus window closed: true when the session was aborted and this screen
    // must close as well; otherwise the screen is active again and reset for the next run.
    bool finishSession(const PatientBoxes& boxes);

    // The operator chose item of a radio group: stores it and runs the group's handler.
    void choose(SetupControl group, int item);
    // Timer1: one step of the flicker preview of the chosen variant.
    void blinkFlickerPreview();

    // Shows the picture of the chosen item of an object group beside it, on the primary.
    void PreviewPicture(SetupControl group);

    const SetupControlStates& controls() const { return controls_; }
    SetupControlStates& controls() { return controls_; }
    const SetupControlState& control(SetupControl id) const {
        return controls_[static_cast<int>(id)];
    }
    SetupControlState& control(SetupControl id) { return controls_[static_cast<int>(id)]; }
    QString caption() const { return caption_; }
    ProcedureKind procedure() const;
    bool flickerPreviewRunning() const { return flickerPreviewRunning_; }
    bool previewDrawn() const { return previewDrawn_; }
    int highlightedLevel() const { return highlightedLevel_; } // swatch name shown white
    int swatchX() const { return trelon::swatchX(controls_); }
    int swatchY() const { return trelon::swatchY(controls_); }

private:
    void show(SetupControl id, bool visible = true);
    void hide(SetupControl id) { show(id, false); }
    bool shows(SetupControl id) const { return control(id).visible; }
    int item(SetupControl id) const { return control(id).itemIndex; }
    QRect& rect(SetupControl id) { return control(id).rect; }

    void showProcedureControls(const SetupRow& row);
    void applyFlickerFrequency(); // RadioGroupFrec
    void applyFlickerVariant();   // RadioGroupMelkan
    void fillFusionSizes();       // RadioGroupObjFuz
    void highlightSwatch(int level);
    void chooseColours();
    void fillSessionParams();
    void showDisplayError(const QString& operation, DisplayResult code);
    void drawSwatches();
    bool ensurePrimary();
    // Shows the display error; false when the screen closed meanwhile (nothing more to draw).
    bool reportAndStayOpen(const QString& operation, DisplayResult code);

    SharedState& state_;
    Dialogs* dialogs_;
    std::function<void(int)> calibrationChoice_;
    SetupControlStates controls_;
    SetupControlStates created_; // the places the screen's creation gave the controls
    QString caption_;
    bool flickerPreviewRunning_ = false;
    bool previewDrawn_ = false;
    bool closed_ = false; // close ran and no activation since
    int highlightedLevel_ = 0;
};

} // namespace trelon
