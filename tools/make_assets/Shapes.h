#pragma once
// The objects of the stimulus and preview pictures, drawn as vector shapes in a design box.
// One shape serves both the four-colour stimulus picture and the small coloured preview:
// the ink decides the colours, the painter's transform the size.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace trelon::assets {

// The colours of a shape's parts. In a two-part stimulus picture `body` and `part` are the
// two eyes' images (blue and red); in a preview they are natural colours.
struct Ink {
    QColor body;   // the main figure
    QColor part;   // the second figure: the other eye's part, or a control mark
    QColor accent; // small extra pieces (a flame's core, a blue control mark)
    QColor detail; // eyes, holes and lines: black in a stimulus picture
};

struct Shape {
    int width; // design box, in pixels at scale 1
    int height;
    void (*draw)(QPainter&, const Ink&);
};

// Drawing helpers: filled figures without outline.
void fillPath(QPainter& p, const QPainterPath& path, const QColor& colour);
void fillPolygon(QPainter& p, const QPolygonF& polygon, const QColor& colour);
void disk(QPainter& p, QPointF centre, double radius, const QColor& colour);
void oval(QPainter& p, const QRectF& box, const QColor& colour);
void ring(QPainter& p, QPointF centre, double outer, double inner, const QColor& colour);
void line(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour);
QPolygonF starPolygon(QPointF centre, double outer, double inner, int points);

// Two-part objects: `body` is one eye's figure, `part` the other's.
void drawStarInCircle(QPainter& p, const Ink& ink); // ring body, star part
void drawHouse(QPainter& p, const Ink& ink);        // walls body, roof part, windows accent
void drawFishBowl(QPainter& p, const Ink& ink);     // bowl body, fish part
void drawChickEgg(QPainter& p, const Ink& ink);     // shell body, chick part, beak accent
void drawBoat(QPainter& p, const Ink& ink);         // hull body, sails part, flag accent
void drawCandle(QPainter& p, const Ink& ink);       // candle body, flame part, core accent
void drawArrowTarget(QPainter& p, const Ink& ink);  // target body, arrow part
void drawFlower(QPainter& p, const Ink& ink);       // stem body, petals part, centre accent
void drawTelephone(QPainter& p, const Ink& ink);    // set body, handset part, dial accent
void drawCar(QPainter& p, const Ink& ink);          // car body, wheels part, lights accent
void drawBee(QPainter& p, const Ink& ink);          // wings body, bee part
void drawCrab(QPainter& p, const Ink& ink);         // legs and claws body, shell part
void drawCandy(QPainter& p, const Ink& ink);        // wrapper body, left twist part, right accent

// Fusion and silhouette objects: `body` is the figure, `part` and `accent` its marks.
void drawCat(QPainter& p, const Ink& ink);       // bow part, ball accent
void drawButterfly(QPainter& p, const Ink& ink); // left spot part, right spot accent
void drawPear(QPainter& p, const Ink& ink);      // leaf accent
void drawHare(QPainter& p, const Ink& ink);
void drawGopher(QPainter& p, const Ink& ink);
void drawLeaf(QPainter& p, const Ink& ink);
void drawSnowman(QPainter& p, const Ink& ink); // hat and nose accent
void drawMouse(QPainter& p, const Ink& ink);   // faces left; ear and tail accent
void drawPlaneSide(QPainter& p, const Ink& ink);
void drawCarrot(QPainter& p, const Ink& ink); // tops accent

// Scotoma training targets and figures, angle-scale arrows, the scale icon.
void drawCheese(QPainter& p, const Ink& ink);
void drawDaisy(QPainter& p, const Ink& ink);
void drawRings(QPainter& p, const Ink& ink);
void drawPlaneTop(QPainter& p, const Ink& ink); // nose up, centred in its box
void drawArrowUp(QPainter& p, const Ink& ink);
void drawScale(QPainter& p, const Ink& ink); // band and ticks body, arrow part

inline constexpr Shape kStarInCircle{160, 160, drawStarInCircle};
inline constexpr Shape kHouse{160, 160, drawHouse};
inline constexpr Shape kFishBowl{160, 160, drawFishBowl};
inline constexpr Shape kChickEgg{130, 170, drawChickEgg};
inline constexpr Shape kBoat{170, 170, drawBoat};
inline constexpr Shape kCandle{90, 180, drawCandle};
inline constexpr Shape kArrowTarget{200, 130, drawArrowTarget};
inline constexpr Shape kFlower{140, 180, drawFlower};
inline constexpr Shape kTelephone{170, 150, drawTelephone};
inline constexpr Shape kCar{200, 120, drawCar};
inline constexpr Shape kBee{160, 130, drawBee};
inline constexpr Shape kCrab{180, 130, drawCrab};
inline constexpr Shape kCandy{180, 90, drawCandy};
inline constexpr Shape kCat{180, 190, drawCat};
inline constexpr Shape kButterfly{200, 160, drawButterfly};
inline constexpr Shape kPear{130, 170, drawPear};
inline constexpr Shape kHare{150, 190, drawHare};
inline constexpr Shape kGopher{110, 180, drawGopher};
inline constexpr Shape kLeaf{150, 170, drawLeaf};
inline constexpr Shape kSnowman{130, 180, drawSnowman};
inline constexpr Shape kMouse{180, 110, drawMouse};
inline constexpr Shape kPlaneSide{200, 110, drawPlaneSide};
inline constexpr Shape kCarrot{90, 190, drawCarrot};
inline constexpr Shape kCheese{100, 70, drawCheese};
inline constexpr Shape kDaisy{100, 100, drawDaisy};
inline constexpr Shape kRings{100, 100, drawRings};
inline constexpr Shape kPlaneTop{64, 64, drawPlaneTop};
inline constexpr Shape kArrowUp{21, 48, drawArrowUp};
inline constexpr Shape kScale{160, 160, drawScale};

} // namespace trelon::assets
