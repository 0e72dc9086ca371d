#pragma once
// The eight procedures as the results screen lists them: a group (diagnostics or training)
// and a number 1..4 within it, the pair every result record stores.
namespace trelon {

enum class ResultsProcedure {
    DiagCvetotest,
    DiagKosogl,
    DiagScotoma,
    DiagFuzia,
    TrenScotoma,
    TrenKosogl,
    TrenBifics,
    TrenCvetotest,
};

// The procedure of a diagnostics flag (1 diagnostics, 0 training) and a number 1..4; a number
// outside 1..4 gives the first procedure of the group.
inline ResultsProcedure resultsProcedureOf(bool diagnostics, int number) {
    const int index = number >= 1 && number <= 4 ? number - 1 : 0;
    return static_cast<ResultsProcedure>((diagnostics ? 0 : 4) + index);
}

inline bool isDiagnosticsProcedure(ResultsProcedure procedure) {
    return static_cast<int>(procedure) < 4;
}

// 1..4 within the group.
inline int procedureNumberOf(ResultsProcedure procedure) {
    return static_cast<int>(procedure) % 4 + 1;
}

} // namespace trelon
