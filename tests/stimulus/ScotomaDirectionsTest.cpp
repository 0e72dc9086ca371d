#include "stimulus/ScotomaDirections.h"
#include "stimulus/ScotomaArrow.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>

namespace trelon {
namespace {

int sideOf(int offset, int tolerance) {
    return offset > tolerance ? 1 : offset < -tolerance ? -1 : 0;
}

// The training moves its figures by the table; the diagnostic draws its arrows by step
// number. Each step's arrow must start on the table's side and point along its travel, so
// that a direction means the same in both and in the stored records.
TEST(ScotomaDirectionsTest, EachEntryAgreesWithTheDiagnosticArrowOfItsStep) {
    const QSize client(800, 600);
    ArrowSizes sizes;
    sizes.length = 100;
    sizes.width = 60;
    sizes.shaft = 20;
    sizes.headStart = 50;
    for (int step = 1; step <= kScotomaDirectionCount; ++step) {
        SCOPED_TRACE(step);
        const ScotomaDirection& d = *scotomaDirection(step);
        const ScotomaArrow arrow = scotomaArrow(step, sizes, client);
        const QPoint offset = arrow.box.center() - QPoint(400, 300);
        EXPECT_EQ(sideOf(offset.x(), 2), d.fromX);
        EXPECT_EQ(sideOf(offset.y(), 2), d.fromY);

        // The tip, the polygon's point farthest along the travel, is the leading point.
        int tip = INT_MIN;
        for (const QPoint& p : arrow.points) {
            tip = std::max(tip, p.x() * d.travelX() + p.y() * d.travelY());
        }
        const FigureRect local{0, static_cast<std::uint16_t>(arrow.box.width()), 0,
                               static_cast<std::uint16_t>(arrow.box.height())};
        const QPoint lead = leadingPoint(local, d);
        EXPECT_EQ(lead.x() * d.travelX() + lead.y() * d.travelY(), tip);
    }
    EXPECT_EQ(scotomaDirection(0), nullptr);
    EXPECT_EQ(scotomaDirection(kScotomaDirectionCount + 1), nullptr);
}

} // namespace
} // namespace trelon
