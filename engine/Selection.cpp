#include "engine/Selection.h"

namespace brivane {
namespace {

constexpr std::array<MessageCode, 3> kNoFitMessages{MessageCode::NoFitDoubleSided, MessageCode::NoFitSingleSided,
                                                    MessageCode::NoFitVela};

bool ValidPosition(const std::optional<int>& p) { return p && *p >= 0 && *p < kLimitPositions; }

// The selection's checks, in its order: the message of the first that fails, or nothing.
std::optional<Message> ValidateSelectionInput(const MotionInput& in, const std::optional<int>& ratedPosition,
                                              const std::optional<int>& peakPosition) {
  if (const auto failure = ValidateMotionInput(in, AccelTimeCheck::Selection)) return failure;
  if (!ValidPosition(ratedPosition) || !ValidPosition(peakPosition)) return Message{MessageCode::NoLimits};
  return std::nullopt;
}

}  // namespace

bool RowFits(const MotorRecord& row, const DutyResult& duty, float ratedLimit, float peakLimit) {
  return ratedLimit > duty.ratedDuty && peakLimit > duty.peakDuty && row.offered == 1;
}

SelectionStart StartSelection(const MotionInput& in, const std::optional<int>& ratedPosition,
                              const std::optional<int>& peakPosition) {
  SelectionStart start;
  start.refusal = ValidateSelectionInput(in, ratedPosition, peakPosition);
  if (start.refusal) return start;
  start.basis.ratedLimit = LimitFromPosition(*ratedPosition);
  start.basis.peakLimit = LimitFromPosition(*peakPosition);
  start.basis.accelG = AccelInG(in);
  return start;
}

std::optional<FirstFit> FindFirstFit(const MotionInput& in, const SelectionBasis& basis, MotorSeries s,
                                     const MotorCatalog& catalog) {
  const IndexRange range = MotorCatalog::SeriesRange(s);
  FirstFitPicks picks;
  for (std::size_t i = range.first; i <= range.last; ++i) {
    const MotorRecord& row = catalog.at(i);
    const DutyResult duty = ComputeDuty(in, basis.accelG, row).duty;
    if (picks.Take(row, basis.Fits(row, duty))) return FirstFit{i, duty};
  }
  return std::nullopt;
}

SelectionOutcome RunSelection(const SelectionRequest& request, const MotorCatalog& catalog) {
  SelectionOutcome out;
  const MotionInput& in = request.input;
  out.move = in;

  // In g mode the acceleration is converted before any check, so a run that stops later still
  // leaves it.
  if (in.accelMode == AccelMode::Gravity) out.acceleration = AccelerationForms{in.accelValue, AccelTimeMs(in)};
  const SelectionStart start = StartSelection(in, request.ratedPosition, request.peakPosition);
  if (start.refusal) {
    out.messages.push_back(*start.refusal);
    return out;
  }
  out.ratedLimit = start.basis.ratedLimit;
  out.peakLimit = start.basis.peakLimit;
  out.accelG = start.basis.accelG;
  out.reachable = ReachesPeakVelocity(in);
  if (in.accelMode == AccelMode::Time) out.acceleration = AccelerationForms{out.accelG, in.accelValue};
  if (out.ratedLimit != 70 || out.peakLimit != 80) out.messages.push_back({MessageCode::NotRecommendedLimits});

  for (const MotorSeries s : kAllSeries) {
    const std::size_t slot = SeriesSlot(s);
    const auto fit = request.gates[slot] ? FindFirstFit(in, start.basis, s, catalog) : std::nullopt;
    if (fit) {
      const MotorRecord& row = catalog.at(fit->index);
      out.series[slot] = {std::string(row.name), row.seriesNumber[slot], fit->duty};
    } else {
      out.messages.push_back({kNoFitMessages[slot]});
    }
  }
  out.completed = true;
  return out;
}

DutyCheckOutcome CheckModelDuty(const DutyCheckRequest& request, const MotorCatalog& catalog) {
  return CheckModelDuty(request, catalog.Rows());
}

DutyCheckOutcome CheckModelDuty(const DutyCheckRequest& request, std::span<const MotorRecord> rows) {
  DutyCheckOutcome out;
  const MotionInput& in = request.input;
  // The input checks come before the model check: with no model and a wrong velocity, the
  // velocity is what the user hears about.
  if (const auto failure = ValidateMotionInput(in, AccelTimeCheck::DutyCheck)) {
    out.status = DutyCheckStatus::InputRejected;
    out.message = *failure;
    return out;
  }
  const auto index = request.model.empty() ? std::nullopt : FindRowByName(rows, request.model);
  if (!index) {
    out.status = DutyCheckStatus::ModelMissing;
    out.message = Message{MessageCode::NoModel};
    return out;
  }
  const MotorRecord& row = rows[*index];
  out.series = row.Series();
  out.number = row.Number();
  out.model = std::string(row.name);
  out.user = row.user;
  out.family = std::string(row.family);

  const float ratedDuty = ComputeDuty(in, AccelInG(in), row).duty.ratedDuty;
  const LoadAnalysis analysis = AnalyseLoad(in, row, request.ambientTemp);
  out.analysis = analysis;
  if (!ReachesPeakVelocity(analysis)) {
    out.status = DutyCheckStatus::ProfileInvalid;
    out.message = Message{MessageCode::ProfileTooShort};
    return out;
  }
  out.chart = MakeProfileChart(analysis, in.peakVelocity);

  // The peak ratio starts from the analysis's peak thrust, so it can differ from the
  // selection's in the last digits.
  out.duty.ratedDuty = ratedDuty;
  out.duty.peakDuty = ((analysis.peakThrust * in.safetyFactor) / row.peakForce) * 100.0f;
  out.status = DutyCheckStatus::Completed;
  return out;
}

void SelectionRecord::Apply(const SelectionOutcome& outcome) {
  if (outcome.acceleration) {
    accelG = outcome.acceleration->g;
    accelTimeMs = outcome.acceleration->timeMs;
  }
  if (!outcome.completed) return;
  for (const MotorSeries s : kAllSeries) {
    const SeriesChoice& c = outcome.series[SeriesSlot(s)];
    SeriesRecord& r = of(s);
    r.duty = c.duty;
    r.selectedDuty = c.duty;
    r.selectedNumber = c.number;
    r.selectedName = c.model;
    r.shownName = c.model;
  }
  move = outcome.move;
  ratedLimit = outcome.ratedLimit;
  peakLimit = outcome.peakLimit;
}

void SelectionRecord::Apply(const DutyCheckOutcome& outcome) {
  // A user's motor has no series to show it in.
  if (outcome.status != DutyCheckStatus::Completed || outcome.user || SeriesSlot(outcome.series) >= series.size())
    return;
  SeriesRecord& r = of(outcome.series);
  r.shownNumber = outcome.number;
  r.shownName = outcome.model;
  r.duty = outcome.duty;
  lastCheckedSeries = static_cast<std::int32_t>(outcome.series);
}

void SelectionRecord::CopySelectedToShown() {
  for (SeriesRecord& s : series) s.shownNumber = s.selectedNumber;
}

void SelectionRecord::RestoreShown(MotorSeries s) {
  SeriesRecord& r = of(s);
  r.shownNumber = r.selectedNumber;
  r.shownName = r.selectedName;
  r.duty = r.selectedDuty;
  if (lastCheckedSeries == static_cast<std::int32_t>(s)) lastCheckedSeries = 0;
}

}  // namespace brivane
