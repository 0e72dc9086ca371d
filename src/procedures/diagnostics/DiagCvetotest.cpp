#include "procedures/diagnostics/DiagCvetotest.h"

#include "display/Canvas.h"
#include "display/Surface.h"
#include "platform/Cursor.h"
#include "state/SharedState.h"
#include "stimulus/SceneConversions.h"

#include <array>
#include <memory>

namespace trelon {

namespace {

enum class Dot { Red, Blue, All };
enum Row { Top, Middle, Bottom };

struct PanelDot {
    int cell;   // 0..6
    int offset; // x from the cell's start
    Row row;
    Dot colour;
};

// What each answer cell shows: the seven ways the four dots can be seen.
constexpr std::array<PanelDot, 27> kPanelDots = {{
    {0, 21, Middle, Dot::Red},  {0, 42, Middle, Dot::Red},

    {1, 21, Top, Dot::Blue},    {1, 21, Middle, Dot::Blue}, {1, 21, Bottom, Dot::Blue},

    {2, 21, Top, Dot::Blue},    {2, 21, Middle, Dot::Blue}, {2, 21, Bottom, Dot::Blue},
    {2, 42, Middle, Dot::Red},  {2, 63, Middle, Dot::Red},

    {3, 21, Middle, Dot::Red},  {3, 42, Middle, Dot::Red},  {3, 63, Top, Dot::Blue},
    {3, 63, Middle, Dot::Blue}, {3, 63, Bottom, Dot::Blue},

    {4, 21, Top, Dot::Blue},    {4, 21, Bottom, Dot::Blue}, {4, 21, Middle, Dot::Red},
    {4, 42, Middle, Dot::Red},

    {5, 21, Top, Dot::Blue},    {5, 21, Middle, Dot::Blue}, {5, 21, Bottom, Dot::Blue},
    {5, 42, Middle, Dot::Red},

    {6, 21, Top, Dot::Blue},    {6, 21, Bottom, Dot::Blue}, {6, 21, Middle, Dot::All},
    {6, 42, Middle, Dot::Red},
}};

constexpr int kPanelWidth = 600;
constexpr int kCellWidth = 84;
constexpr int kDotRadius = 8;
constexpr int kFrameWidth = 585;
constexpr int kLineWidth = 3;

void disk(Canvas& canvas, int x, int y, int r, ColourWord colour) {
    canvas.setPen(colour);
    canvas.setBrush(colour);
    canvas.ellipse(x - r, y - r, x + r, y + r);
}

} // namespace

DiagCvetotest::DiagCvetotest(ProcedureKind kind, RunServices& frame, SharedState& state,
                             const PlatformSeams& seams)
    : Procedure(kind, frame, state, seams, ProcedureTraits{}) {}

void DiagCvetotest::composeScene() {
    const QSize size = client();
    const int w = size.width();
    const int h = size.height();
    const RoleColours& roles = state().roles;
    const double mmpp = state().settings.MmPerPixel;

    Surface* screen = clearedPrimary();
    std::unique_ptr<Canvas> canvas;
    if (screen == nullptr || !succeeded(screen->getCanvas(canvas))) {
        surfaceAccessError();
        return;
    }

    // The four dots: the common one, two blue ones above and below it, a red one to the right.
    const int x1 = w / 2 - mmToPixels(40, mmpp);
    const int y1 = (h - 75) / 2;
    const int r = mmToPixels(11, mmpp);
    const int below = mmToPixels(45, mmpp);
    disk(*canvas, x1, y1, r, roles.ColorAll);
    disk(*canvas, x1, y1 + below, r, roles.ColorBlue);
    disk(*canvas, x1, y1 + below - mmToPixels(90, mmpp), r, roles.ColorBlue);
    disk(*canvas, x1 + mmToPixels(60, mmpp), y1, r, roles.ColorRed);

    // The answer panel.
    const int x0 = (w - kPanelWidth) / 2;
    const int rowY[] = {h - 59, h - 38, h - 17};
    auto colourOf = [&roles](Dot dot) {
        return dot == Dot::Red    ? roles.ColorRed
               : dot == Dot::Blue ? roles.ColorBlue
                                  : roles.ColorAll;
    };
    for (const PanelDot& dot : kPanelDots) {
        disk(*canvas, x0 + kCellWidth * dot.cell + dot.offset, rowY[dot.row], kDotRadius,
             colourOf(dot.colour));
    }
    canvas->setPen(roles.ColorAll, kLineWidth);
    for (int k = 1; k <= 6; ++k) {
        canvas->moveTo(x0 + kCellWidth * k, h - 76);
        canvas->lineTo(x0 + kCellWidth * k, h - 2);
    }
    canvas->polyline(QPolygon({{x0, h - 76},
                               {x0 + kFrameWidth, h - 76},
                               {x0 + kFrameWidth, h - 3},
                               {x0, h - 3},
                               {x0, h - 76}}));
    canvas.reset();

    seams().cursor.setPosition(QPoint(x0, h - 76));
    seams().cursor.setProgramCursor();
}

void DiagCvetotest::enterKey() {
    frame().CloseWindow();
}

void DiagCvetotest::mouseDown(Qt::MouseButton /*button*/, int x, int /*y*/) {
    clickX_ = x;
    if (runState().ResultShown) {
        frame().CloseWindow();
    } else {
        // A click outside the seven fields captures nothing and the run goes on.
        frame().CaptureResult();
    }
}

bool DiagCvetotest::prepareCapture() {
    // Outside the seven fields there is no vision type to name.
    field_ = colourTestField(clickX_, frame().screenSize().width());
    visionText_ = colourTestVisionText(field_, session().FilterPosition);
    return visionText_.has_value();
}

CapturedValues DiagCvetotest::captureValues(const CaptureGeometry& /*at*/,
                                            const DegreeScale& /*scale*/) {
    session().ValueX = field_;
    return {{{*visionText_, kUpperResultLine}}};
}

} // namespace trelon
