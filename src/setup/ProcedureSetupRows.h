#pragma once
// What the set-up screen shows for each procedure: one row per procedure with its caption,
// the groups it shows besides the filter and distance groups, the group whose picture the
// screen previews and how it arranges its groups. Activation reads the row of the session's
// procedure; the registry joins each row to its procedure.
#include "results/ProcedureKind.h"
#include "setup/ProcedureSetupControls.h"

#include <optional>
#include <span>

namespace trelon {

struct SetupRow {
    const char* caption = nullptr;            // the window caption, UTF-8; null keeps the caption
    std::span<const SetupControl> shown = {}; // groups shown besides the filter and distance
    bool hidesSize = false;                   // the size group (shown by default) is hidden
    bool flickerSquares = false;              // the eight flicker preview squares show
    std::optional<SetupControl> preview =
        std::nullopt;                               // the object group whose picture is previewed
    void (*arrange)(SetupControlStates&) = nullptr; // places and resets the shown groups
};

extern const SetupRow kNoProcedureSetup;
extern const SetupRow kDiagCvetotestSetup;
extern const SetupRow kDiagKosoglSetup;
extern const SetupRow kDiagScotomaSetup;
extern const SetupRow kDiagFuziaSetup;
extern const SetupRow kTrenScotomaSetup;
extern const SetupRow kTrenKosoglSetup;
extern const SetupRow kTrenBificsSetup;
extern const SetupRow kTrenCvetotestSetup;

// The row of kind; the no-procedure row for ProcedureKind::None.
const SetupRow& setupRowOf(ProcedureKind kind);

} // namespace trelon
