// The axis window's design, without Qt: the cycle as the user edits it, the cycle rated, every
// motor row rated for it (duty, headroom, drive), and the plots of the row chosen. A value the
// checks refuse (out of its range, or a text that is no number) stays in the editor, marked with
// its reason, and the rating keeps the value last accepted for that field, so that the rest of the
// cycle is still rated while the user types. An edit re-rates only what it can change and says
// what that was, so that a view redraws only that.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/MotorCatalog.h"
#include "engine/AxisPlots.h"
#include "engine/Cycle.h"
#include "engine/CycleColumns.h"
#include "engine/CycleDrive.h"
#include "engine/CycleFields.h"
#include "engine/CyclePlan.h"
#include "engine/CycleRating.h"

namespace brivane {

// What an edit changed.
struct AxisChanges {
  bool editor = false;     // a field's text or mark
  bool segments = false;   // segments added, removed or moved: the editor's rows
  bool plan = false;       // the segments' profiles, durations and peak velocities reached
  bool ratings = false;    // the rows' figures
  bool timePlots = false;  // the chosen row's time plots
  bool plane = false;      // the chosen row's force-speed plane

  bool Any() const { return editor || segments || plan || ratings || timePlots || plane; }
  friend bool operator==(const AxisChanges&, const AxisChanges&) = default;
};

// Why the editor's value of a field is not rated.
struct FieldMark {
  std::optional<CycleMessage> refusal;  // out of its range: the check's message
  std::string text;                     // otherwise the typed text, which is no number
};

inline constexpr std::string_view kNotANumberText = QT_TRANSLATE_NOOP("brivane::EngineTexts", "수가 아닙니다");

// How many rows were rated, fit the duty limits, and pass every check made.
struct AxisSummary {
  std::size_t rated = 0;
  std::size_t fitting = 0;
  std::size_t ok = 0;
};

// A new document's cycle: one new move there and one back.
Cycle NewCycle();

class AxisDesign {
 public:
  // Rates the rows (kept as a view: they must outlive the design) for a cycle of one new move.
  explicit AxisDesign(std::span<const MotorRecord> rows);

  // A new document: every value as given; the ones the checks refuse are marked, and rated at the
  // value a new segment or axis has until they are mended. The accelerations keep their unit.
  void SetCycle(const Cycle& cycle);
  // Other rows to rate (the user's motors changed); the chosen row is kept by name if it is there.
  void SetRows(std::span<const MotorRecord> rows);

  // The editor's edits. A text equal to the one shown changes nothing (the value it was shown from
  // is kept to the bit).
  AxisChanges SetAxisText(AxisField field, std::string_view text);
  AxisChanges SetSegmentText(std::size_t segment, SegmentField field, std::string_view text);
  AxisChanges SetSegmentType(std::size_t segment, SegmentType type);
  AxisChanges SetForceDuring(std::size_t segment, ForceDuring during);
  AxisChanges SetLimits(int ratedLimit, int peakLimit);  // items of the form's list
  AxisChanges SetAccelUnit(AccelUnit unit);
  // `segment` is inserted at `at` (0 to the count); nothing changes when the cycle is full.
  AxisChanges InsertSegment(std::size_t at, const CycleSegment& segment);
  AxisChanges DuplicateSegment(std::size_t segment);  // the copy after it, its marks and texts too
  AxisChanges RemoveSegment(std::size_t segment);
  AxisChanges MoveSegment(std::size_t from, std::size_t to);  // to: its place afterwards
  // The row whose plots are shown, by position in the rows; none: no plots.
  AxisChanges Choose(std::optional<std::size_t> row);

  // The cycle as edited: a text that is no number stands as NaN. Rated() when nothing is marked.
  const Cycle& Edited() const { return m_edited; }
  // The cycle rated: every value as edited, a marked one at its last accepted value.
  const Cycle& Rated() const { return m_rated; }
  AccelUnit Unit() const { return m_unit; }
  std::span<const MotorRecord> Rows() const { return m_rows; }

  // The editor's texts: a typed text that is no number as typed, a value as FieldText writes it,
  // empty for a field the segment's type does not have.
  std::string AxisText(AxisField field) const;
  std::string SegmentText(std::size_t segment, SegmentField field) const;
  std::optional<FieldMark> AxisMark(AxisField field) const;
  std::optional<FieldMark> SegmentMark(std::size_t segment, SegmentField field) const;
  std::size_t MarkCount() const;
  // Whether every value is rated as edited (nothing marked) and none is NaN: what a file may hold.
  bool Complete() const { return MarkCount() == 0; }

  // Why nothing is rated (no segment, too many); none while the rated cycle is rated.
  const std::optional<CycleMessage>& Refusal() const { return m_refusal; }
  const CyclePlan& Plan() const { return m_plan; }
  const CycleRatings& Ratings() const { return m_ratings; }  // no rows while nothing is rated
  const std::vector<CycleDriveRating>& Drive() const { return m_drive; }
  std::size_t RatedCount() const { return m_ratings.rows.size(); }
  CycleRowView Row(std::size_t position) const;
  AxisSummary Summary() const;

  std::optional<std::size_t> Chosen() const { return m_chosen; }
  const CycleTimePlots& TimePlots() const { return m_times; }
  const ForceSpeedPlane& Plane() const { return m_plane; }

 private:
  struct BadText {
    std::size_t segment;
    SegmentField field;
    std::string text;
  };
  const BadText* FindBadText(std::size_t segment, SegmentField field) const;
  void DropBadText(std::size_t segment, SegmentField field);
  const CycleMessage* FindRefusal(CycleMessageCode code, std::size_t segment, std::string_view key) const;
  bool SegmentMarked(std::size_t segment, SegmentField field) const;
  void TakeSegment(std::size_t segment);
  void InsertAt(std::size_t at, const CycleSegment& edited, const CycleSegment& rated);

  AxisChanges Replan();
  AxisChanges Rerate();
  AxisChanges RateDrive(bool plane);
  AxisChanges Replot();
  AxisChanges PlotPlane();
  void ChooseFirstOk();
  void SetChosen(std::optional<std::size_t> row);

  std::span<const MotorRecord> m_rows;
  Cycle m_edited;
  Cycle m_rated;
  AccelUnit m_unit = AccelUnit::MetresPerSecondSquared;
  std::array<std::optional<std::string>, kAxisFieldCount> m_badAxisTexts;
  std::vector<BadText> m_badTexts;       // segment texts that are no number
  std::vector<CycleMessage> m_refusals;  // of the edited cycle, field by field
  std::optional<CycleMessage> m_refusal;
  CyclePlan m_plan;
  std::vector<SegmentPlan> m_planBefore;  // Replan's copy, kept to reuse its storage
  CycleRatings m_ratings;
  std::vector<CycleDriveRating> m_drive;
  std::optional<std::size_t> m_chosen;
  std::string m_chosenName;  // of the chosen row, kept while the rows are replaced
  CycleTimePlots m_times;
  ForceSpeedPlane m_plane;
};

}  // namespace brivane
