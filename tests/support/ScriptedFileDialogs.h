// The window tests' file dialogs: queued paths handed over instead of a modal dialog.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/widgets/FileDialogs.h"

namespace brivane::ui {

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
