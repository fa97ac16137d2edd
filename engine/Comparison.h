// Every catalog model rated for one move: its duty ratios and whether it fits the limits (the
// selection's own arithmetic and test), its margins, its load analysis, the largest load it could
// still carry, and what it asks of the drive. Pure functions of plain values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "engine/Messages.h"
#include "engine/Motion.h"
#include "engine/Presentation.h"
#include "engine/Selection.h"

namespace brivane {

// Load-mass steps of the payload headroom, kg.
inline constexpr float kHeadroomStepKg = 0.01f;

struct ComparisonRequest {
  MotionInput move;
  std::optional<int> ratedPosition = kDefaultRatedPosition;  // limit-list positions; none: no selection
  std::optional<int> peakPosition = kDefaultPeakPosition;
  float ambientTemp = 20.0f;  // degC, the ambient text already read (ParseAmbientText)
};

// What the model asks of its drive for the move, from the load analysis's thrusts, in single
// precision.
struct DriveFigures {
  float peakCurrent = 0.0f;       // Arms: peak thrust / force constant
  float rmsCurrent = 0.0f;        // Arms: RMS thrust / force constant
  float peakCurrentShare = 0.0f;  // percent of the model's peak current
  float rmsCurrentShare = 0.0f;   // percent of the model's rated current
  float backEmf = 0.0f;           // V at the peak velocity
  float copperLoss = 0.0f;        // W: (RMS thrust / motor constant)^2
};

struct CandidateRating {
  std::size_t index = 0;  // position in the rows rated (for the built-in catalog: the catalog index)
  MotorSeries series = MotorSeries::DoubleSided;  // 0 for one of the user's motors
  std::int32_t number = 0;                        // within its series; 0 for one of the user's motors
  std::string_view name;                          // the row's text
  std::string_view family;                        // the user's motors: the family their file gives; empty otherwise
  bool user = false;                              // one of the user's motors (catalog/MotorList)
  DutyResult duty;                                // bit for bit the selection's ratios of this row
  bool fits = false;                              // the selection's test against both limits
  // The first fitting built-in row of its series: the selection's pick. Never one of the user's.
  bool selected = false;
  float ratedMargin = 0.0f;  // limit minus ratio, percent points; negative when over the limit
  float peakMargin = 0.0f;
  LoadAnalysis analysis;
  bool coolEnough = false;  // coil temperature at or below kMaxCoilTempC
  // The largest load mass, a whole number of kHeadroomStepKg, with which the row fits, the rest
  // of the move unchanged: that mass fits and one step more does not, or it is kMaxLoadMassKg
  // (read "or more"). None when even one step does not fit.
  std::optional<float> headroomKg;
  DriveFigures drive;
};

struct ComparisonOutcome {
  // The selection's message for a move or limits it refuses; no rows then.
  std::optional<Message> refusal;
  std::int32_t ratedLimit = 0;  // percent
  std::int32_t peakLimit = 0;
  float accelG = 0.0f;                // the g value every row was rated with
  bool reachable = true;              // as in SelectionOutcome: the stroke holds both ramps
  std::vector<CandidateRating> rows;  // one per row rated, in the order given
};

// Rates every row of `rows` (the built-in catalog's by default; catalog/MotorList gives them with
// the user's motors after them). The names and families of the outcome are views into the rows.
ComparisonOutcome CompareCandidates(const ComparisonRequest& request,
                                    std::span<const MotorRecord> rows = MotorCatalog::Instance().Rows());

}  // namespace brivane
