#include "procedures/ResultCapture.h"

#include "common/Rounding.h"
#include "stimulus/ObjectCaptions.h"
#include "stimulus/ScotomaDirections.h"
#include "stimulus/ScotomaMapLabels.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trelon {

namespace {

// Nearest integer, halves to even. Values beyond 2^52 are whole already; infinities and NaN
// stay as they are instead of overflowing the integer conversion.
double roundToEven(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0) {
        return value;
    }
    return static_cast<double>(roundHalfEven(value));
}

// The value multiplied by -1 when the filters are swapped (blue right, red left). A zero stays
// +0, so no reader shows "-0".
double forFilter(double value, int filterPosition) {
    if (filterPosition != 2 || value == 0) {
        return value;
    }
    return -value;
}

int widthOf(const FigureRect& box) {
    return box.Right - box.Left;
}

QString number(double value) {
    return shortestDecimal(value);
}

QString horizontalLine(const ResultRecord& record) {
    return QStringLiteral("По горизонтали: ") + record.SignText + number(record.ValueX);
}

QString verticalLine(const ResultRecord& record) {
    return QStringLiteral("По вертикали: ") + number(record.ValueY);
}

// The two lines of the trainings with start values: value and, in brackets, the start.
std::vector<ResultLine> linesWithStart(const ResultRecord& record) {
    const QString unit = QStringLiteral(") град.");
    return {
        {horizontalLine(record) + QStringLiteral(" (") + number(record.DirectionValues[0]) + unit,
         kUpperResultLine},
        {verticalLine(record) + QStringLiteral(" (") + number(record.DirectionValues[1]) + unit,
         kLowerResultLine}};
}

// Size and horizontal values shared by the bifixation and fusion trainings.
void bifixationHorizontal(const CaptureGeometry& at, const DegreeScale& scale,
                          ResultRecord& record) {
    record.ObjectSize = whole(scale.degrees(widthOf(at.blue)));
    record.ValueX =
        forFilter(tenth(scale.degrees(at.blue.Left - at.red.Left)), record.FilterPosition);
    record.DirectionValues[0] = forFilter(
        tenth(scale.degrees(at.start.BlueLeft0 - at.start.RedLeft0)), record.FilterPosition);
    record.SignText = signText(record.ValueX);
}

void kosoglObject(const CaptureGeometry& at, const DegreeScale& scale, ResultRecord& record) {
    record.ObjectName = objectItemName(testObjectCaptions(), record.ObjectNumber);
    record.ObjectSize = tenth(scale.degrees(std::max(widthOf(at.blue), widthOf(at.red))));
}

// The red figure's travel still ahead in pixels along its direction, from its leading edge to
// the centre line across the travel; signed, the caller takes the size. Direction 1 (and an
// unknown one) measures from the left edge, which leads there.
double travelStillAhead(const CaptureGeometry& at, int direction) {
    const ScotomaDirection* d = scotomaDirection(direction);
    if (d == nullptr) {
        return at.client.width() / 2.0 - at.red.Left;
    }
    const int lead = leadingEdge(at.red, *d);
    if (d->travelX() == 0) {
        return at.client.height() / 2.0 - lead;
    }
    const double across = at.client.width() / 2.0 - lead;
    // On a diagonal each pixel across is the square root of 2 pixels of travel.
    constexpr double kRoot2 = 1.4142135623730950488;
    return d->diagonal() ? across * kRoot2 : across;
}

} // namespace

double DegreeScale::degrees(double pixels) const {
    return pixels * mmPerPixel / mmPerDegree * 50 / distanceCm;
}

double tenth(double degrees) {
    return roundToEven(degrees * 10) / 10;
}

double tenthByHundredths(double degrees) {
    return std::trunc(roundToEven(degrees * 100) / 10) / 10;
}

double whole(double degrees) {
    return roundToEven(degrees);
}

QString signText(double valueX) {
    return valueX > 0 ? QStringLiteral("+") : QString();
}

int colourTestField(int clickX, int screenWidth) {
    // C++ integer division truncates toward zero.
    return (clickX - (screenWidth - 600) / 2) / 84 + 1;
}

QString objectItemName(const QStringList& items, int objectNumber) {
    return items.value(objectNumber - 1).left(kObjectNameCapacity);
}

std::vector<ResultLine> kosoglScaleValues(const CaptureGeometry& at, const DegreeScale& scale,
                                          bool verticalPhase, ResultRecord& record) {
    kosoglObject(at, scale, record);
    if (!verticalPhase) {
        record.ValueX =
            forFilter(tenth(scale.degrees(at.start.RedLeft0 - at.red.Left)), record.FilterPosition);
        record.SignText = signText(record.ValueX);
        return {{horizontalLine(record), kUpperResultLine}};
    }
    record.ValueY = tenth(scale.degrees(at.red.Top - at.start.RedTop0));
    record.SignText = signText(record.ValueX);
    return {{verticalLine(record), kUpperResultLine}};
}

std::vector<ResultLine> kosoglPictureValues(const CaptureGeometry& at, const DegreeScale& scale,
                                            ResultRecord& record) {
    kosoglObject(at, scale, record);
    const FigureSnapshot& start = at.start;
    record.ValueX = forFilter(
        tenth(scale.degrees(at.blue.Left + start.RedLeft0 - at.red.Left - start.BlueLeft0)),
        record.FilterPosition);
    record.ValueY = tenth(scale.degrees(at.blue.Top + start.RedTop0 - at.red.Top - start.BlueTop0));
    record.SignText = signText(record.ValueX);
    return {{horizontalLine(record), kUpperResultLine}, {verticalLine(record), kLowerResultLine}};
}

std::optional<MarkPoint> scotomaReferencePoint(const FigureRect& mark, int direction) {
    const ScotomaDirection* d = scotomaDirection(direction);
    if (d == nullptr) {
        return std::nullopt;
    }
    const QPoint p = leadingPoint(mark, *d);
    return MarkPoint{p.x(), p.y()};
}

bool scotomaDirectionValues(const CaptureGeometry& at, const DegreeScale& scale, int direction,
                            ResultRecord& record) {
    const std::optional<MarkPoint> point = scotomaReferencePoint(at.red, direction);
    if (!point) {
        return false;
    }
    const int dx = at.client.width() / 2 - point->x;
    const int dy = at.client.height() / 2 - point->y;
    double pixels = 0;
    const ScotomaDirection& d = *scotomaDirection(direction);
    if (d.fromY == 0) {
        pixels = dx;
    } else if (d.fromX == 0) {
        pixels = dy;
    } else {
        pixels = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    }
    const auto k = static_cast<std::size_t>(direction - 1);
    record.MarkPoints[k] = *point;
    record.DirectionValues[k] = tenth(scale.degrees(pixels));
    return true;
}

QPolygon scotomaOutline(const ResultRecord& record) {
    QPolygon outline;
    for (int direction : {1, 5, 2, 6, 3, 7, 4, 8}) {
        const MarkPoint& point = record.MarkPoints[static_cast<std::size_t>(direction - 1)];
        outline << QPoint(point.x, point.y);
    }
    return outline;
}

std::vector<ResultLine> fusionValues(const CaptureGeometry& at, const DegreeScale& scale,
                                     ResultRecord& record) {
    static const std::array<QString, 4> headings = {
        QStringLiteral("Фузионные резервы полож.  +"),
        QStringLiteral("Фузионные резервы отриц.  -"),
        QStringLiteral("Границы фузии скрещ.  +"),
        QStringLiteral("Границы фузии нескрещ. -"),
    };
    record.ValueX = tenthByHundredths(scale.degrees(std::abs(at.red.Left - at.blue.Left)));
    record.ObjectSize = tenthByHundredths(scale.degrees(std::abs(at.red.Left - at.red.Right)));
    const int variant = record.ObjectNumber;
    const QString heading =
        variant >= 1 && variant <= 4 ? headings[static_cast<std::size_t>(variant - 1)] : QString();
    return {{heading + number(record.ValueX) + QStringLiteral(" град."), kLowerResultLine}};
}

std::vector<ResultLine> scotomaTrainingValues(const CaptureGeometry& at, const DegreeScale& scale,
                                              int direction, bool targetReached,
                                              ResultRecord& record) {
    record.ObjectName = objectItemName(scotomaObjectCaptions(), record.ObjectNumber);
    if (!targetReached) {
        const double distance = scale.degrees(travelStillAhead(at, direction));
        if (std::fabs(distance) < std::fabs(record.ValueX)) {
            record.ValueX = std::fabs(tenth(distance));
        }
    }
    record.ValueX = tenth(record.ValueX);
    return {{QStringLiteral("По горизонтали: ") + number(record.ValueX) + QStringLiteral(" град."),
             kUpperResultLine}};
}

std::vector<ResultLine> kosoglTrainingValues(const CaptureGeometry& at, const DegreeScale& scale,
                                             ResultRecord& record) {
    record.ObjectName = objectItemName(trainingObjectCaptions(), record.ObjectNumber);
    record.ObjectSize = tenth(scale.degrees(std::max(widthOf(at.blue), widthOf(at.red))));
    const FigureSnapshot& start = at.start;
    const Offset& aligned = at.reference;
    record.ValueX = forFilter(tenth(scale.degrees(at.blue.Left + aligned.dx - at.red.Left)),
                              record.FilterPosition);
    record.DirectionValues[0] = forFilter(
        tenth(scale.degrees(start.BlueLeft0 + aligned.dx - start.RedLeft0)), record.FilterPosition);
    record.ValueY = tenth(scale.degrees(at.blue.Top + aligned.dy - at.red.Top));
    record.DirectionValues[1] = tenth(scale.degrees(start.BlueTop0 + aligned.dy - start.RedTop0));
    record.SignText = signText(record.ValueX);
    return linesWithStart(record);
}

std::vector<ResultLine> bifixationValues(const CaptureGeometry& at, const DegreeScale& scale,
                                         ResultRecord& record) {
    bifixationHorizontal(at, scale, record);
    record.ValueY = tenth(scale.degrees(at.blue.Top - at.red.Top));
    record.DirectionValues[1] = tenth(scale.degrees(at.start.BlueTop0 - at.start.RedTop0));
    return linesWithStart(record);
}

std::vector<ResultLine> fusionTrainingValues(const CaptureGeometry& at, const DegreeScale& scale,
                                             ResultRecord& record) {
    bifixationHorizontal(at, scale, record);
    return {{horizontalLine(record) + QStringLiteral(" град."), kUpperResultLine}};
}

} // namespace trelon
