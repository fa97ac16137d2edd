// The user's motor catalog files as the window keeps them: their paths in the settings (of which
// this is the one writer), what each gave when last read, and their motors handed on to the form,
// whose comparison rates them beside the built-in models. Every change is read at once: nothing
// waits for a restart. A file that is refused or gone stays listed, with why, until the user
// removes it: it may only be on a drive that is not mounted now.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <vector>

#include "catalog/MotorList.h"

namespace brivane {
struct MotorFileRefusal;
}  // namespace brivane

namespace brivane::ui {

// Why a motor file was refused, in the window's words: where (the motor, the line, the field),
// what, and the reader's detail.
QString MotorFileRefusalText(const MotorFileRefusal& refusal);

class MotorCatalogs final : public QObject {
  Q_OBJECT
 public:
  struct FileState {
    QString path;            // absolute
    std::size_t motors = 0;  // the motors it added
    QString refusal;         // why it was left out; empty when it was read
  };

  // `deliver` takes each new list: the built-in rows, then the motors of every file read.
  explicit MotorCatalogs(std::function<void(MotorList)> deliver, QObject* parent = nullptr);

  // Reads the files the settings list, as at a start.
  void Load();
  // Lists the file after the others and reads them all again. Gives its row in Files(), also when
  // it was listed already (nothing is read again then).
  int Add(const QString& path);
  // Takes the file at `row` off the list and reads the rest again.
  void Remove(int row);

  const std::vector<FileState>& Files() const { return m_files; }
  // One notice naming every file left out and why; empty when every file was read.
  QString LeftOutNotice() const;
  // The text of a file's state in the list: how many motors, or why it was left out.
  static QString StateText(const FileState& file);

 signals:
  void Changed();

 private:
  void Read(const QStringList& paths);

  std::function<void(MotorList)> m_deliver;
  std::vector<FileState> m_files;
};

}  // namespace brivane::ui
