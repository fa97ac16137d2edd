// The tool's own pictures: the logo shown on the form and in the About box, and the window icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace brivane::ui {

// The logo (picture 130) rendered at the given size in device-independent pixels.
QPixmap LogoPixmap(QSize size);
QIcon ApplicationIcon();

}  // namespace brivane::ui
