// The file dialogs of the file menu behind one small interface, so that tests hand over paths
// instead of blocking on a modal dialog.
#pragma once

#include <QString>

class QWidget;

namespace brivane::ui {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or an empty string when the user cancelled. `start` is a folder or a
  // suggested file; `filter` as QFileDialog takes it.
  virtual QString OpenPath(QWidget* parent, const QString& caption, const QString& start, const QString& filter) = 0;
  virtual QString SavePath(QWidget* parent, const QString& caption, const QString& start, const QString& filter) = 0;
};

}  // namespace brivane::ui
