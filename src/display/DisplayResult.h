#pragma once
// Result codes of the display device and their readable descriptions.
#include <QString>

namespace trelon {

// What a display operation reports. Code 1 is deliberately unused: like every code the
// device does not know, it reads "Unrecognized Error" (the stimulus window reports its own
// failures with code 1).
enum class DisplayResult : int {
    Ok = 0,
    Generic = 2,
    OutOfMemory = 3,
    InvalidParams = 4,
    InvalidObject = 5,
    Unsupported = 6,
    SurfaceLost = 7,
    SurfaceBusy = 8,
    WasStillDrawing = 9,
    NotLocked = 10,
    InvalidRect = 11,
    InvalidMode = 12,
    CantCreateDC = 13,
    NoExclusiveMode = 14,
    PrimaryExists = 15,
    NoPaletteAttached = 16,
};

inline constexpr int kUnrecognizedResultCode = 1;

// The readable description of a result code; unknown codes give "Unrecognized Error".
QString describeResult(int code);
QString describeResult(DisplayResult result);

inline bool succeeded(DisplayResult result) {
    return result == DisplayResult::Ok;
}

} // namespace trelon
