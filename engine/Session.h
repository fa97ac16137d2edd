// The main form's session: what the user has entered, every outcome computed from it (the
// selection, the duty check, the comparison), which of those are out of date, and the
// process-wide SelectionRecord that the data sheets and the report read, of which it is the one
// writer. The window turns the user's edits into a session and shows it; the data sheets, the
// report, the PDF and the comparison are computed from it, as is brivane-cli's report.
//
// Plain C++ so that the command line and the tests drive it without a display: everything the
// form decides (the order of a button's steps, what a data-sheet button opens, what counts as
// out of date) is here, and the window keeps only the widgets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "catalog/MotorList.h"
#include "engine/Comparison.h"
#include "engine/DataSheet.h"
#include "engine/FormValues.h"
#include "engine/Messages.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"

namespace brivane {

// The parts of what the form shows that different inputs feed.
enum class SessionPart : unsigned {
  Selection = 1u,   // the model and duty ratios of each series
  Check = 2u,       // the load analysis, the temperatures and the chart
  Comparison = 4u,  // the comparison's rows
};

// The inputs of the form, as the user edits them one by one.
enum class FormField {
  LoadMass,
  Distance,
  AccelValue,
  AccelMode,
  Velocity,
  Dwell,
  Friction,
  Safety,
  RatedLimit,
  PeakLimit,
  Ambient,
  Model,
  Show,
};

// The parts of the results an input feeds (a combination of SessionPart bits).
unsigned PartsFedBy(FormField field);

// A data sheet as a data-sheet button opens it.
struct SeriesSheet {
  MotorSeries series = MotorSeries::DoubleSided;
  DataSheetTexts texts;
};

// The data sheet of one of the user's motors, opened from the comparison: it has no series, so
// its family stands where a series' caption would.
struct UserMotorSheet {
  std::string family;
  DataSheetTexts texts;
};

// What "선정모터 사양보기" did: after a duty check only the checked series' sheet opens; otherwise
// the selection runs and the sheets of the series with a pick and a ticked show box open.
struct ViewSpecOutcome {
  std::optional<SelectionOutcome> selection;  // the selection it ran; none after a duty check
  std::vector<SeriesSheet> sheets;            // in series order
};

// The messages of a selection in the order the window shows them around its results.
struct SelectionMessages {
  std::vector<Message> beforeResults;  // a refusal, or the notice about the limits (answered first)
  std::vector<Message> afterResults;   // the no-fit messages over the results, then a stroke too short
};
SelectionMessages OrderSelectionMessages(const SelectionOutcome& outcome);

// Every row of `rows` rated for form values, their move and limits read as the selection reads
// them and their ambient text as the duty check reads it.
ComparisonOutcome CompareFormValues(const FormValues& values,
                                    std::span<const MotorRecord> rows = MotorCatalog::Instance().Rows());

class Session {
 public:
  explicit Session(const MotorCatalog& catalog = MotorCatalog::Instance());

  // ---- The form's values

  const FormValues& Values() const { return m_values; }
  // The values the form holds now: read from its widgets by a command, or shown from elsewhere
  // (a comparison's row, a test). A field whose value changes marks the outcomes it feeds out of
  // date.
  void SetValues(const FormValues& values);
  // A move file's values, as the form holds them: a model that is not in the catalog becomes no
  // model, one spelt in another case the catalog's name. False when the form cannot hold the
  // file's values as they are (they were changed on the way in).
  bool LoadValues(const FormValues& values);
  // The user has edited an input: what it feeds is out of date, before the value is read.
  void Edited(FormField field);
  // The size-class flags 1급 to 6급 (fixed, all set); three of them gate the series.
  const std::array<bool, 6>& MotorTypes() const { return m_motorType; }

  // ---- What the form shows

  // The last completed selection since the start or the last reset.
  const std::optional<SelectionOutcome>& Selection() const { return m_selection; }
  // Per series, the series number of the model the selection on show chose; 0 = none.
  std::int32_t FoundNumber(MotorSeries s) const;
  // The last duty check that got past its input and model checks (completed, or refused for a
  // stroke too short to reach the peak velocity): its analysis is on show.
  const std::optional<DutyCheckOutcome>& Check() const { return m_check; }
  // What the chart draws.
  const ProfileChartData& Chart() const { return m_chart; }
  // The comparison on show; none while nothing is compared or the form could not be read.
  const std::optional<ComparisonOutcome>& Comparison() const { return m_comparison; }
  bool Comparing() const { return m_comparing; }
  // Whether a part on show no longer follows from the values.
  bool IsStale(SessionPart part) const { return (m_staleParts & static_cast<unsigned>(part)) != 0; }
  bool AnyStale() const { return m_staleParts != 0; }
  // The record the data sheets and the report read.
  const SelectionRecord& Record() const { return m_record; }

  // ---- The form's commands, each on Values() as they stand

  // Runs when the form is first shown, and again whenever the window re-initialises it.
  void InitialUpdate();
  // "Linear Motor 선정".
  SelectionOutcome RunSelection();
  // "사용률 계산". A completed check leaves its series' sheet to open by ViewSpec().
  DutyCheckOutcome CheckModelDuty();
  // "선정모터 사양보기". Every sheet it gives has been taken from the record, and its series is
  // back on the selection's model.
  ViewSpecOutcome ViewSpec();
  // "Data초기화": the values and the outcomes as at the start; the record is left as it is.
  void Reset();
  // "결과 저장": the refusal when no selection has found a model; otherwise every series of the
  // record shows its selected model, for the report.
  std::optional<Message> StartSave();

  // The rows the comparison rates: the built-in catalog's, then the user's own motors. The
  // selection, the duty check, the form's model list and the report stay on the catalog alone.
  const MotorList& Motors() const { return m_motors; }
  // Another set of the user's motors (their catalog files changed): a comparison on show is rated
  // again at once for the session's values, and stays marked out of date if it was (the widgets
  // may hold edits the session has not read).
  void SetMotors(MotorList motors);
  // The sheet of the user's motor at `index` of the rows rated, with the ratios of the comparison
  // on show; none for a built-in row or while no comparison shows that row.
  std::optional<UserMotorSheet> UserSheet(std::size_t index) const;

  // "후보 비교": compares the values and keeps the comparison up to date with the selection and
  // the duty check until CloseComparison().
  const ComparisonOutcome& Compare();
  void CloseComparison();
  // A command could not read the form: the comparison shows nothing until the next one can.
  void FormUnreadable();

  // ---- Data sheets for the PDF, from a copy of the record (the record is left as it is)

  // The selected models whose show boxes are ticked, as "선정모터 사양보기" would open them.
  std::vector<SeriesSheet> SelectedSheets() const;
  // The model of the completed duty check on show, as the sheet the check opened showed it; none
  // for a check that did not complete (or of a model that is not in the catalog).
  std::optional<SeriesSheet> CheckedSheet() const;

 private:
  SeriesSheet OpenSheet(MotorSeries s);
  void Outdate(unsigned parts);
  void Current(SessionPart part);
  void RefreshComparison();

  const MotorCatalog& m_catalog;
  MotorList m_motors;  // before m_comparison, whose names are views into it
  FormValues m_values;
  std::array<bool, 6> m_motorType{true, true, true, true, true, true};  // 1급 to 6급
  std::optional<SelectionOutcome> m_selection;
  std::optional<DutyCheckOutcome> m_check;
  ProfileChartData m_chart = EmptyProfileChart();
  // The series of a completed duty check whose data sheet is still to open; 0 = none.
  std::int32_t m_checkedSeries = 0;
  bool m_comparing = false;
  std::optional<ComparisonOutcome> m_comparison;
  unsigned m_staleParts = 0;  // SessionPart bits of the parts on show that are out of date
  SelectionRecord m_record;
};

}  // namespace brivane
