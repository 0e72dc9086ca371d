#pragma once
// The kind of procedure: which of the eight a record's (or the session's) diagnostics flag and
// number select.
#include "results/ResultRecord.h"

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

// The procedure of a diagnostics flag (1 diagnostics, anything else training) and a number
// 1..4; another number selects none.
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

// The procedure a stored record (or the session, whose leading part is its record) belongs to.
inline ProcedureKind procedureKindOf(const ResultRecord& record) {
    return procedureKindOf(record.IsDiagnostics, record.ProcedureNumber);
}

inline bool isDiagnostics(ProcedureKind kind) {
    return kind >= ProcedureKind::DiagCvetotest && kind <= ProcedureKind::DiagFuzia;
}

// 1..4 within the procedure's group; 0 for none.
inline int procedureNumberOf(ProcedureKind kind) {
    const int index = static_cast<int>(kind) - static_cast<int>(ProcedureKind::DiagCvetotest);
    return kind == ProcedureKind::None ? 0 : index % 4 + 1;
}

} // namespace trelon
