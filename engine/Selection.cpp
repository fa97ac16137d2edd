#include "engine/Selection.h"

namespace brivane {
namespace {

constexpr std::array<MessageCode, 3> kNoFitMessages{MessageCode::NoFitDoubleSided, MessageCode::NoFitSingleSided,
                                                    MessageCode::NoFitVela};

bool ValidPosition(const std::optional<int>& p) { return p && *p >= 0 && *p < kLimitPositions; }

// First row of the series, in catalog order, that stays strictly under both limits.
SeriesChoice SearchSeries(const MotionInput& in, float accelG, MotorSeries s, bool gate, float ratedLimit,
                          float peakLimit, const MotorCatalog& catalog) {
  SeriesChoice choice;
  if (!gate) return choice;
  const IndexRange range = MotorCatalog::SeriesRange(s);
  for (std::size_t i = range.first; i <= range.last; ++i) {
    const MotorRecord& row = catalog.at(i);
    const DutyResult duty = ComputeDuty(in, accelG, row).duty;
    if (RowFits(row, duty, ratedLimit, peakLimit)) {
      choice.model = std::string(row.name);
      choice.number = row.seriesNumber[SeriesSlot(s)];
      choice.duty = duty;
      return choice;
    }
  }
  return choice;
}

}  // namespace

std::optional<Message> ValidateSelectionInput(const MotionInput& in, const std::optional<int>& ratedPosition,
                                              const std::optional<int>& peakPosition) {
  if (const auto failure = ValidateMotionInput(in, AccelTimeCheck::Selection)) return failure;
  if (!ValidPosition(ratedPosition) || !ValidPosition(peakPosition)) return Message{MessageCode::NoLimits};
  return std::nullopt;
}

bool RowFits(const MotorRecord& row, const DutyResult& duty, float ratedLimit, float peakLimit) {
  return ratedLimit > duty.ratedDuty && peakLimit > duty.peakDuty && row.offered == 1;
}

SelectionOutcome RunSelection(const SelectionRequest& request, const MotorCatalog& catalog) {
  SelectionOutcome out;
  const MotionInput& in = request.input;
  out.move = in;

  // In g mode the acceleration is converted before any check, so a run that stops later still
  // leaves it.
  if (in.accelMode == AccelMode::Gravity) out.acceleration = AccelerationForms{in.accelValue, AccelTimeMs(in)};
  if (const auto failure = ValidateSelectionInput(in, request.ratedPosition, request.peakPosition)) {
    out.messages.push_back(*failure);
    return out;
  }
  out.ratedLimit = LimitFromPosition(*request.ratedPosition);
  out.peakLimit = LimitFromPosition(*request.peakPosition);

  out.accelG = AccelInG(in);
  if (in.accelMode == AccelMode::Time) out.acceleration = AccelerationForms{out.accelG, in.accelValue};
  if (out.ratedLimit != 70 || out.peakLimit != 80) out.messages.push_back({MessageCode::NotRecommendedLimits});

  for (const MotorSeries s : kAllSeries) {
    const std::size_t slot = SeriesSlot(s);
    out.series[slot] = SearchSeries(in, out.accelG, s, request.gates[slot], static_cast<float>(out.ratedLimit),
                                    static_cast<float>(out.peakLimit), catalog);
    if (out.series[slot].number == 0) out.messages.push_back({kNoFitMessages[slot]});
  }
  out.completed = true;
  return out;
}

DutyCheckOutcome CheckModelDuty(const DutyCheckRequest& request, const MotorCatalog& catalog) {
  DutyCheckOutcome out;
  const MotionInput& in = request.input;
  // The input checks come before the model check: with no model and a wrong velocity, the
  // velocity is what the user hears about.
  if (const auto failure = ValidateMotionInput(in, AccelTimeCheck::DutyCheck)) {
    out.status = DutyCheckStatus::InputRejected;
    out.message = *failure;
    return out;
  }
  const auto index = request.model.empty() ? std::nullopt : catalog.FindByName(request.model);
  if (!index) {
    out.status = DutyCheckStatus::ModelMissing;
    out.message = Message{MessageCode::NoModel};
    return out;
  }
  const MotorRecord& row = catalog.at(*index);
  out.series = row.Series();
  out.number = row.Number();
  out.model = std::string(row.name);

  const float ratedDuty = ComputeDuty(in, AccelInG(in), row).duty.ratedDuty;
  const LoadAnalysis analysis = AnalyseLoad(in, row, request.ambientTemp);
  out.analysis = analysis;
  if (analysis.constTime < 0.0f || analysis.constDistance < 0.0f) {
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
  if (outcome.status != DutyCheckStatus::Completed) return;
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
