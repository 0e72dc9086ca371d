#pragma once
// The run classes of the eight procedures for the procedure tests, which link nothing above
// the procedures layer (the program gets the same classes from its procedure registry).
#include "procedures/ProcedureMaker.h"
#include "procedures/diagnostics/DiagCvetotest.h"
#include "procedures/diagnostics/DiagFuzia.h"
#include "procedures/diagnostics/DiagKosogl.h"
#include "procedures/diagnostics/DiagScotoma.h"
#include "procedures/trainings/TrenBifics.h"
#include "procedures/trainings/TrenCvetotest.h"
#include "procedures/trainings/TrenKosogl.h"
#include "procedures/trainings/TrenScotoma.h"

#include <utility>

namespace trelon::test {

inline std::unique_ptr<Procedure> makeTestedProcedure(ProcedureKind kind, RunServices& run,
                                                      SharedState& state,
                                                      const PlatformSeams& seams) {
    using K = ProcedureKind;
    static constexpr std::pair<K, ProcedureMaker> kRuns[] = {
        {K::DiagCvetotest, makeRunOf<DiagCvetotest>}, {K::DiagKosogl, makeRunOf<DiagKosogl>},
        {K::DiagScotoma, makeRunOf<DiagScotoma>},     {K::DiagFuzia, makeRunOf<DiagFuzia>},
        {K::TrenScotoma, makeRunOf<TrenScotoma>},     {K::TrenKosogl, makeRunOf<TrenKosogl>},
        {K::TrenBifics, makeRunOf<TrenBifics>},       {K::TrenCvetotest, makeRunOf<TrenCvetotest>},
    };
    for (const auto& [known, make] : kRuns) {
        if (known == kind) {
            return make(kind, run, state, seams);
        }
    }
    return nullptr;
}

} // namespace trelon::test
