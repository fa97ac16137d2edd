// The main form: every input of the move, the duty limits, the selection result of the three
// series, the load analysis of one checked model with its temperatures, and the velocity chart.
//
// The form shows a Session (engine/Session.h), which holds the values and every outcome: a
// command reads the widgets into the session (ReadForm), runs the session's command and shows
// the session again (ShowForm, ShowResults). The user's edits mark what they feed out of date
// as they happen. The form keeps only its widgets and the windows it opened.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

#include "engine/Session.h"
#include "ui/form/FormExchange.h"
#include "ui/form/FormWidgets.h"

namespace brivane::ui {

class CAxisWindow;
class CComparisonWindow;
class FileDialogs;
class CMotorSpecSheet;
class MessageSink;

class CBrivaneView : public QWidget {
  Q_OBJECT
 public:
  // The session is the process-wide one (the application owns it); every message box of the
  // form goes through `messages`.
  CBrivaneView(Session& session, MessageSink& messages, QWidget* parent = nullptr);
  ~CBrivaneView() override;

  // Runs when the form is first shown, and again whenever the application re-initialises it.
  void OnInitialUpdate();

  Session& FormSession() { return m_session; }
  // What the user entered, as the form last read or showed it.
  const FormValues& Values() const { return m_session.Values(); }
  // Shows other values in the form (a move file, a test) as the form can hold them
  // (Session::LoadValues); LoadValues gives false when the form had to change them.
  void SetValues(const FormValues& values);
  bool LoadValues(const FormValues& values);
  // The file dialogs of the windows the form opens; none: the real ones.
  void SetFileDialogs(FileDialogs* dialogs) { m_fileDialogs = dialogs; }
  // The user's own motors changed (their catalog files): the session rates them in the
  // comparison, which an open comparison window shows at once.
  void SetMotors(MotorList motors);
  // Reads the form into Values() as a button does: false, after the warning, when a text is not
  // a number.
  bool CommitForm() { return UpdateValues(); }

  // Button handlers.
  bool RunSelection();    // "Linear Motor 선정"; false when it stopped on a message
  bool CheckModelDuty();  // "사용률 계산"; false when it stopped on a message
  void OnViewSpec();      // "선정모터 사양보기"
  void OnCompare();       // "후보 비교"
  void OnAxisDesign();    // "축 설계": the form's move as a one-move cycle in the axis window
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
  void ConnectCommands();
  void ConnectInputChanges();
  void ShowStaleMarks();
  // Colours the duty ratios of a completed check in the data sheet it opened.
  void MarkCheckAlerts(const DutyCheckOutcome& outcome);
  void SetHintFont();
  void SetAccelMode(AccelMode mode);

  // The data exchange (FormExchange): reads the widgets into the session; false, and the session
  // as it was, when a text is not a number.
  bool UpdateValues();
  // UpdateValues for a command that computes: a form it cannot read leaves the comparison empty.
  bool ReadForCommand();
  void ShowForm();
  void ShowResults();

  void PresentSelection(const SelectionOutcome& outcome);
  void ShowMessage(const Message& message);
  void DrawChart();
  void OpenSheets(const std::vector<SeriesSheet>& sheets);
  void OpenSaveDialog();
  // The comparison window, when open, shows the session's comparison.
  void ShowComparison();
  void CheckChosenModel(const QString& model);
  void OpenUserSheet(std::size_t index);

  Session& m_session;
  MessageSink& m_messages;
  FormWidgets m_w;
  FormExchange m_exchange;

  // The data-sheet window of each series opened last. Only kept, never used to reach the window:
  // a sheet deletes itself once closed, and the pointer then clears itself.
  std::array<QPointer<CMotorSpecSheet>, 3> m_pSpecDlg;
  QPointer<CComparisonWindow> m_comparison;  // at most one; it deletes itself once closed
  QPointer<CAxisWindow> m_axis;              // at most one; it deletes itself once closed
  FileDialogs* m_fileDialogs = nullptr;
};

}  // namespace brivane::ui
