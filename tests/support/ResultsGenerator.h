#pragma once
// Results of all eight procedures for one patient, made up but plausible, for the results
// screen's tests, benchmarks and demonstration data. Record i belongs to procedure i % 8 and
// the days advance every eight records, so every procedure has a session on every day.
#include "results/ProcedureKind.h"
#include "results/ResultRecordCodec.h"
#include "results/SessionDate.h"

#include <QByteArray>
#include <QDate>
#include <cmath>
#include <vector>

namespace trelon::test {

inline ResultRecord generatedResult(int i, int patientNumber, const QString& patientName) {
    static const int distances[] = {50, 100, 200, 300, 400, 500, 100, 50};
    static const char* const figures[] = {"Круг", "Самолёт", "Бабочка", "Груша"};
    const auto procedure = static_cast<ProcedureKind>(i % 8 + 1);
    const int day = i / 8;
    const double wave = std::round(30 * std::sin(day * 0.7 + i % 8) + 5 * (i % 3)) / 10.0;
    ResultRecord r;
    r.PatientNumber = patientNumber;
    r.PatientName = patientName;
    r.ObjectName = QString::fromUtf8(figures[day % 4]);
    r.SessionDate = SessionDateFromDate(QDate(2026, 1, 12).addDays(day));
    r.IsDiagnostics = isDiagnostics(procedure) ? 1 : 0;
    r.ProcedureNumber = static_cast<std::uint16_t>(procedureNumberOf(procedure));
    r.ObjectNumber = static_cast<std::uint16_t>(day % 2 + 1);
    r.ObjectSize = 1 + day % 5;
    r.DistanceCm = distances[day % 8];
    r.FilterPosition = day % 3 == 2 ? 2 : 1;
    r.ContrastLevel = day % 3 + 1;
    r.ValueX = wave;
    r.ValueY = std::round(10 * std::cos(day * 0.5)) / 10.0;
    r.WorkMode = day % 3;
    switch (procedure) {
    case ProcedureKind::DiagCvetotest:
        r.ValueX = day % 7 + 1;
        break;
    case ProcedureKind::DiagScotoma:
        for (std::size_t k = 0; k < 8; ++k) {
            const double extent = std::round(10 * (2 + std::sin(day + k))) / 10.0;
            r.DirectionValues[k] = k < 4 && k % 2 == 1 ? -extent : extent;
        }
        break;
    case ProcedureKind::DiagFuzia:
        r.ObjectNumber = static_cast<std::uint16_t>(day % 4 + 1);
        r.ValueX = std::fabs(wave) + 1;
        break;
    case ProcedureKind::TrenScotoma:
        r.ValueX = std::fabs(wave);
        r.WorkMode = (day % 8) * 45;
        break;
    case ProcedureKind::TrenKosogl:
    case ProcedureKind::TrenBifics:
        r.DirectionValues[0] = wave + 2;
        r.DirectionValues[1] = r.ValueY - 1;
        break;
    case ProcedureKind::TrenCvetotest:
        r.ValueX = std::fabs(wave) + day % 4;
        r.DirectionValues[0] = 1;
        break;
    default:
        break;
    }
    return r;
}

// count records 0 … count - 1, encoded one after another as a results file holds them.
inline QByteArray generatedResultsFile(int count, int patientNumber, const QString& patientName) {
    QByteArray bytes;
    bytes.reserve(count * kResultRecordSize);
    for (int i = 0; i < count; ++i) {
        bytes += EncodeResultRecord(generatedResult(i, patientNumber, patientName));
    }
    return bytes;
}

} // namespace trelon::test
