#include "engine/AxisDesign.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "engine/NumberText.h"

namespace brivane {
namespace {

// Bit for bit, so that a NaN compares equal to itself and -0 differs from 0.
bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool Same(const std::optional<double>& a, const std::optional<double>& b) {
  return a.has_value() == b.has_value() && (!a || Same(*a, *b));
}

bool IsDriveCurrent(AxisField f) { return f == AxisField::PeakCurrent || f == AxisField::ContinuousCurrent; }

CycleMessageCode RefusalCodeOf(AxisField f) {
  const bool drive = f == AxisField::BusVoltage || IsDriveCurrent(f);
  return drive ? CycleMessageCode::DriveOutOfRange : CycleMessageCode::AxisOutOfRange;
}

// Emptied, their buffers kept.
void ClearPlots(CycleTimePlots& times, ForceSpeedPlane& plane) {
  for (auto* v : {&times.position, &times.velocity, &times.thrust}) v->clear();
  times.boundaries.clear();
  for (auto* v : {&plane.peakEnvelope, &plane.continuousEnvelope, &plane.inside, &plane.outside}) v->clear();
  plane.busVoltage.reset();
}

AxisChanges EditorOnly() {
  AxisChanges c;
  c.editor = true;
  return c;
}

void Merge(AxisChanges& into, const AxisChanges& more) {
  into.editor |= more.editor;
  into.segments |= more.segments;
  into.plan |= more.plan;
  into.ratings |= more.ratings;
  into.timePlots |= more.timePlots;
  into.plane |= more.plane;
}

}  // namespace

Cycle NewCycle() {
  Cycle c;
  c.segments.push_back(NewSegment(SegmentType::Move));
  CycleSegment back = NewSegment(SegmentType::Move);
  back.distanceMm = -back.distanceMm;
  c.segments.push_back(back);
  return c;
}

AxisDesign::AxisDesign(std::span<const MotorRecord> rows) : m_rows(rows) { SetCycle(NewCycle()); }

void AxisDesign::SetCycle(const Cycle& cycle) {
  m_edited = cycle;
  m_rated = cycle;
  m_badAxisTexts = {};
  m_badTexts.clear();
  m_refusals = CycleRefusals(m_edited);
  // What the checks refuse is rated at a new axis's or segment's value until it is mended; a
  // drive figure out of its range as one not given.
  const Cycle defaults;
  for (const CycleMessage& m : m_refusals) {
    for (std::size_t f = 0; f < kAxisFieldCount; ++f) {
      const auto field = static_cast<AxisField>(f);
      if (m.segment != 0 || FieldInfo(field).key != m.field) continue;
      SetAxisValue(m_rated, field, FieldInfo(field).optional ? std::nullopt : AxisValue(defaults, field));
    }
    if (m.segment == 0 || m.segment > m_rated.segments.size()) continue;
    CycleSegment& s = m_rated.segments[m.segment - 1];
    const CycleSegment fresh = NewSegment(s.type);
    for (std::size_t f = 0; f < kSegmentFieldCount; ++f) {
      const auto field = static_cast<SegmentField>(f);
      if (FieldInfo(field).key == m.field) SegmentValue(s, field) = SegmentValue(fresh, field);
    }
  }
  m_chosen.reset();
  Replan();
}

void AxisDesign::SetRows(std::span<const MotorRecord> rows) {
  // The rows given before may be gone already (the user's list replaced): the chosen row is found
  // again by the name kept of it, not read from them.
  const std::string chosen = m_chosen ? m_chosenName : std::string();
  m_rows = rows;
  SetChosen(std::nullopt);
  for (std::size_t i = 0; i < m_rows.size() && !chosen.empty(); ++i)
    if (m_rows[i].name == chosen) SetChosen(i);
  Replan();
}

void AxisDesign::SetChosen(std::optional<std::size_t> row) {
  m_chosen = row;
  m_chosenName = row ? std::string(m_rows[*row].name) : std::string();
}

// ---- The editor's texts and marks

const AxisDesign::BadText* AxisDesign::FindBadText(std::size_t segment, SegmentField field) const {
  for (const BadText& b : m_badTexts)
    if (b.segment == segment && b.field == field) return &b;
  return nullptr;
}

void AxisDesign::DropBadText(std::size_t segment, SegmentField field) {
  std::erase_if(m_badTexts, [&](const BadText& b) { return b.segment == segment && b.field == field; });
}

const CycleMessage* AxisDesign::FindRefusal(CycleMessageCode code, std::size_t segment, std::string_view key) const {
  for (const CycleMessage& m : m_refusals)
    if (m.code == code && m.segment == segment && m.field == key) return &m;
  return nullptr;
}

std::string AxisDesign::AxisText(AxisField field) const {
  const auto& bad = m_badAxisTexts[static_cast<std::size_t>(field)];
  return bad ? *bad : FieldText(AxisValue(m_edited, field));
}

std::string AxisDesign::SegmentText(std::size_t segment, SegmentField field) const {
  if (segment >= m_edited.segments.size()) return {};
  const CycleSegment& s = m_edited.segments[segment];
  if (!HasField(s.type, field)) return {};
  if (const BadText* bad = FindBadText(segment, field)) return bad->text;
  return SegmentFieldText(SegmentValue(s, field), field, m_unit);
}

std::optional<FieldMark> AxisDesign::AxisMark(AxisField field) const {
  const auto& bad = m_badAxisTexts[static_cast<std::size_t>(field)];
  if (bad) return FieldMark{std::nullopt, *bad};
  if (const CycleMessage* m = FindRefusal(RefusalCodeOf(field), 0, FieldInfo(field).key)) return FieldMark{*m, {}};
  return std::nullopt;
}

std::optional<FieldMark> AxisDesign::SegmentMark(std::size_t segment, SegmentField field) const {
  if (segment >= m_edited.segments.size() || !HasField(m_edited.segments[segment].type, field)) return std::nullopt;
  if (const BadText* bad = FindBadText(segment, field)) return FieldMark{std::nullopt, bad->text};
  const CycleMessage* m = FindRefusal(CycleMessageCode::SegmentOutOfRange, segment + 1, FieldInfo(field).key);
  if (m != nullptr) return FieldMark{*m, {}};
  return std::nullopt;
}

bool AxisDesign::SegmentMarked(std::size_t segment, SegmentField field) const {
  return SegmentMark(segment, field).has_value();
}

std::size_t AxisDesign::MarkCount() const {
  std::size_t n = m_badTexts.size();
  for (std::size_t f = 0; f < kAxisFieldCount; ++f) n += AxisMark(static_cast<AxisField>(f)) ? 1 : 0;
  // The refusals of the segments' fields whose text is a number (a NaN's refusal is its text's).
  for (const CycleMessage& m : m_refusals) {
    if (m.code != CycleMessageCode::SegmentOutOfRange) continue;
    bool bad = false;
    for (const BadText& b : m_badTexts) bad |= b.segment + 1 == m.segment && FieldInfo(b.field).key == m.field;
    n += bad ? 0 : 1;
  }
  return n;
}

// ---- Edits

AxisChanges AxisDesign::SetAxisText(AxisField field, std::string_view text) {
  if (text == AxisText(field)) return {};
  const std::size_t f = static_cast<std::size_t>(field);
  const CycleFieldInfo& info = FieldInfo(field);
  std::optional<double> value = ParseDoubleField(text);
  const bool empty = text.find_first_not_of(" \t") == std::string_view::npos;
  if (value || (info.optional && empty)) {
    m_badAxisTexts[f].reset();
  } else {
    m_badAxisTexts[f] = std::string(text);
    value = std::nan("");
  }
  SetAxisValue(m_edited, field, value);
  m_refusals = CycleRefusals(m_edited);
  const std::optional<double> before = AxisValue(m_rated, field);
  if (!AxisMark(field)) SetAxisValue(m_rated, field, value);
  AxisChanges changes = EditorOnly();
  if (Same(before, AxisValue(m_rated, field))) return changes;
  if (!m_refusal && (IsDriveCurrent(field) || field == AxisField::BusVoltage)) {
    // The kinematics and the duty stand; the drive's checks (and the envelope with the bus) change.
    m_plan.drive = m_rated.drive;
    Merge(changes, RateDrive(field == AxisField::BusVoltage));
  } else {
    Merge(changes, Replan());
  }
  return changes;
}

// The rated segment takes each of the edited one's values that is not marked.
void AxisDesign::TakeSegment(std::size_t segment) {
  const CycleSegment& e = m_edited.segments[segment];
  CycleSegment& r = m_rated.segments[segment];
  r.type = e.type;
  r.forceDuring = e.forceDuring;
  for (std::size_t f = 0; f < kSegmentFieldCount; ++f) {
    const auto field = static_cast<SegmentField>(f);
    if (!SegmentMarked(segment, field)) SegmentValue(r, field) = SegmentValue(e, field);
  }
}

AxisChanges AxisDesign::SetSegmentText(std::size_t segment, SegmentField field, std::string_view text) {
  if (segment >= m_edited.segments.size() || !HasField(m_edited.segments[segment].type, field)) return {};
  if (text == SegmentText(segment, field)) return {};
  std::optional<double> value = ParseSegmentField(text, field, m_unit);
  DropBadText(segment, field);
  if (!value) {
    m_badTexts.push_back({segment, field, std::string(text)});
    value = std::nan("");
  }
  SegmentValue(m_edited.segments[segment], field) = *value;
  m_refusals = CycleRefusals(m_edited);
  const double before = SegmentValue(m_rated.segments[segment], field);
  TakeSegment(segment);
  AxisChanges changes = EditorOnly();
  if (!Same(before, SegmentValue(m_rated.segments[segment], field))) Merge(changes, Replan());
  return changes;
}

AxisChanges AxisDesign::SetSegmentType(std::size_t segment, SegmentType type) {
  if (segment >= m_edited.segments.size() || m_edited.segments[segment].type == type) return {};
  CycleSegment& e = m_edited.segments[segment];
  // A text the new type does not show is dropped with its NaN, which takes the rated value back.
  for (std::size_t f = 0; f < kSegmentFieldCount; ++f) {
    const auto field = static_cast<SegmentField>(f);
    if (HasField(type, field) || !FindBadText(segment, field)) continue;
    DropBadText(segment, field);
    SegmentValue(e, field) = SegmentValue(m_rated.segments[segment], field);
  }
  e = WithType(e, type);
  m_rated.segments[segment] = WithType(m_rated.segments[segment], type);
  m_refusals = CycleRefusals(m_edited);
  TakeSegment(segment);
  AxisChanges changes = EditorOnly();
  Merge(changes, Replan());
  return changes;
}

AxisChanges AxisDesign::SetForceDuring(std::size_t segment, ForceDuring during) {
  if (segment >= m_edited.segments.size() || m_edited.segments[segment].forceDuring == during) return {};
  m_edited.segments[segment].forceDuring = during;
  m_rated.segments[segment].forceDuring = during;
  AxisChanges changes = EditorOnly();
  Merge(changes, Replan());
  return changes;
}

AxisChanges AxisDesign::SetLimits(int ratedLimit, int peakLimit) {
  if (m_edited.ratedLimit == ratedLimit && m_edited.peakLimit == peakLimit) return {};
  m_edited.ratedLimit = m_rated.ratedLimit = ratedLimit;
  m_edited.peakLimit = m_rated.peakLimit = peakLimit;
  AxisChanges changes = EditorOnly();
  Merge(changes, Replan());
  return changes;
}

AxisChanges AxisDesign::SetAccelUnit(AccelUnit unit) {
  if (unit == m_unit) return {};
  m_unit = unit;
  // A typed text that was no number stays as typed; the values are shown in the new unit.
  return EditorOnly();
}

void AxisDesign::InsertAt(std::size_t at, const CycleSegment& edited, const CycleSegment& rated) {
  for (BadText& b : m_badTexts) b.segment += b.segment >= at ? 1 : 0;
  const auto offset = static_cast<std::ptrdiff_t>(at);
  m_edited.segments.insert(m_edited.segments.begin() + offset, edited);
  m_rated.segments.insert(m_rated.segments.begin() + offset, rated);
  m_refusals = CycleRefusals(m_edited);
}

AxisChanges AxisDesign::InsertSegment(std::size_t at, const CycleSegment& segment) {
  if (m_edited.segments.size() >= kMaxCycleSegments) return {};
  at = std::min(at, m_edited.segments.size());
  // What the checks refuse of the segment given is rated at a new segment's value.
  InsertAt(at, segment, WithType(segment, segment.type));
  AxisChanges changes = EditorOnly();
  changes.segments = true;
  Merge(changes, Replan());
  return changes;
}

AxisChanges AxisDesign::DuplicateSegment(std::size_t segment) {
  if (segment >= m_edited.segments.size() || m_edited.segments.size() >= kMaxCycleSegments) return {};
  std::vector<BadText> texts;
  for (const BadText& b : m_badTexts)
    if (b.segment == segment) texts.push_back({segment + 1, b.field, b.text});
  const CycleSegment edited = m_edited.segments[segment];
  const CycleSegment rated = m_rated.segments[segment];
  InsertAt(segment + 1, edited, rated);
  m_badTexts.insert(m_badTexts.end(), texts.begin(), texts.end());
  AxisChanges changes = EditorOnly();
  changes.segments = true;
  Merge(changes, Replan());
  return changes;
}

AxisChanges AxisDesign::RemoveSegment(std::size_t segment) {
  if (segment >= m_edited.segments.size()) return {};
  std::erase_if(m_badTexts, [segment](const BadText& b) { return b.segment == segment; });
  for (BadText& b : m_badTexts) b.segment -= b.segment > segment ? 1 : 0;
  const auto offset = static_cast<std::ptrdiff_t>(segment);
  m_edited.segments.erase(m_edited.segments.begin() + offset);
  m_rated.segments.erase(m_rated.segments.begin() + offset);
  m_refusals = CycleRefusals(m_edited);
  AxisChanges changes = EditorOnly();
  changes.segments = true;
  Merge(changes, Replan());
  return changes;
}

AxisChanges AxisDesign::MoveSegment(std::size_t from, std::size_t to) {
  const std::size_t n = m_edited.segments.size();
  if (from >= n || to >= n || from == to) return {};
  const auto rotate = [from, to](auto& v) {
    const auto f = v.begin() + static_cast<std::ptrdiff_t>(from);
    const auto t = v.begin() + static_cast<std::ptrdiff_t>(to);
    if (from < to) {
      std::rotate(f, f + 1, t + 1);
    } else {
      std::rotate(t, f, f + 1);
    }
  };
  rotate(m_edited.segments);
  rotate(m_rated.segments);
  for (BadText& b : m_badTexts) {
    if (b.segment == from) {
      b.segment = to;
    } else if (from < to && b.segment > from && b.segment <= to) {
      --b.segment;
    } else if (to < from && b.segment >= to && b.segment < from) {
      ++b.segment;
    }
  }
  m_refusals = CycleRefusals(m_edited);
  AxisChanges changes = EditorOnly();
  changes.segments = true;
  Merge(changes, Replan());
  return changes;
}

AxisChanges AxisDesign::Choose(std::optional<std::size_t> row) {
  if (row && *row >= m_rows.size()) row.reset();
  if (row == m_chosen) return {};
  SetChosen(row);
  return Replot();
}

// ---- Rating

CycleRowView AxisDesign::Row(std::size_t position) const {
  return {&m_rows[position], &m_ratings.rows[position], &m_drive[position]};
}

AxisSummary AxisDesign::Summary() const {
  AxisSummary s;
  s.rated = m_ratings.rows.size();
  for (std::size_t i = 0; i < s.rated; ++i) {
    s.fitting += m_ratings.rows[i].fits ? 1 : 0;
    s.ok += m_drive[i].verdict == DriveVerdict::Ok ? 1 : 0;
  }
  return s;
}

AxisChanges AxisDesign::Replan() {
  AxisChanges changes;
  changes.ratings = changes.timePlots = changes.plane = true;
  // What the segments' rows show of the plan; a payload or a force leaves it as it was, and the
  // editor then need not show every row again.
  m_planBefore.assign(m_plan.segments.begin(), m_plan.segments.end());
  m_refusal = ValidateCycle(m_rated);
  if (m_refusal) {
    // Nothing is rated: no segment, or too many (every field of the rated cycle is accepted).
    m_plan.segments.clear();
    m_plan.phases.clear();
    m_ratings.rows.clear();
    m_ratings.segmentThrusts.clear();
    m_drive.clear();
    Merge(changes, Replot());
  } else {
    BuildCyclePlan(m_rated, m_plan);
    Merge(changes, Rerate());
  }
  changes.plan = m_plan.segments != m_planBefore;
  return changes;
}

AxisChanges AxisDesign::Rerate() {
  RateCycle(m_plan, m_rows, true, m_ratings);
  AxisChanges changes = RateDrive(false);
  Merge(changes, Replot());
  return changes;
}

AxisChanges AxisDesign::RateDrive(bool plane) {
  RateCycleDrive(m_plan, m_rows, m_ratings, m_drive);
  AxisChanges changes;
  changes.ratings = true;
  if (!m_chosen) ChooseFirstOk();
  // The plane follows the bus voltage too, which leaves the time plots as they are.
  if (plane) Merge(changes, PlotPlane());
  return changes;
}

AxisChanges AxisDesign::Replot() {
  AxisChanges changes;
  changes.timePlots = changes.plane = true;
  if (!m_chosen || m_refusal) {
    ClearPlots(m_times, m_plane);
    return changes;
  }
  PlotCycleTimes(m_plan, m_rows[*m_chosen], m_times);
  PlotForceSpeed(m_plan, m_rows[*m_chosen], m_ratings.rows[*m_chosen], m_times, m_plane);
  return changes;
}

AxisChanges AxisDesign::PlotPlane() {
  AxisChanges changes;
  changes.plane = true;
  if (!m_chosen || m_refusal) {
    ClearPlots(m_times, m_plane);
    return changes;
  }
  PlotForceSpeed(m_plan, m_rows[*m_chosen], m_ratings.rows[*m_chosen], m_times, m_plane);
  return changes;
}

// The first row with every check passed, else the first that fits the duty, else the first.
void AxisDesign::ChooseFirstOk() {
  if (m_ratings.rows.empty()) return;
  for (std::size_t i = 0; i < m_drive.size(); ++i) {
    if (m_drive[i].verdict == DriveVerdict::Ok) {
      SetChosen(i);
      return;
    }
  }
  for (std::size_t i = 0; i < m_ratings.rows.size(); ++i) {
    if (m_ratings.rows[i].fits) {
      SetChosen(i);
      return;
    }
  }
  SetChosen(0);
}

}  // namespace brivane
