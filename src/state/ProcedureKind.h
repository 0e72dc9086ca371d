#pragma once
// The kind of procedure: which of the eight the session's diagnostics flag and number select.
#include "state/SessionParams.h"

namespace trelon {

enum class ProcedureKind {
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
inline ProcedureKind procedureKindOf(int isDiagnostics, int number) {
    static constexpr ProcedureKind diagnostics[] = {
        ProcedureKind::DiagCvetotest, ProcedureKind::DiagKosogl, ProcedureKind::DiagScotoma,
        ProcedureKind::DiagFuzia};
    static constexpr ProcedureKind trainings[] = {
        ProcedureKind::TrenScotoma, ProcedureKind::TrenKosogl, ProcedureKind::TrenBifics,
        ProcedureKind::TrenCvetotest};
    if (number < 1 || number > 4) {
        return ProcedureKind::None;
    }
    return isDiagnostics == 1 ? diagnostics[number - 1] : trainings[number - 1];
}

inline ProcedureKind procedureKindOf(const SessionParams& session) {
    return procedureKindOf(session.IsDiagnostics, session.ProcedureNumber);
}

} // namespace trelon
