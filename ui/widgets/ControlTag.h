// How every control of the tool is named for tests and assistive tools.
#pragma once

#include <QString>
#include <QVariant>

namespace brivane::ui {

// Names a control for tests and assistive tools: object name, the int property `controlId` (the
// control's id, -1 for a static without one) and the accessible name.
template <class W>
W* TagControl(W* w, const QString& objectName, int controlId, const QString& accessibleName) {
  w->setObjectName(objectName);
  w->setProperty("controlId", controlId);
  w->setAccessibleName(accessibleName);
  return w;
}

}  // namespace brivane::ui
