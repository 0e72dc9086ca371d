#pragma once
// The eight procedures, one line each: the kind and its run class. Everything that differs
// between procedures is reached through a procedure's line.
#include "procedures/ProcedureMaker.h"

#include <span>

namespace trelon {

struct ProcedureEntry {
    ProcedureKind kind;
    ProcedureMaker makeRun; // the run class in the stimulus window
};

// The eight lines, diagnostics 1..4 then trainings 1..4.
std::span<const ProcedureEntry> procedureEntries();

// The line of kind; null for ProcedureKind::None.
const ProcedureEntry* procedureEntry(ProcedureKind kind);

// The run class of kind (the maker the stimulus window's run is given); null for none.
std::unique_ptr<Procedure> makeRegisteredProcedure(ProcedureKind kind, RunServices& run,
                                                   SharedState& state, const PlatformSeams& seams);

} // namespace trelon
