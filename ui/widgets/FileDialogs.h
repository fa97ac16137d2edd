// The file dialogs of the file menu behind one small interface, so that tests hand over paths
// instead of blocking on a modal dialog.
#pragma once

#include <QString>
#include <QStringList>

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

// The real dialogs.
class NativeFileDialogs final : public FileDialogs {
 public:
  QString OpenPath(QWidget* parent, const QString& caption, const QString& start, const QString& filter) override;
  QString SavePath(QWidget* parent, const QString& caption, const QString& start, const QString& filter) override;
};

// Gives the queued paths in order (an empty string once they run out) and records where each
// dialog would have started.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  QString OpenPath(QWidget*, const QString&, const QString& start, const QString&) override { return Next(start); }
  QString SavePath(QWidget*, const QString&, const QString& start, const QString&) override { return Next(start); }
  QStringList paths;
  QStringList starts;

 private:
  QString Next(const QString& start) {
    starts.append(start);
    return paths.isEmpty() ? QString() : paths.takeFirst();
  }
};

}  // namespace brivane::ui
