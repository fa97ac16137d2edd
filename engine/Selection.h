// The motor selection (first fit per series) and the duty check of one chosen model, as pure
// operations that return their outcome, and the process-wide record of the last outcomes that
// the data sheets and the report read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "engine/DutyLimits.h"
#include "engine/Messages.h"
#include "engine/Motion.h"
#include "engine/Presentation.h"

namespace brivane {

// The selection's test of one rated row: offered, and both ratios strictly under their limits.
// A ratio equal to its limit, or one that is not a number, does not fit.
bool RowFits(const MotorRecord& row, const DutyResult& duty, float ratedLimit, float peakLimit);

// What every row of a selection is rated and tested with, once the move and the limit positions
// have passed the selection's checks.
struct SelectionBasis {
  std::int32_t ratedLimit = 0;  // percent
  std::int32_t peakLimit = 0;
  float accelG = 0.0f;  // the acceleration every row is rated with

  // RowFits against the two limits, compared as floats.
  bool Fits(const MotorRecord& row, const DutyResult& duty) const {
    return RowFits(row, duty, static_cast<float>(ratedLimit), static_cast<float>(peakLimit));
  }
};

// The selection's checks of a move and its limit positions, in the selection's order, then what
// it rates with: the message of the first check that fails, or the basis.
struct SelectionStart {
  std::optional<Message> refusal;
  SelectionBasis basis;  // when nothing is refused
};
SelectionStart StartSelection(const MotionInput& in, const std::optional<int>& ratedPosition,
                              const std::optional<int>& peakPosition);

// The selection's first-fit rule for rows rated in catalog order: a row that fits is its series'
// pick when no earlier row of the series fitted. A user's motor, which has no series, is never one.
class FirstFitPicks {
 public:
  // Whether `row`, which fits or not, is its series' pick.
  bool Take(const MotorRecord& row, bool fits) {
    if (!fits || row.user || !row.HasSeries()) return false;
    bool& picked = picked_[SeriesSlot(row.Series())];
    if (picked) return false;
    picked = true;
    return true;
  }

 private:
  std::array<bool, 3> picked_{};
};

// The selection's pick in a series: its first row, in catalog order, that fits, by catalog index,
// with that row's ratios; nothing when no row of the series fits.
struct FirstFit {
  std::size_t index = 0;
  DutyResult duty;
};
std::optional<FirstFit> FindFirstFit(const MotionInput& in, const SelectionBasis& basis, MotorSeries s,
                                     const MotorCatalog& catalog);

struct SelectionRequest {
  MotionInput input;
  std::optional<int> ratedPosition = kDefaultRatedPosition;  // none: the list has no selection
  std::optional<int> peakPosition = kDefaultPeakPosition;
  std::array<bool, 3> gates{true, true, true};  // a cleared gate makes its series find nothing
};

struct SeriesChoice {
  std::string model;        // empty when nothing fits
  std::int32_t number = 0;  // series number of the chosen row; 0 when nothing fits
  DutyResult duty;          // of the chosen row; 0 and 0 when nothing fits
};

// The acceleration in both of its forms, as a selection records it.
struct AccelerationForms {
  float g = 0.0f;
  float timeMs = 0.0f;
};

struct SelectionOutcome {
  // False when the run stopped on its last message; the form's results then stay as they were.
  bool completed = false;
  std::vector<Message> messages;  // in the order the window shows them
  std::array<SeriesChoice, 3> series;
  std::int32_t ratedLimit = 0;
  std::int32_t peakLimit = 0;
  float accelG = 0.0f;  // the g value the search used
  // False when the stroke is too short for the peak velocity (ReachesPeakVelocity): the ratios are
  // then those of a profile the axis cannot run, and the user must be told so beside them.
  bool reachable = true;
  MotionInput move;  // the move the run was asked about
  // What the run leaves as the recorded acceleration: in g mode also when it stops at a check
  // (the conversion comes before the checks), in time mode only once the inputs and the limits
  // have passed.
  std::optional<AccelerationForms> acceleration;
};

SelectionOutcome RunSelection(const SelectionRequest& request, const MotorCatalog& catalog = MotorCatalog::Instance());

struct DutyCheckRequest {
  MotionInput input;
  std::string_view model;     // the chosen entry of the model list; empty = none chosen
  float ambientTemp = 20.0f;  // degC, as ParseAmbientText read the typed text
};

enum class DutyCheckStatus {
  InputRejected,   // an input check failed; nothing changed
  ModelMissing,    // no model chosen, or the name is not in the catalog; nothing changed
  ProfileInvalid,  // the stroke is too short for the peak velocity; only the analysis is shown
  Completed,
};

struct DutyCheckOutcome {
  DutyCheckStatus status = DutyCheckStatus::InputRejected;
  std::optional<Message> message;                 // none when completed
  std::optional<LoadAnalysis> analysis;           // for ProfileInvalid and Completed
  MotorSeries series = MotorSeries::DoubleSided;  // the checked model's series; 0 for a user's motor
  std::int32_t number = 0;                        // its series number; 0 for a user's motor
  std::string model;                              // its name
  bool user = false;                              // one of the user's motors (catalog/MotorList) ...
  std::string family;                             // ... and its family
  DutyResult duty;                                // its ratios, when Completed
  std::optional<ProfileChartData> chart;          // when Completed and the chart is redrawn
};

DutyCheckOutcome CheckModelDuty(const DutyCheckRequest& request,
                                const MotorCatalog& catalog = MotorCatalog::Instance());
// The same, with the model looked up among `rows` (for instance the built-in rows and the
// user's, catalog/MotorList).
DutyCheckOutcome CheckModelDuty(const DutyCheckRequest& request, std::span<const MotorRecord> rows);

struct SeriesRecord {
  std::int32_t selectedNumber = 0;  // series number the last selection chose; 0 = none
  std::string selectedName;
  std::int32_t shownNumber = 0;  // what the data sheet and the report show
  std::string shownName;
  DutyResult duty;          // ratios of the shown model
  DutyResult selectedDuty;  // ratios the last selection found for its model
};

// The outcome of the last selection and duty checks, for the data sheets and the report. The
// fields are open to read (and for tests to set up); the program changes them only through the
// four members below.
struct SelectionRecord {
  std::array<SeriesRecord, 3> series;  // in series order
  std::int32_t lastCheckedSeries = 0;  // series of the last duty check; 0 = none
  float accelG = 0.0f;
  float accelTimeMs = 0.0f;
  // The move of the last completed selection; all zero before the first.
  MotionInput move{0.0f, 0, AccelMode::Gravity, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
  std::int32_t ratedLimit = 0;
  std::int32_t peakLimit = 0;

  SeriesRecord& of(MotorSeries s) { return series[SeriesSlot(s)]; }
  const SeriesRecord& of(MotorSeries s) const { return series[SeriesSlot(s)]; }

  // Records a selection run: its acceleration, and when it completed, its move, limits and the
  // model of each series (the shown numbers stay until CopySelectedToShown).
  void Apply(const SelectionOutcome& outcome);
  // Records a completed duty check: its model and ratios become the shown ones of its series,
  // until that series' data sheet has opened. Other outcomes change nothing, and so does the
  // check of one of the user's motors: the record holds the built-in catalog's models only.
  void Apply(const DutyCheckOutcome& outcome);
  // Before data sheets open or the report is written: every series shows its selected model.
  void CopySelectedToShown();
  // When a data sheet of series s has taken what it shows: the series returns to the selection's
  // model and its ratios, and a pending duty check of s is done.
  void RestoreShown(MotorSeries s);
};

}  // namespace brivane
