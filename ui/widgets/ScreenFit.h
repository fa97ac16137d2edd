// Keeps top-level windows on the screen: a window opens where its template puts it, then moves the
// least needed to lie inside the screen's available area (and may shrink to it).
#pragma once

#include <QPoint>
#include <QRect>

class QByteArray;
class QWidget;

namespace brivane::ui {

// The top-left corner that brings `frame` inside `area` with the least move. A frame larger than
// the area keeps its top-left corner inside, so that the caption stays within reach.
QPoint PositionInside(const QRect& frame, const QRect& area);

enum class ScreenFit {
  MoveOnly,        // fixed-size windows
  ShrinkThenMove,  // windows whose contents scroll
};

// Fits a top-level window, its frame included, into the available geometry of the screen under
// its centre (or the screen it belongs to). Works before the window is shown: the frame is then
// guessed from the style's title-bar height.
void FitIntoScreen(QWidget* window, ScreenFit fit);

// Restores a geometry saved by QWidget::saveGeometry only when the window, its frame included,
// then lies inside the available area of a screen; otherwise the window keeps its geometry and
// state and false is returned. Before the window is shown, so that nothing is drawn at a size no
// screen has (32767 x 32767 pixels are gigabytes of backing store).
bool RestoreGeometryInsideScreen(QWidget* window, const QByteArray& geometry);

}  // namespace brivane::ui
