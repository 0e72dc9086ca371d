#pragma once
// The program's one shared-state object: created by main, handed to every screen and core
// component by reference. Tests make a fresh one per case.
#include "config/Settings.h"
#include "display/DisplayObjects.h"
#include "state/RoleColours.h"
#include "state/RunState.h"
#include "state/SceneState.h"
#include "state/SessionParams.h"

#include <QString>

namespace trelon {

// The program's folders and files; every folder path ends with '/'.
struct Paths {
    QString ProgramDir;      // settings, texts, pictures, sounds
    QString DataDir;         // patients and results
    QString PeopleFilePath;  // DataDir + "People.txt"
    QString ResultsFilePath; // results file of the current session
};

// Shared message texts set by the main window at creation.
struct SharedTexts {
    QString DeleteSelectedQuestion;
    QString FolderNotWritable;
    QString NoPatientName;
    QString DeletingPatient;
    QString NoPatientContinue;
};

struct SharedState {
    Settings settings;
    Paths paths;
    SharedTexts texts;

    RoleColours roles;       // ColorBlue, ColorRed, ColorFon, ColorAll
    RoleColours SavedColors; // the calibration screen's saved copy
    PaletteIndices indices;  // IndexBlue .. IndexAll, picture entries
    int PaletteShift = 0;
    int ContrastLevel = 1; // 1 High, 2 Middle, 3 Low
    // The oscillation amplitudes towards and away from the centre, set only on the additional
    // parameters screen; every start begins with its design choices.
    int MaxAmplitudaSbligen = 4;
    int MaxAmplitudaUdalen = 2;

    DisplayObjects display;
    SessionParams session;
    RunState run;     // the procedure running in the stimulus window
    SceneState scene; // placement of the next figure a scene composes

    bool SoundOn = true;
    // The application lost the focus while the set-up screen or the stimulus window showed:
    // the chain of screens closes back to the main window.
    bool SessionAborted = false;
};

} // namespace trelon
