#include "registry/ProcedureRegistry.h"

#include "procedures/diagnostics/DiagCvetotest.h"
#include "procedures/diagnostics/DiagFuzia.h"
#include "procedures/diagnostics/DiagKosogl.h"
#include "procedures/diagnostics/DiagScotoma.h"
#include "procedures/trainings/TrenBifics.h"
#include "procedures/trainings/TrenCvetotest.h"
#include "procedures/trainings/TrenKosogl.h"
#include "procedures/trainings/TrenScotoma.h"
#include "results/formats/DiagCvetotestResults.h"
#include "results/formats/DiagFuziaResults.h"
#include "results/formats/DiagKosoglResults.h"
#include "results/formats/DiagScotomaResults.h"
#include "results/formats/TrenBificsResults.h"
#include "results/formats/TrenCvetotestResults.h"
#include "results/formats/TrenKosoglResults.h"
#include "results/formats/TrenScotomaResults.h"

#include <algorithm>
#include <array>

namespace trelon {

namespace {

using K = ProcedureKind;

const std::array<ProcedureEntry, 8> kEntries = {{
    {K::DiagCvetotest, makeRunOf<DiagCvetotest>, diagCvetotestResults(), kDiagCvetotestSetup},
    {K::DiagKosogl, makeRunOf<DiagKosogl>, diagKosoglResults(), kDiagKosoglSetup},
    {K::DiagScotoma, makeRunOf<DiagScotoma>, diagScotomaResults(), kDiagScotomaSetup},
    {K::DiagFuzia, makeRunOf<DiagFuzia>, diagFuziaResults(), kDiagFuziaSetup},
    {K::TrenScotoma, makeRunOf<TrenScotoma>, trenScotomaResults(), kTrenScotomaSetup},
    {K::TrenKosogl, makeRunOf<TrenKosogl>, trenKosoglResults(), kTrenKosoglSetup},
    {K::TrenBifics, makeRunOf<TrenBifics>, trenBificsResults(), kTrenBificsSetup},
    {K::TrenCvetotest, makeRunOf<TrenCvetotest>, trenCvetotestResults(), kTrenCvetotestSetup},
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
