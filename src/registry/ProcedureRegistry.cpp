#include "registry/ProcedureRegistry.h"

#include "procedures/diagnostics/DiagCvetotest.h"
#include "procedures/diagnostics/DiagFuzia.h"
#include "procedures/diagnostics/DiagKosogl.h"
#include "procedures/diagnostics/DiagScotoma.h"
#include "procedures/trainings/TrenBifics.h"
#include "procedures/trainings/TrenCvetotest.h"
#include "procedures/trainings/TrenKosogl.h"
#include "procedures/trainings/TrenScotoma.h"

#include <algorithm>
#include <array>

namespace trelon {

namespace {

using K = ProcedureKind;

const std::array<ProcedureEntry, 8> kEntries = {{
    {K::DiagCvetotest, makeRunOf<DiagCvetotest>},
    {K::DiagKosogl, makeRunOf<DiagKosogl>},
    {K::DiagScotoma, makeRunOf<DiagScotoma>},
    {K::DiagFuzia, makeRunOf<DiagFuzia>},
    {K::TrenScotoma, makeRunOf<TrenScotoma>},
    {K::TrenKosogl, makeRunOf<TrenKosogl>},
    {K::TrenBifics, makeRunOf<TrenBifics>},
    {K::TrenCvetotest, makeRunOf<TrenCvetotest>},
}};

} // namespace

std::span<const ProcedureEntry> procedureEntries() {
    return kEntries;
}

const ProcedureEntry* procedureEntry(ProcedureKind kind) {
    const auto* found = std::find_if(kEntries.begin(), kEntries.end(),
                                     [kind](const ProcedureEntry& e) { return e.kind == kind; });
    return found == kEntries.end() ? nullptr : &*found;
}

std::unique_ptr<Procedure> makeRegisteredProcedure(ProcedureKind kind, RunServices& run,
                                                   SharedState& state, const PlatformSeams& seams) {
    const ProcedureEntry* entry = procedureEntry(kind);
    return entry != nullptr ? entry->makeRun(kind, run, state, seams) : nullptr;
}

} // namespace trelon
