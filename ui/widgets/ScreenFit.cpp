#include "ui/widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace brivane::ui {
namespace {

// One axis: pull the far edge in first, then the near edge, so the near edge wins when the frame
// is longer than the area.
int Inside(int start, int length, int areaStart, int areaLength) {
  start = std::min(start, areaStart + areaLength - length);
  return std::max(start, areaStart);
}

// The window's frame around its client area. Before the window system has shown the window the
// frame is not known; a title bar of the style's height stands in for it then.
QMargins FrameMargins(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  if (frame != client) {
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
  }
  return {0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), 0, 0};
}

const QScreen* ScreenOf(const QWidget* window, const QRect& frame) {
  if (const QScreen* s = QGuiApplication::screenAt(frame.center())) return s;
  if (const QScreen* s = QGuiApplication::screenAt(frame.topLeft())) return s;
  if (const QScreen* s = window->screen()) return s;
  return QGuiApplication::primaryScreen();
}

}  // namespace

QPoint PositionInside(const QRect& frame, const QRect& area) {
  return {Inside(frame.left(), frame.width(), area.left(), area.width()),
          Inside(frame.top(), frame.height(), area.top(), area.height())};
}

void FitIntoScreen(QWidget* window, ScreenFit fit) {
  const QMargins margins = FrameMargins(window);
  // QWidget::pos() of a window is its frame's top-left corner.
  QRect frame(window->pos(), window->size().grownBy(margins));
  const QScreen* screen = ScreenOf(window, frame);
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  if (fit == ScreenFit::ShrinkThenMove) {
    const QSize client = window->size().boundedTo(area.size().shrunkBy(margins)).expandedTo(window->minimumSize());
    if (client != window->size()) window->resize(client);
    frame.setSize(client.grownBy(margins));
  }
  const QPoint target = PositionInside(frame, area);
  if (target != frame.topLeft()) window->move(target);
}

bool RestoreGeometryInsideScreen(QWidget* window, const QByteArray& geometry) {
  const QRect before = window->geometry();
  const Qt::WindowStates state = window->windowState();
  if (window->restoreGeometry(geometry)) {
    const QRect frame = window->geometry().marginsAdded(FrameMargins(window));
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (std::any_of(screens.begin(), screens.end(),
                    [&](const QScreen* s) { return s->availableGeometry().contains(frame); }))
      return true;
  }
  window->setWindowState(state);
  window->setGeometry(before);
  return false;
}

}  // namespace brivane::ui
