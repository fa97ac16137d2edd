// Draws the README's pictures of the main window, each a scene of its own:
//   form          the form after a selection and a duty check of CL-01 with 1 kg
//   form-en       the same in English
//   datasheets    that form with the three data sheets "선정모터 사양보기" opens, each window
//                 where it opens and with a title bar of the style's height
//   small-screen  the form after a duty check of CL-01 with 3 kg and the data sheet the check
//                 opened, on the screen the platform reports (a small one)
// From the project root:
//   export QT_QPA_PLATFORM=offscreen:configfile=tests/ui/screens/large.json
//   build/release/tests/ui/brivane_docs_screenshot form docs/screenshot.png
//   build/release/tests/ui/brivane_docs_screenshot form-en docs/screenshot-en.png
//   build/release/tests/ui/brivane_docs_screenshot datasheets docs/screenshot-datasheets.png
//   export QT_QPA_PLATFORM=offscreen:configfile=tests/ui/screens/small.json
//   build/release/tests/ui/brivane_docs_screenshot small-screen docs/screenshot-1024x768.png
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "tests/support/FormDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "ui/app/AppSetup.h"
#include "ui/app/Language.h"

namespace {

int TitleHeight(QWidget* window) { return window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window); }

// The window at its place less `origin`, under a title bar.
void DrawWindow(QPainter& painter, QWidget* window, const QPoint& origin) {
  const int title = TitleHeight(window);
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
  painter.translate(window->pos() - origin);
  window->style()->drawComplexControl(QStyle::CC_TitleBar, &bar, &painter, window);
  painter.drawPixmap(0, title, window->grab());
  painter.restore();
}

// The windows as they are placed, on `background` as large as the screen, or cut to the windows
// on a transparent one when there is none.
QImage DrawWindows(const QList<QWidget*>& windows, const QScreen& screen, const std::optional<QColor>& background) {
  QRect area = screen.geometry();
  if (!background) {
    area = QRect();
    for (QWidget* w : windows) area |= QRect(w->pos(), QSize(w->width(), w->height() + TitleHeight(w)));
  }
  QImage image(area.size(), background ? QImage::Format_RGB32 : QImage::Format_ARGB32);
  image.fill(background.value_or(Qt::transparent));
  QPainter painter(&image);
  for (QWidget* w : windows) DrawWindow(painter, w, area.topLeft());
  return image;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Not the user's remembered window places: settings of its own, thrown away afterwards.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  QApplication app(argc, argv);
  const char* scenes[] = {"form", "form-en", "datasheets", "small-screen"};
  const auto scene = [&](const char* name) { return argc == 3 && std::strcmp(argv[1], name) == 0; };
  if (std::none_of(std::begin(scenes), std::end(scenes), scene)) {
    std::fprintf(stderr, "usage: %s form|form-en|datasheets|small-screen OUTPUT.png\n", argv[0]);
    return 64;
  }
  brivane::ui::SetUpApplication();
  brivane::ui::InstallLanguage(scene("form-en") ? brivane::ui::Language::English : brivane::ui::Language::Korean);
  brivane::ui::RecordingMessageSink sink;
  formtest::FormDriver form(sink);
  QImage image;
  if (scene("small-screen")) {
    form.TypeMove(QStringLiteral("3"));
    form.PickModel(QStringLiteral("CL-01"));
    form.Click("buttonCheckDuty");
    form.Click("buttonSelect");
    QTest::qWait(200);
    QList<QWidget*> windows{form.frame.get()};
    for (brivane::ui::CMotorSpecSheet* sheet : form.Sheets()) windows << sheet;
    image = DrawWindows(windows, *form.frame->screen(), QColor(0x3a, 0x5f, 0x7d));
  } else {
    form.TypeMove();
    form.Click("buttonSelect");
    form.PickModel(QStringLiteral("CL-01"));
    form.Click("buttonCheckDuty");
    if (scene("datasheets")) {
      for (brivane::ui::CMotorSpecSheet* sheet : form.Sheets()) sheet->close();
      form.Click("buttonViewSpec");
    }
    QTest::qWait(200);
    QList<QWidget*> windows{form.frame.get()};
    for (brivane::ui::CMotorSpecSheet* sheet : form.Sheets())
      if (sheet->isVisible()) windows << sheet;
    image =
        scene("datasheets") ? DrawWindows(windows, *form.frame->screen(), std::nullopt) : form.frame->grab().toImage();
  }
  return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
