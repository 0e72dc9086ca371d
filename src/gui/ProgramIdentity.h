#pragma once
// How the program names itself: the Cyrillic title the operator reads, and the Latin names
// the desktop matches (window class, desktop entry, per-user folders).
#include <QString>

namespace trelon {

inline const QString kProgramTitle = QStringLiteral("ТРЕЛОН-2");
inline const QString kApplicationName = QStringLiteral("trelon2");
inline const QString kOrganisationName = QStringLiteral("trelon");
inline const QString kDesktopFileName = QStringLiteral("org.trelon.Trelon2");

} // namespace trelon
