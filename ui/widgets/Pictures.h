// The tool's own pictures, all loaded here: the logo on the form and in the About box, the window
// icon, and the drawing of each motor series on its data sheet.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

namespace brivane::ui {

class DialogUnits;

// The logo (picture 130) rendered at the given size in device-independent pixels.
QPixmap LogoPixmap(QSize size);
// The logo as a fixed-size label of 29 x 25 dialog units, tagged with the picture's id.
QLabel* LogoLabel(const QString& objectName, const DialogUnits& du);
// The window icon (16, 32, 64 and 256 pixels), drawn when something first asks for it.
QIcon ApplicationIcon();
// The same icon drawn at once.
QIcon DrawApplicationIcon();
// A series' drawing (picture `pictureId`) at its drawn size, sharp on high-density screens too;
// a null pixmap when the picture is missing.
QPixmap SeriesPicture(int pictureId, qreal devicePixelRatio);

}  // namespace brivane::ui
