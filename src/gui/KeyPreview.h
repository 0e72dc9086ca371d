#pragma once
// Key preview for screens that see every key before their controls do: an application event
// filter sees a key event once per widget it is offered to, and only the first offer (to the
// focus widget inside the screen, or to the screen itself) counts.
class QObject;
class QWidget;

namespace trelon {

bool isFirstKeyDelivery(const QWidget* screen, const QObject* watched);

} // namespace trelon
