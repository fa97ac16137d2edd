// Draws the picture of the axis window for the README: the vertical-axis example of docs/examples
// with a 48 V drive, on the screen the platform reports, the window drawn with a title bar.
// From the project root:
//   export QT_QPA_PLATFORM=offscreen:configfile=tests/ui/screens/large.json
//   build/release/tests/ui/axis/brivane_axis_screenshot docs/examples/vertical-axis.brivane-cycle docs/axis-window.png
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "engine/CycleFile.h"
#include "engine/TextFile.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "ui/app/AppSetup.h"
#include "ui/axis/AxisWindow.h"

int main(int argc, char* argv[]) {
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s CYCLE-FILE OUTPUT.png\n", argv[0]);
    return 64;
  }
  brivane::ui::SetUpApplication();
  const brivane::TextFileReading file = brivane::ReadTextFile(argv[1], brivane::kMaxCycleFileBytes);
  auto reading = brivane::CycleFromJson(file.text);
  if (file.error || !reading.cycle) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 64;
  }
  reading.cycle->drive.busVoltage = 48.0;
  brivane::ui::RecordingMessageSink messages;
  brivane::ui::ScriptedFileDialogs dialogs;
  brivane::ui::CAxisWindow window(brivane::MotorCatalog::Instance().Rows(), messages, &dialogs, nullptr);
  window.SetCycle(*reading.cycle);
  window.resize(1600, 1000);
  window.show();
  QTest::qWait(300);

  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  QImage image(window.width(), window.height() + title, QImage::Format_RGB32);
  QPainter painter(&image);
  QStyleOptionTitleBar bar;
  bar.initFrom(&window);
  bar.rect = QRect(0, 0, window.width(), title);
  bar.text = window.windowTitle();
  bar.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  bar.titleBarState = Qt::WindowActive;
  bar.state |= QStyle::State_Active;
  bar.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarCloseButton;
  window.style()->drawComplexControl(QStyle::CC_TitleBar, &bar, &painter, &window);
  painter.drawPixmap(0, title, window.grab());
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
