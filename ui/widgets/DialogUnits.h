// The dialog templates' unit of length, which every window of the tool lays itself out in.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

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

}  // namespace brivane::ui
