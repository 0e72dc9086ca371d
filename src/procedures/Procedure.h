#pragma once
// The eight procedures, as the session's diagnostics flag and number select them.
#include "display/SessionParams.h"

namespace trelon {

enum class Procedure {
    None, // the flag and number select no procedure
    DiagCvetotest,
    DiagKosogl,
    DiagScotoma,
    DiagFuzia,
    TrenScotoma,
    TrenKosogl,
    TrenBifics,
    TrenCvetotest,
};

inline Procedure procedureOf(const SessionParams& session) {
    static constexpr Procedure diagnostics[] = {Procedure::DiagCvetotest, Procedure::DiagKosogl,
                                                Procedure::DiagScotoma, Procedure::DiagFuzia};
    static constexpr Procedure trainings[] = {Procedure::TrenScotoma, Procedure::TrenKosogl,
                                              Procedure::TrenBifics, Procedure::TrenCvetotest};
    const int number = session.ProcedureNumber;
    if (number < 1 || number > 4) {
        return Procedure::None;
    }
    return session.IsDiagnostics == 1 ? diagnostics[number - 1] : trainings[number - 1];
}

} // namespace trelon
