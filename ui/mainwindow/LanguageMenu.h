// The menu "언어 / Language": its entries choose the window's language for the next start.
#pragma once

#include <QCoreApplication>

class QMenu;
class QMenuBar;
class QWidget;

namespace brivane::ui {

class MessageSink;

class LanguageMenu {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::LanguageMenu)

 public:
  // Adds the menu to `bar`. An entry stores its language for the next start; when that is not
  // the language shown now, a message on `window` says that it takes effect at the next start.
  static QMenu* AddTo(QMenuBar* bar, MessageSink& messages, QWidget* window);
};

}  // namespace brivane::ui
