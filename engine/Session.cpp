#include "engine/Session.h"

#include <algorithm>
#include <string>

namespace brivane {
namespace {

constexpr unsigned kSelection = static_cast<unsigned>(SessionPart::Selection);
constexpr unsigned kCheck = static_cast<unsigned>(SessionPart::Check);
constexpr unsigned kComparison = static_cast<unsigned>(SessionPart::Comparison);

// The inputs whose values differ between two sets of values, as the parts they feed.
unsigned PartsOfChanges(const FormValues& a, const FormValues& b) {
  const MotionInput& x = a.move;
  const MotionInput& y = b.move;
  const std::pair<bool, FormField> fields[] = {
      {x.loadMass != y.loadMass, FormField::LoadMass},
      {x.distanceMm != y.distanceMm, FormField::Distance},
      {x.accelValue != y.accelValue, FormField::AccelValue},
      {x.accelMode != y.accelMode, FormField::AccelMode},
      {x.peakVelocity != y.peakVelocity, FormField::Velocity},
      {x.dwellMs != y.dwellMs, FormField::Dwell},
      {x.frictionCoefficient != y.frictionCoefficient, FormField::Friction},
      {x.safetyFactor != y.safetyFactor, FormField::Safety},
      {a.ratedPosition != b.ratedPosition, FormField::RatedLimit},
      {a.peakPosition != b.peakPosition, FormField::PeakLimit},
      {a.ambient != b.ambient, FormField::Ambient},
      {a.model != b.model, FormField::Model},
      {a.show != b.show, FormField::Show},
  };
  unsigned parts = 0;
  for (const auto& [changed, field] : fields)
    if (changed) parts |= PartsFedBy(field);
  return parts;
}

}  // namespace

unsigned PartsFedBy(FormField field) {
  switch (field) {
    case FormField::RatedLimit:
    case FormField::PeakLimit: return kSelection | kComparison;
    // The comparison's coil temperatures start from the ambient temperature too.
    case FormField::Ambient: return kCheck | kComparison;
    case FormField::Model: return kCheck;
    // The show boxes only pick the sheets to open.
    case FormField::Show: return 0;
    default: return kSelection | kCheck | kComparison;  // the move
  }
}

SelectionMessages OrderSelectionMessages(const SelectionOutcome& outcome) {
  SelectionMessages out;
  if (!outcome.completed) {
    out.beforeResults = outcome.messages;
    return out;
  }
  // The notice about the limits is answered before the results appear, as it comes before the
  // search; the results are on screen before the no-fit messages, so that each sits over the
  // outcome it explains.
  for (const Message& message : outcome.messages) {
    auto& into = message.code == MessageCode::NotRecommendedLimits ? out.beforeResults : out.afterResults;
    into.push_back(message);
  }
  // The ratios on show are of a profile the axis cannot run; they stay, with this said over them.
  if (!outcome.reachable) out.afterResults.push_back({MessageCode::ProfileUnreachable});
  return out;
}

ComparisonOutcome CompareFormValues(const FormValues& values, std::span<const MotorRecord> rows) {
  ComparisonRequest request;
  request.move = values.move;
  request.ratedPosition = values.ratedPosition;
  request.peakPosition = values.peakPosition;
  request.ambientTemp = ParseAmbientText(values.ambient);
  return CompareCandidates(request, rows);
}

Session::Session(const MotorCatalog& catalog) : m_catalog(catalog) {}

void Session::SetValues(const FormValues& values) {
  Outdate(PartsOfChanges(m_values, values));
  m_values = values;
}

bool Session::LoadValues(const FormValues& values) {
  FormValues held = values;
  // The model list holds the catalog in its order: "cl-07" picks CL-07, an unknown name nothing.
  const std::optional<std::size_t> model = FindModelIgnoringCase(m_catalog.Rows(), values.model);
  held.model = model ? std::string(m_catalog.at(*model).name) : std::string();
  SetValues(held);
  return model.has_value() || values.model.empty();
}

void Session::Edited(FormField field) { Outdate(PartsFedBy(field)); }

std::int32_t Session::FoundNumber(MotorSeries s) const {
  return m_selection ? m_selection->series[SeriesSlot(s)].number : 0;
}

void Session::InitialUpdate() {
  m_checkedSeries = 0;
  m_values.ratedPosition = kDefaultRatedPosition;
  m_values.peakPosition = kDefaultPeakPosition;
  m_values.model.clear();
  m_chart = EmptyProfileChart();
}

SelectionOutcome Session::RunSelection() {
  SelectionRequest request;
  request.input = m_values.move;
  request.ratedPosition = m_values.ratedPosition;
  request.peakPosition = m_values.peakPosition;
  // 5급 gates the double-sided series, 1급 the single-sided, 6급 the Vela-Series.
  request.gates = {m_motorType[4], m_motorType[0], m_motorType[5]};
  SelectionOutcome outcome = brivane::RunSelection(request, m_catalog);
  m_record.Apply(outcome);
  if (outcome.completed) {
    m_selection = outcome;
    Current(SessionPart::Selection);
  }
  RefreshComparison();
  return outcome;
}

DutyCheckOutcome Session::CheckModelDuty() {
  const DutyCheckRequest request{m_values.move, m_values.model, ParseAmbientText(m_values.ambient)};
  DutyCheckOutcome outcome = brivane::CheckModelDuty(request, m_catalog);
  m_record.Apply(outcome);
  if (outcome.analysis) {
    m_check = outcome;
    // The ambient input shows the temperature as the check read it ("26" for "25.6").
    m_values.ambient = FormatAnalysisTexts(*outcome.analysis).ambient;
    Current(SessionPart::Check);
  }
  if (outcome.status == DutyCheckStatus::Completed) {
    // No constant-velocity stretch: the chart keeps what it showed.
    if (outcome.chart) m_chart = *outcome.chart;
    m_checkedSeries = static_cast<std::int32_t>(outcome.series);
  }
  RefreshComparison();
  return outcome;
}

ViewSpecOutcome Session::ViewSpec() {
  ViewSpecOutcome out;
  if (m_checkedSeries >= 1 && m_checkedSeries <= 3) {
    // A duty check has just finished: only its series' sheet opens, whatever the show boxes say.
    out.sheets.push_back(OpenSheet(static_cast<MotorSeries>(m_checkedSeries)));
    m_checkedSeries = 0;
    return out;
  }
  out.selection = RunSelection();
  // A selection that stopped on a message opens nothing, rather than the sheets of an older result.
  if (!out.selection->completed) return out;
  m_record.CopySelectedToShown();
  for (const MotorSeries s : kAllSeries) {
    if (m_values.show[SeriesSlot(s)] && FoundNumber(s) != 0) out.sheets.push_back(OpenSheet(s));
  }
  return out;
}

SeriesSheet Session::OpenSheet(MotorSeries s) {
  SeriesSheet sheet{s, MakeDataSheetTexts(m_record, s, m_catalog)};
  // The sheet has taken what it shows: the series returns to the selection's model.
  m_record.RestoreShown(s);
  return sheet;
}

void Session::Reset() {
  m_values = FormValues{};
  m_motorType = {true, true, true, true, true, true};
  m_selection.reset();
  m_check.reset();
  m_chart = EmptyProfileChart();
  m_checkedSeries = 0;
  // An open comparison empties: its rows belong to the values before.
  m_comparison.reset();
  m_staleParts = 0;
}

std::optional<Message> Session::StartSave() {
  const bool none =
      std::all_of(kAllSeries.begin(), kAllSeries.end(), [this](MotorSeries s) { return FoundNumber(s) == 0; });
  if (none) return Message{MessageCode::SelectionMissing};
  m_record.CopySelectedToShown();
  return std::nullopt;
}

const ComparisonOutcome& Session::Compare() {
  m_comparing = true;
  RefreshComparison();
  return *m_comparison;
}

void Session::CloseComparison() {
  m_comparing = false;
  m_comparison.reset();
  m_staleParts &= ~kComparison;
}

void Session::FormUnreadable() {
  m_comparison.reset();
  m_staleParts &= ~kComparison;
}

void Session::RefreshComparison() {
  if (!m_comparing) return;
  m_comparison = CompareFormValues(m_values, m_motors.All());
  Current(SessionPart::Comparison);
}

void Session::SetMotors(MotorList motors) {
  // The rows on show hold views into the old list: rated again before it goes.
  std::optional<ComparisonOutcome> rated;
  if (m_comparison) rated = CompareFormValues(m_values, motors.All());
  m_comparison = std::move(rated);
  m_motors = std::move(motors);
}

std::optional<UserMotorSheet> Session::UserSheet(std::size_t index) const {
  if (!m_comparison || index >= m_motors.All().size()) return std::nullopt;
  const MotorRecord& row = m_motors.All()[index];
  if (!row.user) return std::nullopt;
  for (const CandidateRating& c : m_comparison->rows) {
    if (c.index == index) return UserMotorSheet{std::string(row.family), MakeDataSheetTexts(row, c.duty)};
  }
  return std::nullopt;
}

std::vector<SeriesSheet> Session::SelectedSheets() const {
  std::vector<SeriesSheet> sheets;
  if (!m_selection) return sheets;
  SelectionRecord shown = m_record;
  shown.CopySelectedToShown();
  for (const MotorSeries s : kAllSeries) {
    if (m_values.show[SeriesSlot(s)] && FoundNumber(s) != 0)
      sheets.push_back({s, MakeDataSheetTexts(shown, s, m_catalog)});
  }
  return sheets;
}

std::optional<SeriesSheet> Session::CheckedSheet() const {
  if (!m_check || m_check->status != DutyCheckStatus::Completed || m_check->user) return std::nullopt;
  // The check's model and ratios become the shown ones of its series, as when its sheet opened.
  SelectionRecord checked = m_record;
  checked.Apply(*m_check);
  return SeriesSheet{m_check->series, MakeDataSheetTexts(checked, m_check->series, m_catalog)};
}

void Session::Outdate(unsigned parts) {
  unsigned shown = 0;
  if (m_selection) shown |= kSelection;
  if (m_check) shown |= kCheck;
  if (m_comparison) shown |= kComparison;
  m_staleParts |= parts & shown;
}

void Session::Current(SessionPart part) { m_staleParts &= ~static_cast<unsigned>(part); }

}  // namespace brivane
