// The candidate comparison: every catalog model, and the user's own motors as a group after them,
// rated for the form's move, in a table the user
// sorts and filters, saves as CSV, and picks a model from for the duty check. Modeless, owned by
// the main window; the form keeps at most one and refreshes it after its own commands.
#pragma once

#include <QString>
#include <QWidget>

#include <cstddef>
#include <memory>

#include "engine/Comparison.h"

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLayout;
class QLabel;
class QPushButton;
class QTableView;

namespace brivane::ui {

class CCandidateFilter;
class CCandidateTableModel;
class FileDialogs;
class MessageSink;

// Writes the table as it shows it (its headers, then its rows in its order) as UTF-8 CSV with a
// byte-order mark. An existing file is replaced only when the whole file was written. Gives the
// reason of a failure, or an empty text.
QString WriteTableCsv(const QAbstractItemModel& table, const QString& path);

class CComparisonWindow final : public QWidget {
  Q_OBJECT
 public:
  // "CSV로 저장…" asks `dialogs` where to save; none: the real dialogs.
  CComparisonWindow(MessageSink& messages, FileDialogs* dialogs, QWidget* owner);
  ~CComparisonWindow() override;

  // Shows the rows of an outcome; a refused one empties the table and says why in the window.
  void ShowOutcome(const ComparisonOutcome& outcome);
  // Empties the table (the form could not be read).
  void Clear();
  // Greys the rows while the inputs they were rated for have changed since.
  void MarkStale(bool stale);
  // Shown, restored if minimised, and brought to the front.
  void Present();
  void SaveCsv();  // "CSV로 저장…"

  QTableView* Table() const { return m_table; }

 signals:
  // The user chose a row (double-click or Enter): the form checks this model.
  void ModelChosen(const QString& model);
  // The same for one of the user's own motors, which the form cannot check: its data sheet opens.
  // `index` is its position in the rows rated.
  void UserMotorChosen(std::size_t index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLayout* BuildFilterRow();
  QTableView* BuildTable();
  void ChooseRow(const QModelIndex& index);
  void OnSeriesFilter(int item);

  MessageSink& m_messages;
  CCandidateTableModel* m_model = nullptr;
  CCandidateFilter* m_filter = nullptr;
  QTableView* m_table = nullptr;
  QComboBox* m_series = nullptr;
  QCheckBox* m_fittingOnly = nullptr;
  QPushButton* m_save = nullptr;
  QLabel* m_summary = nullptr;
  std::unique_ptr<FileDialogs> m_ownDialogs;
  FileDialogs* m_dialogs = nullptr;
};

}  // namespace brivane::ui
