#pragma once
// The additional parameters screen without its widgets: the choices it shows, loaded from the
// settings at creation; "Применить" putting them into the settings; the save into Class.ini
// in one rewrite; the picture sizes panel; the up-down buttons of the two movement fields.
//
// A value that is not a positive whole number within what the settings file takes back
// (screen scale, movement intervals, picture sizes) is refused with a message naming the
// field: nothing is applied or written then.
#include "config/Settings.h"

#include <QString>
#include <QStringList>
#include <array>

namespace trelon {

class Dialogs;
struct SharedState;

// The radio groups of the screen, with their items and design selections.
enum class ParamGroup {
    ShagKoleban,
    ToCenter,
    FromCenter,
    KolebTime1, // fast oscillation
    KolebTime2, // slow oscillation
    FuzTime2,   // fast fusion training
    FuzTime1,   // slow fusion training
};
inline constexpr int kParamGroupCount = 7;

struct ParamGroupDesign {
    ParamGroup id;
    const char* name;    // RadioGroupShagKoleban ...
    const char* caption; // UTF-8
    int columns;
    QStringList items;
    int designItem;
};
const std::array<ParamGroupDesign, kParamGroupCount>& paramGroupDesigns();

// The picture rows of the pictures panel in their order: picture numbers of kPictureKeys.
const std::array<int, kPictureCount>& pictureRowOrder();

// What the screen's controls hold.
struct ParamControls {
    std::array<int, kParamGroupCount> items{}; // chosen item of each group, -1 for none
    QString EditTimeMedlenno;
    QString EditTimeBystro;
    QString PixelMM;
    QString EditSdvigPalette;
    bool redBlue = true;
    bool CheckBoxScorost = false;
    std::array<QString, kPictureCount> pictureRows; // values in pictureRowOrder()
    bool picturesShown = false;                     // Panel6 instead of Panel1

    int& item(ParamGroup group) { return items[static_cast<std::size_t>(group)]; }
    int item(ParamGroup group) const { return items[static_cast<std::size_t>(group)]; }
};

class AdditionalParameters {
public:
    AdditionalParameters(SharedState& state, Dialogs& dialogs);
    void setDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }

    // Creation (FormCreate, once, after the settings are loaded): every control from the
    // settings; the oscillation amplitudes saved in Class.ini are put in force first.
    void fillFromSettings();
    // Each opening (FormActivate): SessionAborted cleared, the glasses button of GlassesType,
    // each group on the item of the value in force.
    void activate();

    // BitBtn2 "Применить": true when the values were applied and the screen closes.
    bool apply();
    // BitBtnSaveParam "Записать параметры...": asks "Сохранить параметры?"; Yes writes the keys.
    // True when the screen closes (the values are then applied, except the palette shift and the
    // screen scale, which take effect from the file at the next start).
    bool saveParameters();
    // A press on an up-down: the lower half lowers the field by 1, the upper raises it; 10
    // with Shift.
    void stepSlowMoveTime(bool lowerHalf, bool shift); // UpDown4, EditTimeMedlenno
    void stepFastMoveTime(bool lowerHalf, bool shift); // UpDown5, EditTimeBystro

    // The pictures panel.
    void showPictureSizes();   // Button1 "Размер рисунков"
    void applyPictureSizes();  // BitBtn3: apply the sizes
    void cancelPictureSizes(); // BitBtn4: back without changes
    // BitBtn5: asks "Сохранить изменения?"; Yes applies and writes the sizes.
    void savePictureSizes();

    void focusLost(); // ApplicationEvents1 OnDeactivate: the screen then closes

    ParamControls& controls() { return controls_; }
    const ParamControls& controls() const { return controls_; }

private:
    struct Values; // the checked numbers of the controls
    int item(ParamGroup group) const;
    // The value the running program uses for a group's setting.
    int valueInForce(ParamGroup group) const;
    // Each group checks the item of its value in force, or none when no item holds it: that
    // value then stays in force through "Применить" and is saved as it is.
    void showValuesInForce();
    bool readValues(Values& values) const;
    bool readPictureSizes(std::array<int, kPictureCount>& percent) const;
    void applyCommon(const Values& values);
    void fillPictureRows();
    void refuse(const QString& field, const QString& text, int min, int max) const;

    SharedState& state_;
    Dialogs* dialogs_;
    ParamControls controls_;
};

} // namespace trelon
