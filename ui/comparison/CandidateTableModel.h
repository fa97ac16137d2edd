// The comparison's table: one row per rated model as the engine returned it, the texts as the
// engine formats them, and the numbers to sort by as the engine gives them; the window only
// colours, filters and orders. No arithmetic here.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "catalog/Series.h"
#include "engine/Comparison.h"
#include "engine/ComparisonTexts.h"

namespace brivane::ui {

class CCandidateTableModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Role {
    SortRole = Qt::UserRole + 1,  // a number for the numeric columns, else the text's order
    SeriesRole,                   // the series' number; 0 for the user's own motors
    FitsRole,                     // the selection's test against both limits
    SelectedRole,                 // the selection's pick of its series
    ModelRole,                    // the model's name
    UserRole,                     // one of the user's own motors
    IndexRole,                    // the position in the rows rated (CandidateRating::index)
  };

  explicit CCandidateTableModel(QObject* parent = nullptr);

  // Shows the rated rows of an outcome; a refused outcome shows none.
  void SetOutcome(const ComparisonOutcome& outcome);
  void Clear();
  // Stale rows lose their colours: the verdicts they show belong to inputs that no longer stand.
  void SetStale(bool stale);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct Row {
    CandidateRating rating;
    std::array<QString, kCandidateColumnCount> texts;
  };
  QVariant SortValue(const Row& row, CandidateColumn column) const;
  QVariant Foreground(const Row& row, CandidateColumn column) const;

  std::vector<Row> m_rows;
  bool m_stale = false;
};

// A rated-rows table's column header for `role`: the engine's text, numbers aligned right.
// Shared by the comparison's and the axis window's tables.
QVariant ColumnHeaderData(std::string_view header, bool numeric, int role);

}  // namespace brivane::ui
