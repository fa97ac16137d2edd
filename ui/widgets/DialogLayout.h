// Helpers every window of the tool lays itself out with: dialog units and control tags.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace brivane::ui {

// Converts the templates' dialog units to pixels for a font, as the templates were laid out:
// horizontal units are a quarter of the font's average character width, vertical ones an eighth
// of its height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int X(int du) const;
  int Y(int du) const;
  QPoint Point(int x, int y) const { return {X(x), Y(y)}; }
  QSize Size(int w, int h) const { return {X(w), Y(h)}; }
  QRect Rect(int x, int y, int w, int h) const { return {Point(x, y), Size(w, h)}; }

 private:
  int m_baseX;
  int m_baseY;
};

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
