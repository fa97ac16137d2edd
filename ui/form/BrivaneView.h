// The main form: every input of the move, the duty limits, the selection result of the three
// series, the load analysis of one checked model with its temperatures, and the velocity chart.
//
// What the user entered lives in one FormValues: ReadForm fills it from the widgets, ShowForm
// puts it back. The results are kept as the engine returned them and shown by ShowResults alone;
// the command handlers read, call the engine, record the outcome and show.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

#include "catalog/MotorCatalog.h"
#include "engine/FormValues.h"
#include "engine/Messages.h"
#include "engine/Selection.h"
#include "ui/form/FormWidgets.h"

class QLineEdit;

namespace brivane::ui {

class CComparisonWindow;
class FileDialogs;
class CMotorSpecSheet;
class MessageSink;

// What the form's result groups and chart show, for the PDF report.
struct ShownResults {
  bool selected = false;  // a selection has completed since the start or the last reset
  std::array<SeriesChoice, 3> found{};
  std::string analysedModel;  // the model whose analysis is on show; empty: none
  LoadAnalysis analysis;
  ProfileChartData chart;  // what the chart draws
  bool reachable = true;   // the selection's move reaches its peak velocity
  std::optional<Message> checkRefusal;  // why the check of the analysis on show stopped; none: it completed
};

class CBrivaneView : public QWidget {
  Q_OBJECT
 public:
  // The selection record is the process-wide one (the application owns it); every message box
  // of the form goes through `messages`.
  CBrivaneView(SelectionRecord& record, MessageSink& messages, QWidget* parent = nullptr);
  ~CBrivaneView() override;

  // Runs when the form is first shown, and again whenever the application re-initialises it.
  void OnInitialUpdate();

  // What the user entered, as the form last read or showed it.
  const FormValues& Values() const { return m_values; }
  // Shows other values in the form (a saved move, a row of a comparison), as if typed.
  void SetValues(const FormValues& values);
  // The file dialogs of the windows the form opens; none: the real ones.
  void SetFileDialogs(FileDialogs* dialogs) { m_fileDialogs = dialogs; }
  // Reads the form into Values() as a button does: false, after the warning, when a text is not
  // a number.
  bool CommitForm() { return UpdateValues(); }
  ShownResults Results() const;

  // Button handlers.
  bool RunSelection();    // "Linear Motor 선정"; false when it stopped on a message
  bool CheckModelDuty();  // "사용률 계산"; false when it stopped on a message
  void OnViewSpec();      // "선정모터 사양보기"
  void OnCompare();       // "후보 비교"
  void OnResetData();     // "Data초기화"
  void OnSaveResult();    // "결과 저장"
  void OnAccelModeGravity();
  void OnAccelModeTime();

 signals:
  // Something the move file holds changed in the widgets (typed, picked or shown).
  void InputsChanged();
  // Some shown results no longer follow from the inputs (true), or all do again (false).
  void resultsStaleChanged(bool stale);

 private:
  // The results the form shows, in two parts that different inputs feed.
  enum ResultPart : unsigned {
    kSelectionResults = 1u,  // the model and duty ratios of each series
    kCheckResults = 2u,      // the load analysis, the temperatures and the chart
    kAllResults = kSelectionResults | kCheckResults,
  };
  void ConnectInputChanges();
  // An input that feeds `parts` has changed: those parts on show are out of date.
  void OutdateResults(unsigned parts);
  // `parts` have just been computed from the inputs as they stand (or cleared, with `shown` false).
  void ResultsCurrent(unsigned parts, bool shown = true);
  void ShowStaleMarks();
  // Colours the duty ratios of a completed check in the data sheet it opened.
  void MarkCheckAlerts(const DutyCheckOutcome& outcome);

  void ConnectCommands();
  void SetHintFont();
  void SetAccelMode(AccelMode mode);

  // The data exchange. ReadForm stops at the first edit whose text is not a number, shows why,
  // puts the focus there and gives nothing; ShowForm shows all of `m_values`.
  std::optional<FormValues> ReadForm();
  bool UpdateValues();  // ReadForm into m_values; false, and m_values as it was, when it stopped
  void ShowForm();
  void ShowResults();
  bool ReadFloat(QLineEdit* edit, float& value);
  bool ReadInt(QLineEdit* edit, std::int32_t& value);
  // `read` is the edit's text as a number, or nothing: then `warning` is shown.
  template <class T>
  bool ReadNumber(QLineEdit* edit, T& value, const std::optional<T>& read, const QString& warning);

  bool DoSelection();  // false when it stopped on a message
  void ShowMessage(const Message& message);
  void DrawEmptyChart();
  void OpenSpecSheet(MotorSeries s);
  void OpenSaveDialog();
  // The comparison window, when open, follows the selection and the duty check: it shows the
  // values they read, or nothing when they could not read the form.
  void RefreshComparison();
  void CheckChosenModel(const QString& model);

  const MotorCatalog& m_catalog;
  SelectionRecord& m_record;
  MessageSink& m_messages;
  FormWidgets m_w;

  FormValues m_values;
  std::array<bool, 6> m_motorType{true, true, true, true, true, true};  // 1급 to 6급, fixed
  // The results on show: the last completed selection, and the analysis of the last duty check
  // that got past its input and model checks.
  std::array<SeriesChoice, 3> m_found{};
  LoadAnalysis m_analysis;
  bool m_selected = false;
  bool m_reachable = true;  // of the selection on show
  std::string m_analysedModel;
  std::optional<Message> m_checkRefusal;  // of the analysis on show
  ProfileChartData m_chart;
  // The series of a duty check whose data sheet is still to open; 0 = none.
  std::int32_t m_checkedSeries = 0;
  // Which ResultParts hold results, and which of those are out of date.
  unsigned m_shownParts = 0;
  unsigned m_staleParts = 0;

  // The data-sheet window of each series opened last. Only kept, never used to reach the window:
  // a sheet deletes itself once closed, and the pointer then clears itself.
  std::array<QPointer<CMotorSpecSheet>, 3> m_pSpecDlg;
  QPointer<CComparisonWindow> m_comparison;  // at most one; it deletes itself once closed
  bool m_formRead = false;                   // whether the last command could read the form
  FileDialogs* m_fileDialogs = nullptr;
};

}  // namespace brivane::ui
