// The axis window's results: one row per motor row rated for the cycle (the built-in models, then
// the user's), its texts and sort numbers as the engine gives them (the command line's columns),
// coloured by its verdict. The comparison window's filter sorts and filters it (the same roles).
// No arithmetic here.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <string>
#include <vector>

#include "engine/AxisDesign.h"

namespace brivane::ui {

class CAxisResultsModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  // Besides the comparison's roles (ui/comparison/CandidateTableModel.h): the row's position in the rows rated.
  static constexpr int PositionRole = Qt::UserRole + 20;

  explicit CAxisResultsModel(const AxisDesign& design, QObject* parent = nullptr);

  // The design's ratings again: the cells' values when the rows are the same, every row otherwise.
  void Refresh();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  // What a cell shows and sorts by, and its row's colour and filter flags, as the views last heard.
  struct Shown {
    std::string text;  // the engine's, before translation: the comparison needs no conversion
    double value = 0.0;
    bool failed = false;
    bool ok = false;
    bool fits = false;
  };
  static bool Same(const Shown& a, const Shown& b);
  QString Text(const CycleRowView& row, CycleColumn column) const;
  static bool Failed(const CycleRowView& row, CycleColumn column);
  Shown ShownAt(const CycleRowView& row, CycleColumn column) const;
  void Remember();

  const AxisDesign& m_design;
  int m_rows = 0;              // as last shown
  std::vector<Shown> m_shown;  // row by row, every column
};

}  // namespace brivane::ui
