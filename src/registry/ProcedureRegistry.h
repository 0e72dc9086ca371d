#pragma once
// The eight procedures, one line each: the kind, its run class, the format of its results and its
// set-up row. Everything that differs between procedures is reached through a procedure's line.
#include "procedures/ProcedureMaker.h"
#include "results/ResultsFormat.h"
#include "setup/ProcedureSetupRows.h"

#include <span>

namespace trelon {

struct ProcedureEntry {
    ProcedureKind kind;
    ProcedureMaker makeRun;       // the run class in the stimulus window
    const ResultsFormat& results; // its table, filter and graph on the results screen
    const SetupRow& setup;        // what the set-up screen shows for it
};

// The eight lines, diagnostics 1..4 then trainings 1..4.
std::span<const ProcedureEntry> procedureEntries();

// The line of kind; null for ProcedureKind::None.
const ProcedureEntry* procedureEntry(ProcedureKind kind);

// The run class of kind (the maker the stimulus window's run is given); null for none.
std::unique_ptr<Procedure> makeRegisteredProcedure(ProcedureKind kind, RunServices& run,
                                                   SharedState& state, const PlatformSeams& seams);

} // namespace trelon
