#pragma once
// The picture files of the procedures' objects, in the order of the object numbers and
// radio-group items that choose them, each with the size factor that scales it. The files
// lie in the program folder and are found regardless of letter case.
#include "config/Settings.h"

#include <array>

namespace trelon {

struct ObjectPicture {
    const char* file;
    int factor; // PictureNumber of the size factor, or kFixedSize
};
inline constexpr int kFixedSize = -1; // drawn at factor 1.0 (or sized by the scene itself)

// Angle measurement: object 1 ("Шкала") is the drawn tangent scale, measured in two phases;
// objects 2..8 are the pictures below.
inline constexpr int kAngleScaleObject = 1;
inline constexpr std::array<ObjectPicture, 7> kDiagKosoglPictures = {{
    {"Dom.bmp", PicDom},
    {"Fish.bmp", PicFish},
    {"StarInCircl.bmp", PicStar},
    {"Egg.bmp", PicEgg},
    {"LodkaRB.bmp", PicLodka},
    {"SvechaKosogl.bmp", PicSvecha},
    {"Strelka.bmp", kFixedSize},
}};

// The arrows aimed at the angle scale: at the horizontal scale and at the vertical one.
inline constexpr char kHorizontalScaleArrow[] = "strelvert.bmp";
inline constexpr char kVerticalScaleArrow[] = "strelhor.bmp";

// Fusion reserves, RadioGroupObjFuz items 0..2; sized to a physical width by the scene.
inline constexpr std::array<const char*, 3> kDiagFuziaPictures = {"bigcat.bmp", "konfeta.bmp",
                                                                  "Butterfly.bmp"};

// Flicker training, ObjectNumber 1..11.
inline constexpr std::array<ObjectPicture, 11> kTrenKosoglPictures = {{
    {"StarinCircl.bmp", PicStar},
    {"Dom.bmp", PicDom},
    {"FlowerDouble.bmp", PicFlower},
    {"Telefon.bmp", PicTelephon},
    {"MashinaDouble.bmp", PicCar},
    {"SvechaKosogl.bmp", PicSvecha},
    {"Pchelka2.bmp", PicPchela},
    {"Krab.bmp", PicCrab},
    {"Konfeta.bmp", PicKonfeta},
    {"Egg.bmp", PicEgg},
    {"Strelka.bmp", PicStrelka},
}};

// Fusion trainings (bifixation and fusion reserves), RadioGroupTrenFuzObj items 0..9.
inline constexpr std::array<ObjectPicture, 10> kFusionTrainingPictures = {{
    {"Grusha.bmp", PicGrusha},
    {"Zayac.bmp", PicZayac},
    {"Suslik.bmp", PicSuslik},
    {"Koshka.bmp", PicCat},
    {"List.bmp", PicList},
    {"Sneg.bmp", PicSneg},
    {"SvechaKosogl.bmp", PicSvecha},
    {"ratFuz.bmp", PicRat},
    {"samolet.bmp", PicSamolet},
    {"morkov.bmp", PicMorkov},
}};

// Scotoma training: the targets, ObjectNumber 1..3, scaled by the chosen target size.
inline constexpr std::array<const char*, 3> kScotomaTargets = {"chees.bmp", "Flowernew.bmp",
                                                               "krugi4.bmp"};
// The figures that travel to targets 1 and 2.
inline constexpr ObjectPicture kScotomaRat = {"rat.bmp", PicRatScotoma};
inline constexpr ObjectPicture kScotomaBee = {"Pchelka_Scotoma.bmp", PicPchelaScotoma};
// The aeroplanes that travel to target 3, by RadioGroupSamolet item 0..7 (directions 0, 90,
// 180, 270, 45, 135, 225, 315); all use the bee's size factor.
inline constexpr std::array<const char*, 8> kScotomaPlanes = {
    "samoletScotoma.bmp",  "samoletScotoma2.bmp", "samoletScotoma3.bmp", "samoletScotoma4.bmp",
    "samoletScotoma5.bmp", "samoletScotoma6.bmp", "samoletScotoma7.bmp", "samoletScotoma8.bmp"};
inline constexpr int kScotomaPlaneFactor = PicPchelaScotoma;

// Set-up screen previews of the training objects (RadioGroupTrenObj items 0..10), the
// fusion objects (RadioGroupTrenFuzObj items 0..9) and the test objects (RadioGroupTestObj
// items 0..7).
inline constexpr std::array<const char*, 11> kTrainingObjectPreviews = {
    "StarIm.bmp",    "DomIm.bmp",    "FlowerIm.bmp",  "TelefonIm.bmp",
    "MashinaIm.bmp", "SvechaIm.bmp", "PchelkaIm.bmp", "KrabIm.bmp",
    "KonfetaIm.bmp", "EggIm.bmp",    "StrelkaIm.bmp"};
inline constexpr std::array<const char*, 10> kFusionObjectPreviews = {
    "GrushaIm.bmp", "ZayacIm.bmp",  "SuslikIm.bmp", "CatIm.bmp",     "ListIm.bmp",
    "SnegIm.bmp",   "SvechaIm.bmp", "RatIm.bmp",    "SamoletIm.bmp", "MorkovIm.bmp"};
inline constexpr std::array<const char*, 8> kTestObjectPreviews = {
    "ShkalaIm.bmp", "DomIm.bmp",   "fishIm.bmp",   "StarIm.bmp",
    "EggIm.bmp",    "lodkaIm.bmp", "SvechaIm.bmp", "StrelkaIm.bmp"};

} // namespace trelon
