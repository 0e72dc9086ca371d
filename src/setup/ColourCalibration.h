#pragma once
// The colour calibration screen without its widgets: the twelve component fields and their
// rules, the spin buttons, the level and glasses choices, the store into Class.ini, and the
// test pattern drawn in the role palette entries so that every palette write shows on it at
// once.
//
// The screen forwards its events to the handlers here and mirrors fieldText(), contrastItem()
// and redBlueChecked() into its widgets after each call.
#include "config/Settings.h"
#include "display/DisplayResult.h"
#include "state/RoleColours.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <array>

namespace trelon {

class Dialogs;
struct SharedState;

inline constexpr int kCalibrationFieldCount = 12;

// One component field: the colour it edits (CalibrationTarget: Other is ColorBlue) and the
// component, with the names of its edit and spin button.
struct CalibrationFieldDesign {
    CalibrationTarget target;
    ColourChannel channel;
    const char* editName;
    const char* spinName;
};
// In the order BR, BG, BB, RR, RG, RB, DR, DG, DB, SR, SG, SB.
const std::array<CalibrationFieldDesign, kCalibrationFieldCount>& calibrationFields();

// Where the screen's parts stand on a client area (the whole screen when maximised).
struct CalibrationLayout {
    QRect Panel4, PanelFon, PanelAll, PanelBlue, PanelRed;
    QRect BtnHigh, Button1, Button3;
    QPoint pattern; // top-left corner of the test pattern on the screen
};
CalibrationLayout layOutCalibration(QSize client);

// The test pattern's size and squares (first to last coordinate, inclusive).
inline constexpr int kPatternSize = 260;

class ColourCalibration {
public:
    ColourCalibration(SharedState& state, Dialogs& dialogs);
    void setDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }
    // The caption error boxes are titled with.
    void setCaption(const QString& caption) { caption_ = caption; }

    // Creation at start-up (FormCreate): the level item from setting Contrast (above 3 the last,
    // below 1 none), the glasses from GlassesType, the starting role colours in the palette, their
    // saved copy and ContrastLevel.
    void startUp();
    // Each opening (FormActivate): saved copy and fields from the role colours, the glasses button
    // of GlassesType, then the screen's surfaces, the palette and the test pattern.
    void activate(QSize client);
    // Closing (FormClose): the saved colours become the role colours; the surfaces are released.
    void close();
    // Lost the application focus (ApplicationEvents1 OnDeactivate): the surfaces are released and
    // SessionAborted set; the screen then closes.
    void focusLost();

    // RadioGroupContrast: the operator chose item (0 High, 1 Middle, 2 Low).
    void chooseContrast(int item);
    void chooseRedBlueGlasses() { chooseGlasses(GlassesRedBlue); }   // RadioButtonRedBlue
    void chooseRedGreenGlasses() { chooseGlasses(GlassesRedGreen); } // RadioButtonRedGreen
    // The set-up screen keeps this screen's level choice equal to its own: the contrast
    // handler runs when the choice changes.
    void setContrastChoice(int level);

    // The operator's text in field (EditBR .. EditSB); the rules may change it.
    void editField(int field, const QString& text);
    void stepFieldUp(int field);   // the field's SpinButton, upper half
    void stepFieldDown(int field); // the field's SpinButton, lower half
    // BtnHigh "Записать": the twelve keys of the chosen glasses and level, one rewrite of
    // Class.ini.
    void storeColours();
    // Button1 "Отказ от изменений": the colours, glasses and level back as they were when the
    // screen opened (or last stored), in the palette and in the fields.
    void discardChanges();

    const QString& fieldText(int field) const { return texts_[static_cast<std::size_t>(field)]; }
    int contrastItem() const { return contrastItem_; }
    bool redBlueChecked() const { return redBlue_; }

private:
    void chooseGlasses(int glasses);
    void refresh(bool levelOrGlassesChanged);
    void fillFields();
    void setFieldText(int field, const QString& text);
    void applyPalette();
    void drawPattern(QPoint at);
    void showDisplayError(const QString& operation, DisplayResult code);
    void releaseSurfaces();

    SharedState& state_;
    Dialogs* dialogs_;
    QString caption_;
    std::array<QString, kCalibrationFieldCount> texts_;
    bool handleChanges_ = true; // off while the screen fills the fields itself
    int contrastItem_ = -1;
    bool redBlue_ = true;

    // What discarding the changes goes back to.
    struct Opening {
        RoleColours roles;
        int glasses = GlassesRedBlue;
        int contrastItem = -1;
        int contrastLevel = 1;
    };
    void rememberOpening();
    Opening opening_;
};

} // namespace trelon
