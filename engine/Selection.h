// The motor selection (first fit per series) and the duty check of one chosen model, with the
// process-wide record of their outcome that the data sheets and the report read.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Motion.h"
#include "MotorCatalog.h"
#include "Presentation.h"

namespace brivane {

struct SeriesRecord {
  std::int32_t selectedNumber = 0;  // series number the last selection chose; 0 = none
  std::string selectedName;
  std::int32_t shownNumber = 0;     // what the data sheet and the report show
  std::string shownName;
  DutyResult duty;                  // ratios of the shown model
  DutyResult selectedDuty;          // ratios the last selection found for its model
};

struct SelectionRecord {
  std::array<SeriesRecord, 3> series;  // in series order
  std::int32_t lastCheckedSeries = 0;  // series of the last duty check; 0 = none
  float accelG = 0.0f;
  float accelTimeMs = 0.0f;
  float peakVelocity = 0.0f;
  float loadMass = 0.0f;
  std::int32_t distanceMm = 0;
  float dwellMs = 0.0f;
  float frictionCoefficient = 0.0f;
  float safetyFactor = 0.0f;
  std::int32_t ratedLimit = 0;
  std::int32_t peakLimit = 0;

  SeriesRecord& of(MotorSeries s) { return series[SeriesSlot(s)]; }
  const SeriesRecord& of(MotorSeries s) const { return series[SeriesSlot(s)]; }

  // Before data sheets open or the report is written: every series shows its selected model.
  void CopySelectedToShown();
  // When a data sheet of series s has taken what it shows: the series returns to the selection's
  // model and its ratios, and a pending duty check of s is done.
  void RestoreShown(MotorSeries s);
};

// Duty-limit lists: position i (0..15) means 25 + 5 i percent.
inline constexpr int kLimitPositions = 16;
inline constexpr int kDefaultRatedPosition = 9;  // 70 %
inline constexpr int kDefaultPeakPosition = 11;  // 80 %
constexpr int LimitFromPosition(int position) { return 25 + 5 * position; }
// The position of a percentage in the lists, or none when the lists do not hold it.
std::optional<int> PositionFromLimit(int percent);

// The selection's checks of a move and its limit positions, in the selection's order: the text
// of the first that fails, or nothing.
std::optional<std::string_view> ValidateSelectionInput(const MotionInput& in, const std::optional<int>& ratedPosition,
                                                       const std::optional<int>& peakPosition);

// The selection's test of one rated row: offered, and both ratios strictly under their limits.
// A ratio equal to its limit, or one that is not a number, does not fit.
bool RowFits(const MotorRecord& row, const DutyResult& duty, float ratedLimit, float peakLimit);

struct SelectionRequest {
  MotionInput input;
  std::optional<int> ratedPosition = kDefaultRatedPosition;  // none: the list has no selection
  std::optional<int> peakPosition = kDefaultPeakPosition;
  std::array<bool, 3> gates{true, true, true};  // a cleared gate makes its series find nothing
};

struct SeriesChoice {
  std::string model;       // empty when nothing fits
  std::int32_t number = 0;  // series number of the chosen row; 0 when nothing fits
  DutyResult duty;          // of the chosen row; 0 and 0 when nothing fits
};

struct SelectionOutcome {
  // False when the run stopped on its last message; the form's results then stay as they were.
  bool completed = false;
  std::vector<std::string> messages;  // in the order the window shows them
  std::array<SeriesChoice, 3> series;
  std::int32_t ratedLimit = 0;
  std::int32_t peakLimit = 0;
  float accelG = 0.0f;  // the g value the search used
};

SelectionOutcome RunSelection(const SelectionRequest& request, SelectionRecord& record,
                              const MotorCatalog& catalog = MotorCatalog::Instance());

struct DutyCheckRequest {
  MotionInput input;
  std::string_view model;        // the chosen entry of the model list; empty = none chosen
  std::string_view ambientText;  // the ambient-temperature edit as typed
};

enum class DutyCheckStatus {
  InputRejected,   // an input check failed; nothing changed
  ModelMissing,    // no model chosen, or the name is not in the catalog; nothing changed
  ProfileInvalid,  // the stroke is too short for the peak velocity; only the analysis is shown
  Completed,
};

struct DutyCheckOutcome {
  DutyCheckStatus status = DutyCheckStatus::InputRejected;
  std::string message;                   // empty when completed
  std::optional<LoadAnalysis> analysis;  // for ProfileInvalid and Completed
  MotorSeries series = MotorSeries::DoubleSided;  // the checked model's series
  std::int32_t number = 0;                         // its series number
  DutyResult duty;                                 // what the record now holds for the series
  std::optional<ProfileChartData> chart;           // when Completed and the chart is redrawn
};

DutyCheckOutcome CheckModelDuty(const DutyCheckRequest& request, SelectionRecord& record,
                                const MotorCatalog& catalog = MotorCatalog::Instance());

}  // namespace brivane
