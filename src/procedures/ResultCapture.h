#pragma once
// The computations of result capture: the figures' positions at the answer become angles in
// degrees at the viewing distance, rounded as each result is stored, and the text lines shown
// at the bottom of the stimulus window. Nothing here draws, writes files or plays sounds;
// StimulusRun::CaptureResult does that with what these functions return.
#include "results/ResultRecord.h"
#include "results/VisionTypes.h"
#include "state/RunState.h"

#include <QPolygon>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace trelon {

// Converts screen pixels into angular degrees at the viewing distance:
// d x mmPerPixel / mmPerDegree x 50 / distanceCm.
struct DegreeScale {
    double mmPerPixel = 0;  // millimetres per screen pixel
    double mmPerDegree = 0; // millimetres per degree at 50 cm
    double distanceCm = 0;

    double degrees(double pixels) const;
};

// The three roundings of stored values, to nearest with halves to even. Values that are not
// finite pass through unchanged.
double tenth(double degrees);             // round(x * 10) / 10
double tenthByHundredths(double degrees); // (round(x * 100) div 10) / 10: 1.66 gives 1.6
double whole(double degrees);             // round(x)

// "+" for a positive horizontal value, else empty.
QString signText(double valueX);

// A result line at x = 20 and y = screen height - aboveBottom.
struct ResultLine {
    QString text;
    int aboveBottom = 0;

    bool operator==(const ResultLine&) const = default;
};
inline constexpr int kUpperResultLine = 90;
inline constexpr int kLowerResultLine = 60;

// The run's figures when the answer came.
struct CaptureGeometry {
    FigureRect blue;
    FigureRect red;
    FigureSnapshot start;
    Offset reference; // TrenKosogl: the aligned position
    QSize client;     // the window's client area (the whole screen)
};

// The colour test's answer field under a click at x: seven 84-pixel fields in a 600-pixel
// band centred on a screen screenWidth wide, both divisions toward zero, so a click up to
// 83 pixels left of the band is field 1. The result may lie outside 1..7.
int colourTestField(int clickX, int screenWidth);

// The caption of object item objectNumber (1-based) of a list, cut to the record's 12
// characters; empty when there is no such item.
QString objectItemName(const QStringList& items, int objectNumber);

// Each function below fills the result fields of record that its procedure stores, reading
// the session fields it needs (FilterPosition, ObjectNumber, ValueX) from record too, and
// returns the lines to show.

// The answer of the strabismus-angle test with the scale: the horizontal value in the first
// phase, the vertical one in the second. ObjectName, ObjectSize and SignText with both.
std::vector<ResultLine> kosoglScaleValues(const CaptureGeometry& at, const DegreeScale& scale,
                                          bool verticalPhase, ResultRecord& record);
// The answer of the strabismus-angle test with two pictures: both components at once.
std::vector<ResultLine> kosoglPictureValues(const CaptureGeometry& at, const DegreeScale& scale,
                                            ResultRecord& record);

// The scotoma mark's reference point in direction 1..8 (nothing for another direction).
std::optional<MarkPoint> scotomaReferencePoint(const FigureRect& mark, int direction);
// Stores direction's point and its distance from the client centre in degrees (signed along
// the axes, straight-line on the diagonals). False, with nothing stored, for a direction
// outside 1..8.
bool scotomaDirectionValues(const CaptureGeometry& at, const DegreeScale& scale, int direction,
                            ResultRecord& record);
// The closed outline of the scotoma map through the stored points, by angle: directions 1,
// 5, 2, 6, 3, 7, 4, 8.
QPolygon scotomaOutline(const ResultRecord& record);

std::vector<ResultLine> fusionValues(const CaptureGeometry& at, const DegreeScale& scale,
                                     ResultRecord& record);
// The scotoma training in direction 1..8: the travel still ahead, from the red figure's
// leading edge to the centre line across the travel, keeps its smallest value in degrees;
// once the target was reached the value held (0) is only rounded.
std::vector<ResultLine> scotomaTrainingValues(const CaptureGeometry& at, const DegreeScale& scale,
                                              int direction, bool targetReached,
                                              ResultRecord& record);
std::vector<ResultLine> kosoglTrainingValues(const CaptureGeometry& at, const DegreeScale& scale,
                                             ResultRecord& record);
std::vector<ResultLine> bifixationValues(const CaptureGeometry& at, const DegreeScale& scale,
                                         ResultRecord& record);
std::vector<ResultLine> fusionTrainingValues(const CaptureGeometry& at, const DegreeScale& scale,
                                             ResultRecord& record);

} // namespace trelon
