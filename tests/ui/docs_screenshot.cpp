// Draws the picture of the window on a small screen for the README: the form after a duty check of
// CL-01 with 3 kg, with the data sheet the check opened, on the screen the platform reports. Each
// window is drawn with a title bar of the style's height, as the windows are placed.
// From the project root:
//   export QT_QPA_PLATFORM=offscreen:configfile=tests/ui/screens/small.json
//   build/release/tests/ui/brivane_docs_screenshot docs/screenshot-1024x768.png
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "ui/app/AppSetup.h"

namespace {

void DrawWindow(QPainter& painter, QWidget* window) {
  const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
  QStyleOptionTitleBar bar;
  bar.initFrom(window);
  bar.rect = QRect(0, 0, window->width(), title);
  bar.text = window->windowTitle();
  bar.icon = window->windowIcon();
  bar.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  bar.titleBarState = Qt::WindowActive;
  bar.state |= QStyle::State_Active;
  bar.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarSysMenu | QStyle::SC_TitleBarCloseButton;
  painter.save();
  painter.translate(window->pos());
  window->style()->drawComplexControl(QStyle::CC_TitleBar, &bar, &painter, window);
  painter.drawPixmap(0, title, window->grab());
  painter.restore();
}

}  // namespace

int main(int argc, char* argv[]) {
  // Not the user's remembered window places: settings of its own, thrown away afterwards.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 64;
  }
  brivane::ui::SetUpApplication();
  brivane::ui::RecordingMessageSink sink;
  formtest::FormDriver form(sink);
  form.TypeMove(QStringLiteral("3"));
  form.PickModel(QStringLiteral("CL-01"));
  form.Click("buttonCheckDuty");
  form.Click("buttonSelect");
  QTest::qWait(200);

  const QRect screen = form.frame->screen()->geometry();
  QImage image(screen.size(), QImage::Format_RGB32);
  image.fill(QColor(0x3a, 0x5f, 0x7d));
  QPainter painter(&image);
  DrawWindow(painter, form.frame.get());
  for (brivane::ui::CMotorSpecSheet* sheet : form.Sheets()) DrawWindow(painter, sheet);
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
