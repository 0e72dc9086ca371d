#pragma once
// The state of one run of a procedure in the stimulus window: where the two anaglyph
// figures are, which one the patient's input moves, the step of the run and the flags the
// scene builders, the window and the procedure rules share. Figure 1 is drawn in IndexBlue,
// figure 2 in IndexRed.
//
// Two values of the run live in the session instead. The flicker period is kept in the
// session's FlickerHz field, which holds the chosen frequency in hertz until a scene sets the
// period, and the result record stores it as it stands at capture; FlickerPeriodMs() names
// it. The bifixation phase is SessionParams::BifixPhase, set to 1 by the start button.
#include "state/SessionParams.h"

#include <cstdint>

namespace trelon {

// Screen-pixel box of a figure, edges inclusive. Left 1000, Right 0 (and Top 1000,
// Bottom 0) means empty.
struct FigureRect {
    std::uint16_t Left = 0;
    std::uint16_t Right = 0;
    std::uint16_t Top = 0;
    std::uint16_t Bottom = 0;

    bool operator==(const FigureRect&) const = default;
};

struct CursorPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;

    bool operator==(const CursorPoint&) const = default;
};

// Positions of the figures when the scene was built or the movement started.
struct FigureSnapshot {
    std::int16_t BlueLeft0 = 0;
    std::int16_t RedLeft0 = 0;
    std::int16_t RedTop0 = 0;
    std::int16_t BlueTop0 = 0;
};

struct Offset {
    std::int32_t dx = 0;
    std::int32_t dy = 0;
};

// Which figure the patient's input moves.
enum : std::int16_t { FigureNone = 0, FigureBlue = 1, FigureRed = 2 };

struct RunState {
    // Common to all procedures.
    FigureRect BlueRect;
    FigureRect RedRect;
    std::int16_t ActiveFigure = FigureNone;
    std::int16_t SavedActiveFigure = FigureNone; // put aside while input is suspended
    std::int16_t StepNo = 0;                     // 1..8; 9 all steps done
    bool ResultShown = false;                    // the result is on screen
    bool FlickerOn = true;                       // the flickering image is visible now
    std::int32_t LastToggleTime = 0;             // ms since midnight
    std::int32_t LastAutoMoveTime = 0;           // ms since midnight
    bool FigurePicked = false;
    bool Touched = false;
    bool TargetReached = false;
    bool VerticalPhase = false;
    bool TimeBoxActive = false;
    std::int32_t EdgeMargin = 0; // 2, 5 or 10 pixels
    CursorPoint LastCursor;
    bool SkipFirstMove = false;
    bool AlternatePhase = false;

    // Procedures that measure from where the figures started: DiagKosogl (when the scene was
    // built) and the trainings (when the movement or the clock started).
    FigureSnapshot StartSnapshot;

    // Trainings. The activation starts the oscillation afresh (SwingIn and its travels) and
    // the frame's flicker and time box read ElapsedSeconds; what only one procedure uses lives
    // in that procedure's object.
    double PathSlope = 0; // TrenKosogl, TrenBifics
    bool SwingIn = false;
    std::int32_t SwingInTravel = 0;
    std::int32_t SwingOutTravel = 0;
    bool MouseArmed = false; // TrenBifics, TrenKosogl; cleared by every scene
    std::int32_t ElapsedSeconds = 0;
};

// The flicker period in milliseconds; 0 means no flicker.
inline std::uint16_t& FlickerPeriodMs(SessionParams& session) {
    return session.FlickerHz;
}
inline std::uint16_t FlickerPeriodMs(const SessionParams& session) {
    return session.FlickerHz;
}

} // namespace trelon
