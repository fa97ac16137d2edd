// How a shown result tells the user more than its text: coloured when it is beyond what the motor
// may take, greyed when the inputs have changed since it was computed. Screen readers hear the same
// through the accessible description. The texts themselves never change.
#pragma once

#include <QString>

#include "engine/Presentation.h"

class QWidget;

namespace brivane::ui {

// `why` is what the accessible description says while the alert holds.
void MarkAlert(QWidget* result, ResultAlert alert, const QString& why = QString());
void MarkStale(QWidget* result, bool stale);

// What the two marks hold now, as the widget carries them.
ResultAlert AlertOf(const QWidget* result);
bool IsStale(const QWidget* result);

}  // namespace brivane::ui
