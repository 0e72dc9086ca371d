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

// The procedure of a diagnostics flag (1 diagnostics, 0 training) and a number 1..4.
inline Procedure procedureOf(int isDiagnostics, int number) {
    static constexpr Procedure diagnostics[] = {Procedure::DiagCvetotest, Procedure::DiagKosogl,
                                                Procedure::DiagScotoma, Procedure::DiagFuzia};
    static constexpr Procedure trainings[] = {Procedure::TrenScotoma, Procedure::TrenKosogl,
                                              Procedure::TrenBifics, Procedure::TrenCvetotest};
    if (number < 1 || number > 4) {
        return Procedure::None;
    }
    return isDiagnostics == 1 ? diagnostics[number - 1] : trainings[number - 1];
}

inline Procedure procedureOf(const SessionParams& session) {
    return procedureOf(session.IsDiagnostics, session.ProcedureNumber);
}

} // namespace trelon
