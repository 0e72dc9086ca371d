#pragma once
// One stored result: the 288-byte record appended to a patient's results file. The fields
// keep the types and widths of the stored layout; strings hold at most their capacity in
// characters that Windows-1251 can represent.
#include <QString>
#include <array>
#include <cstdint>

namespace trelon {

inline constexpr int kResultRecordSize = 288;
inline constexpr int kPatientNameCapacity = 50;
inline constexpr int kObjectNameCapacity = 12;
inline constexpr int kSignTextCapacity = 3;

struct MarkPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const MarkPoint&) const = default;
};

struct ResultRecord {
    std::int32_t PatientNumber = 0;
    QString PatientName;               // capacity 50
    QString ObjectName;                // capacity 12
    double SessionDate = 0;            // whole days since 30 December 1899
    std::uint8_t IsDiagnostics = 0;    // 1 diagnostics, 0 training
    std::uint16_t ProcedureNumber = 0; // 1..4 within the group
    std::uint16_t ObjectNumber = 0;
    double ObjectSize = 0; // degrees
    double DistanceCm = 0;
    std::int32_t FilterPosition = 0; // 1 red right, 2 blue right
    std::int32_t ContrastLevel = 0;  // 1..3
    double ValueX = 0;
    double ValueY = 0;
    std::uint16_t FlickerVariant = 0;
    std::uint16_t FlickerHz = 0;
    std::int32_t StepPixels = 0;
    std::int32_t PauseSeconds = 0;
    std::int32_t MoveInterval = 0;
    std::int32_t WorkMode = 0;
    QString SignText; // capacity 3
    std::array<MarkPoint, 8> MarkPoints{};
    std::array<double, 8> DirectionValues{};

    bool operator==(const ResultRecord&) const = default;
};

} // namespace trelon
