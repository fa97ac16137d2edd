#include "ui/widgets/DialogUnits.h"

#include <QFontMetrics>

#include <algorithm>

namespace brivane::ui {

DialogUnits::DialogUnits(const QFont& font) {
  // The platform's rule: the mean advance of the 52 Latin letters, rounded, and the line height.
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_baseX = std::max(1, (letters / 26 + 1) / 2);
  m_baseY = std::max(1, metrics.height());
}

int DialogUnits::X(int du) const { return (du * m_baseX + (du >= 0 ? 2 : -2)) / 4; }
int DialogUnits::Y(int du) const { return (du * m_baseY + (du >= 0 ? 4 : -4)) / 8; }

}  // namespace brivane::ui
