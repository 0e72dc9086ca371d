#include "Pictures.h"

#include "FourColours.h"
#include "ShellPictures.h"

#include <climits>
#include <cmath>

namespace trelon::assets {
namespace {

// Two-part pictures: blue body, red part, black details.
Ink twoPart(const QColor& accent) {
    return Ink{kBlue, kRed, accent, kBlack};
}
// Fusion pictures: white figure, a red-only and a blue-only control mark.
const Ink kFusionInk{kWhite, kRed, kBlue, kBlack};
const Ink kSilhouetteInk{kWhite, kWhite, kWhite, kBlack};
const Ink kTargetInk{kBlue, kBlue, kBlue, kBlack};
const Ink kMovingInk{kRed, kRed, kRed, kBlack};

QImage stimulus(const Shape& shape, const Ink& ink, double scale = 1.0, double degrees = 0) {
    return drawShape(shape, ink, scale, degrees, kBlack, false);
}

// The aeroplane that starts at polar angle `from` degrees (0 right, 90 top) of the centre,
// turned so its nose points at the centre.
QImage planeFrom(int from) {
    return stimulus(kPlaneTop, kMovingInk, 1.0, 270 - from);
}

struct Maker {
    std::string_view name;
    QImage (*draw)();
};

const Maker kStimulusMakers[] = {
    // Angle measurement and flicker training: red and blue parts drawn aligned.
    {"Dom.bmp", [] { return stimulus(kHouse, twoPart(kBlack)); }},
    {"Fish.bmp", [] { return stimulus(kFishBowl, twoPart(kBlack)); }},
    {"StarInCircl.bmp", [] { return stimulus(kStarInCircle, twoPart(kBlack)); }},
    {"Egg.bmp", [] { return stimulus(kChickEgg, twoPart(kBlack)); }},
    {"LodkaRB.bmp", [] { return stimulus(kBoat, twoPart(kRed)); }},
    {"SvechaKosogl.bmp", [] { return stimulus(kCandle, twoPart(kBlack)); }},
    {"Strelka.bmp", [] { return stimulus(kArrowTarget, twoPart(kBlack)); }},
    {"FlowerDouble.bmp", [] { return stimulus(kFlower, twoPart(kRed)); }},
    {"Telefon.bmp", [] { return stimulus(kTelephone, twoPart(kBlue)); }},
    {"MashinaDouble.bmp", [] { return stimulus(kCar, twoPart(kRed)); }},
    {"Pchelka2.bmp", [] { return stimulus(kBee, twoPart(kBlack)); }},
    {"Krab.bmp", [] { return stimulus(kCrab, twoPart(kBlack)); }},
    {"Konfeta.bmp", [] { return stimulus(kCandy, kFusionInk); }},
    // Arrows aimed at the angle scale: up at the horizontal one, left at the vertical one.
    {"strelvert.bmp", [] { return stimulus(kArrowUp, kMovingInk); }},
    {"strelhor.bmp", [] { return stimulus(kArrowUp, kMovingInk, 1.0, 270); }},
    // Fusion reserves.
    {"bigcat.bmp", [] { return stimulus(kCat, kFusionInk); }},
    {"Butterfly.bmp", [] { return stimulus(kButterfly, kFusionInk); }},
    // Objects seen by both eyes.
    {"Grusha.bmp", [] { return stimulus(kPear, kSilhouetteInk); }},
    {"Zayac.bmp", [] { return stimulus(kHare, kSilhouetteInk); }},
    {"Suslik.bmp", [] { return stimulus(kGopher, kSilhouetteInk); }},
    {"Koshka.bmp", [] { return stimulus(kCat, kSilhouetteInk); }},
    {"List.bmp", [] { return stimulus(kLeaf, kSilhouetteInk); }},
    {"Sneg.bmp", [] { return stimulus(kSnowman, kSilhouetteInk); }},
    {"ratFuz.bmp", [] { return stimulus(kMouse, kSilhouetteInk); }},
    {"samolet.bmp", [] { return stimulus(kPlaneSide, kSilhouetteInk); }},
    {"morkov.bmp", [] { return stimulus(kCarrot, kSilhouetteInk); }},
    // Scotoma training: blue targets, red figures travelling to them from the right or
    // from the direction in the name.
    {"chees.bmp", [] { return stimulus(kCheese, kTargetInk); }},
    {"Flowernew.bmp", [] { return stimulus(kDaisy, kTargetInk); }},
    {"krugi4.bmp", [] { return stimulus(kRings, kTargetInk); }},
    {"rat.bmp", [] { return stimulus(kMouse, kMovingInk, 0.5); }},
    {"Pchelka_Scotoma.bmp", [] { return stimulus(kBee, kMovingInk, 0.45); }},
    {"samoletScotoma.bmp", [] { return planeFrom(0); }},
    {"samoletScotoma2.bmp", [] { return planeFrom(90); }},
    {"samoletScotoma3.bmp", [] { return planeFrom(180); }},
    {"samoletScotoma4.bmp", [] { return planeFrom(270); }},
    {"samoletScotoma5.bmp", [] { return planeFrom(45); }},
    {"samoletScotoma6.bmp", [] { return planeFrom(135); }},
    {"samoletScotoma7.bmp", [] { return planeFrom(225); }},
    {"samoletScotoma8.bmp", [] { return planeFrom(315); }},
};

const QColor kPanelGrey(212, 208, 200);
constexpr int kPreviewSize = 40;

QColor c(int r, int g, int b) {
    return QColor(r, g, b);
}

struct PreviewMaker {
    std::string_view name;
    const Shape* shape;
    Ink (*ink)();
};

const PreviewMaker kPreviewMakers[] = {
    {"StarIm.bmp", &kStarInCircle,
     [] {
         return Ink{c(0, 102, 204), c(255, 204, 0), {}, {}};
     }},
    {"DomIm.bmp", &kHouse,
     [] {
         return Ink{c(255, 204, 153), c(204, 0, 0), c(153, 204, 255), c(102, 51, 0)};
     }},
    {"FlowerIm.bmp", &kFlower,
     [] {
         return Ink{c(0, 153, 0), c(255, 102, 204), c(255, 204, 0), c(153, 51, 0)};
     }},
    {"TelefonIm.bmp", &kTelephone,
     [] {
         return Ink{c(204, 0, 0), c(153, 0, 0), c(255, 255, 255), c(0, 0, 0)};
     }},
    {"MashinaIm.bmp", &kCar,
     [] {
         return Ink{c(0, 102, 204), c(102, 102, 102), c(255, 255, 0), c(0, 0, 0)};
     }},
    {"SvechaIm.bmp", &kCandle,
     [] {
         return Ink{c(255, 255, 204), c(255, 153, 0), c(255, 255, 0), c(0, 0, 0)};
     }},
    {"PchelkaIm.bmp", &kBee,
     [] {
         return Ink{c(204, 255, 255), c(255, 204, 0), {}, c(0, 0, 0)};
     }},
    {"KrabIm.bmp", &kCrab,
     [] {
         return Ink{c(204, 0, 0), c(255, 102, 0), {}, c(0, 0, 0)};
     }},
    {"KonfetaIm.bmp", &kCandy,
     [] {
         return Ink{c(255, 102, 153), c(255, 204, 0), c(255, 204, 0), c(255, 255, 255)};
     }},
    {"EggIm.bmp", &kChickEgg,
     [] {
         return Ink{c(255, 255, 255), c(255, 204, 0), c(255, 102, 0), c(0, 0, 0)};
     }},
    {"StrelkaIm.bmp", &kArrowTarget,
     [] {
         return Ink{c(204, 0, 0), c(102, 51, 0), {}, c(255, 255, 255)};
     }},
    {"GrushaIm.bmp", &kPear,
     [] {
         return Ink{c(204, 204, 0), {}, c(0, 153, 0), c(255, 255, 153)};
     }},
    {"ZayacIm.bmp", &kHare,
     [] {
         return Ink{c(153, 153, 153), {}, {}, c(102, 51, 51)};
     }},
    {"SuslikIm.bmp", &kGopher,
     [] {
         return Ink{c(204, 153, 102), {}, {}, c(102, 51, 0)};
     }},
    {"CatIm.bmp", &kCat,
     [] {
         return Ink{c(255, 153, 51), c(204, 0, 0), c(0, 102, 204), c(0, 0, 0)};
     }},
    {"ListIm.bmp", &kLeaf,
     [] {
         return Ink{c(0, 153, 0), {}, {}, c(0, 102, 0)};
     }},
    {"SnegIm.bmp", &kSnowman,
     [] {
         return Ink{c(255, 255, 255), {}, c(255, 102, 0), c(0, 0, 0)};
     }},
    {"RatIm.bmp", &kMouse,
     [] {
         return Ink{c(153, 153, 153), {}, c(255, 153, 204), c(0, 0, 0)};
     }},
    {"SamoletIm.bmp", &kPlaneSide,
     [] {
         return Ink{c(0, 102, 204), {}, {}, c(255, 255, 255)};
     }},
    {"MorkovIm.bmp", &kCarrot,
     [] {
         return Ink{c(255, 102, 0), {}, c(0, 153, 0), c(204, 51, 0)};
     }},
    {"ShkalaIm.bmp", &kScale,
     [] {
         return Ink{c(0, 0, 255), c(255, 0, 0), {}, {}};
     }},
    {"fishIm.bmp", &kFishBowl,
     [] {
         return Ink{c(102, 153, 255), c(255, 102, 0), {}, c(0, 0, 0)};
     }},
    {"lodkaIm.bmp", &kBoat,
     [] {
         return Ink{c(153, 51, 0), c(255, 255, 255), c(255, 0, 0), c(0, 0, 0)};
     }},
};

QRgb nearest(const QList<QRgb>& colours, QRgb colour) {
    QRgb best = colours.front();
    int bestDistance = INT_MAX;
    for (const QRgb candidate : colours) {
        const int dr = qRed(candidate) - qRed(colour);
        const int dg = qGreen(candidate) - qGreen(colour);
        const int db = qBlue(candidate) - qBlue(colour);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = candidate;
        }
    }
    return best;
}

QImage preview(const Shape& shape, const Ink& ink) {
    const double scale = double(kPreviewSize - 2) / std::max(shape.width, shape.height);
    QImage drawn = drawShape(shape, ink, scale, 0, kPanelGrey, false);
    const QList<QRgb> colours = previewColours();
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            drawn.setPixel(x, y, nearest(colours, drawn.pixel(x, y)));
    return drawn;
}

} // namespace

QImage drawShape(const Shape& shape, const Ink& ink, double scale, double degrees,
                 const QColor& background, bool smooth) {
    const int w = static_cast<int>(std::lround(shape.width * scale));
    const int h = static_cast<int>(std::lround(shape.height * scale));
    const bool sideways = std::lround(degrees) % 180 == 90;
    QImage picture(sideways ? h : w, sideways ? w : h, QImage::Format_RGB32);
    picture.fill(background);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.translate(picture.width() / 2.0, picture.height() / 2.0);
    p.rotate(degrees);
    p.translate(-w / 2.0, -h / 2.0);
    p.scale(scale, scale);
    shape.draw(p, ink);
    return picture;
}

std::optional<QImage> drawStimulus(std::string_view name) {
    for (const Maker& maker : kStimulusMakers)
        if (maker.name == name)
            return toFourColours(maker.draw());
    return std::nullopt;
}

std::optional<QImage> drawPreview(std::string_view name) {
    for (const PreviewMaker& maker : kPreviewMakers)
        if (maker.name == name)
            return preview(*maker.shape, maker.ink());
    return std::nullopt;
}

QList<QRgb> previewColours() {
    const QList<QRgb> palette = basePalette();
    QList<QRgb> colours{kPanelGrey.rgb()};
    for (int i = 0; i < palette.size(); ++i) {
        const bool rewritten = (i >= 21 && i <= 24) || (i >= 30 && i <= 42) || (i >= 51 && i <= 62);
        if (!rewritten)
            colours.append(palette[i]);
    }
    return colours;
}

} // namespace trelon::assets
