#include "display/DisplayResult.h"

namespace trelon {

QString describeResult(int code) {
    switch (static_cast<DisplayResult>(code)) {
    case DisplayResult::Ok:
        return QStringLiteral("The request completed successfully.");
    case DisplayResult::Generic:
        return QStringLiteral("The display device failed for an undetermined reason.");
    case DisplayResult::OutOfMemory:
        return QStringLiteral("There is not enough memory to perform the operation.");
    case DisplayResult::InvalidParams:
        return QStringLiteral("One or more of the parameters passed to the operation are "
                              "incorrect.");
    case DisplayResult::InvalidObject:
        return QStringLiteral("The object given to the display device is not valid.");
    case DisplayResult::Unsupported:
        return QStringLiteral("The operation is not supported.");
    case DisplayResult::SurfaceLost:
        return QStringLiteral("The surface memory is gone; restore the surface before using "
                              "it.");
    case DisplayResult::SurfaceBusy:
        return QStringLiteral("Access to the surface is refused because it is locked or its "
                              "device context is in use.");
    case DisplayResult::WasStillDrawing:
        return QStringLiteral("The previous copy to or from this surface is not finished.");
    case DisplayResult::NotLocked:
        return QStringLiteral("The surface was unlocked without being locked.");
    case DisplayResult::InvalidRect:
        return QStringLiteral("The rectangle given is not valid.");
    case DisplayResult::InvalidMode:
        return QStringLiteral("The display mode requested is not supported.");
    case DisplayResult::CantCreateDC:
        return QStringLiteral("No device context can be created for the surface.");
    case DisplayResult::NoExclusiveMode:
        return QStringLiteral("The operation needs exclusive use of the display.");
    case DisplayResult::PrimaryExists:
        return QStringLiteral("A primary surface already exists.");
    case DisplayResult::NoPaletteAttached:
        return QStringLiteral("No palette is attached to the surface.");
    }
    return QStringLiteral("Unrecognized Error");
}

QString describeResult(DisplayResult result) {
    return describeResult(static_cast<int>(result));
}

} // namespace trelon
