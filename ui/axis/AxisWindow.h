// The axis window: a cycle of moves and dwells edited on the left (the axis, the drive, the
// limits and the segments), every motor row rated for it as the user types (no button to press),
// and the plots of the row chosen in the results. Modeless, owned by the main window. The window
// holds the design (engine/AxisDesign) and shows it; every figure and its text come from there.
#pragma once

#include <QMainWindow>

#include <memory>
#include <span>

#include "catalog/MotorCatalog.h"
#include "engine/AxisDesign.h"

namespace brivane::ui {

class CAxisFieldsPanel;
class CAxisPlotsPane;
class CAxisResultsPane;
class CCycleDocument;
class CSegmentEditor;
class FileDialogs;
class MessageSink;

class CAxisWindow final : public QMainWindow {
  Q_OBJECT
 public:
  // The rows are kept as a view: they outlive the window, as do the messages and the dialogs
  // (none: the real file dialogs).
  CAxisWindow(std::span<const MotorRecord> rows, MessageSink& messages, FileDialogs* dialogs, QWidget* owner);
  ~CAxisWindow() override;

  // A new document: the cycle's values in the editor, rated.
  void SetCycle(const Cycle& cycle);
  // Other rows to rate (the user's motors changed).
  void SetRows(std::span<const MotorRecord> rows);
  // Shown, restored if minimised, and brought to the front.
  void Present();

  const AxisDesign& Design() const { return m_design; }
  // The cycle file: new, open, save, unsaved changes.
  CCycleDocument& Document() const { return *m_document; }
  CAxisFieldsPanel* Fields() const { return m_fields; }
  CSegmentEditor* Segments() const { return m_segments; }
  CAxisResultsPane* Results() const { return m_results; }
  CAxisPlotsPane* Plots() const { return m_plots; }

 signals:
  // The user changed the cycle (a value, a segment, a limit).
  void CycleEdited();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Apply(const AxisChanges& changes);
  void OnRowChosen(std::size_t position);
  void ShowAll();
  void BuildFileMenu();

  AxisDesign m_design;
  CAxisFieldsPanel* m_fields = nullptr;
  CSegmentEditor* m_segments = nullptr;
  CAxisResultsPane* m_results = nullptr;
  CAxisPlotsPane* m_plots = nullptr;
  CCycleDocument* m_document = nullptr;
  std::unique_ptr<FileDialogs> m_ownDialogs;
};

}  // namespace brivane::ui
