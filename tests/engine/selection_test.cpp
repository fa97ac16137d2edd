#include "engine/Selection.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/Comparison.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "tests/support/WorkedExamples.h"

using namespace brivane;

namespace {

SelectionRequest FirstMove() { return examples::FirstSelectionRequest(); }

// What the form does with a run: the outcome, recorded.
SelectionOutcome RunAndRecord(const SelectionRequest& request, SelectionRecord& record) {
  SelectionOutcome out = RunSelection(request);
  record.Apply(out);
  return out;
}

DutyCheckOutcome CheckAndRecord(const DutyCheckRequest& request, SelectionRecord& record) {
  DutyCheckOutcome out = CheckModelDuty(request);
  record.Apply(out);
  return out;
}

std::string Duty1(float v) { return FormatFixed(v, 1); }

void ExpectChoice(const SelectionOutcome& out, MotorSeries s, std::string_view model, const char* rated,
                  const char* peak) {
  const SeriesChoice& c = out.series[SeriesSlot(s)];
  EXPECT_EQ(c.model, model);
  EXPECT_EQ(Duty1(c.duty.ratedDuty), rated) << model;
  EXPECT_EQ(Duty1(c.duty.peakDuty), peak) << model;
}

}  // namespace

TEST(Selection, WorkedExamples) {
  {
    SelectionRecord rec;
    const SelectionOutcome out = RunAndRecord(FirstMove(), rec);
    ASSERT_TRUE(out.completed);
    EXPECT_TRUE(out.messages.empty());
    ExpectChoice(out, MotorSeries::DoubleSided, "CL-01", "29.3", "23.6");
    ExpectChoice(out, MotorSeries::SingleSided, "IC-03", "60.1", "40.1");  // IC-02 is at 70.124
    ExpectChoice(out, MotorSeries::Vela, "VC-01", "54.0", "47.9");
    EXPECT_EQ(out.series[0].number, 1);
    EXPECT_EQ(out.series[1].number, 3);
  }
  {
    SelectionRequest heavy = FirstMove();
    heavy.input.loadMass = 200.0f;
    SelectionRecord rec;
    const SelectionOutcome out = RunAndRecord(heavy, rec);
    ASSERT_TRUE(out.completed);
    EXPECT_EQ(out.messages, std::vector<Message>{Message{MessageCode::NoFitSingleSided}});
    ExpectChoice(out, MotorSeries::DoubleSided, "CL-23", "61.1", "49.3");
    ExpectChoice(out, MotorSeries::SingleSided, "", "0.0", "0.0");
    ExpectChoice(out, MotorSeries::Vela, "VC-21", "51.5", "41.5");
    EXPECT_EQ(out.series[1].number, 0);
  }
  {
    SelectionRequest strict = FirstMove();
    strict.ratedPosition = 0;
    strict.peakPosition = 0;
    SelectionRecord rec;
    const SelectionOutcome out = RunAndRecord(strict, rec);
    ASSERT_TRUE(out.completed);
    EXPECT_EQ(out.messages, std::vector<Message>{Message{MessageCode::NotRecommendedLimits}});
    ExpectChoice(out, MotorSeries::DoubleSided, "CL-02", "21.1", "17.0");
    ExpectChoice(out, MotorSeries::SingleSided, "IC-16", "24.1", "14.6");
    ExpectChoice(out, MotorSeries::Vela, "VC-21", "7.7", "6.2");
    EXPECT_EQ(rec.ratedLimit, 25);
    EXPECT_EQ(rec.peakLimit, 25);
  }
}

TEST(Selection, NothingFitsAnExtremeMove) {
  SelectionRequest r;
  r.input.loadMass = 3000.0f;
  r.input.accelValue = 50.0f;
  r.input.peakVelocity = 30.0f;
  r.input.distanceMm = 100000;
  r.input.frictionCoefficient = 10.0f;
  r.input.safetyFactor = 20.0f;
  SelectionRecord rec;
  const SelectionOutcome out = RunAndRecord(r, rec);
  ASSERT_TRUE(out.completed);
  EXPECT_EQ(out.messages,
            (std::vector<Message>{Message{MessageCode::NoFitDoubleSided}, Message{MessageCode::NoFitSingleSided},
                                  Message{MessageCode::NoFitVela}}));
  for (const SeriesRecord& s : rec.series) {
    EXPECT_EQ(s.selectedNumber, 0);
    EXPECT_EQ(s.shownName, "");
    EXPECT_EQ(s.duty.ratedDuty, 0.0f);
  }
}

TEST(Selection, RatioEqualToTheLimitDoesNotFit) {
  // The first move rates IC-03 at 60.1 %; find the limit list value just at or under it.
  SelectionRequest r = FirstMove();
  SelectionRecord rec;
  const float ic03 = RunAndRecord(r, rec).series[1].duty.ratedDuty;
  // Moving the limit down to 60 % (below 60.1) must skip IC-03.
  r.ratedPosition = PositionFromLimit(60);
  const SelectionOutcome out = RunAndRecord(r, rec);
  EXPECT_NE(out.series[1].model, "IC-03");
  EXPECT_LT(out.series[1].duty.ratedDuty, 60.0f);
  EXPECT_GT(ic03, 60.0f);
}

TEST(Selection, RatioExactlyAtTheLimitDoesNotFitOneUlpLighterDoes) {
  // Load masses at which the first row of a series rates exactly at a limit of the lists, found
  // by stepping through every float mass of the first move.
  struct Case {
    const char* model;
    bool peak;  // which ratio meets the limit
    int limit;
    float mass;
  };
  const Case cases[] = {
      {"CL-01", false, 30, 0x1.07aa38p+0f}, {"CL-01", true, 25, 0x1.12678ap+0f},  {"CL-01", false, 70, 0x1.5e4694p+1f},
      {"CL-01", true, 80, 0x1.fd7276p+1f},  {"IC-01", false, 70, 0x1.39c808p-1f}, {"VC-01", false, 70, 0x1.ab6854p+0f},
      {"VC-01", true, 25, 0x1.a104ap-4f},
  };
  const MotorCatalog& catalog = MotorCatalog::Instance();
  for (const Case& c : cases) {
    const MotorRecord& row = catalog.at(*catalog.FindByName(c.model));
    SelectionRequest r = FirstMove();
    r.input.loadMass = c.mass;
    // The other ratio has all the room the lists give.
    r.ratedPosition = PositionFromLimit(c.peak ? 100 : c.limit);
    r.peakPosition = PositionFromLimit(c.peak ? c.limit : 100);
    const DutyResult duty = ComputeDuty(r.input, AccelInG(r.input), row).duty;
    ASSERT_EQ(c.peak ? duty.peakDuty : duty.ratedDuty, static_cast<float>(c.limit)) << c.model << " " << c.mass;
    ASSERT_LT(c.peak ? duty.ratedDuty : duty.peakDuty, 100.0f) << c.model;

    const std::size_t slot = SeriesSlot(row.Series());
    EXPECT_NE(RunSelection(r).series[slot].model, c.model) << c.limit << " at " << c.mass;
    r.input.loadMass = std::nextafter(c.mass, 0.0f);
    EXPECT_EQ(RunSelection(r).series[slot].model, c.model) << c.limit << " under " << c.mass;
  }
}

TEST(Selection, RecordsTheRunAndKeepsTheShownNumbers) {
  SelectionRecord rec;
  rec.series[0].shownNumber = 7;
  rec.lastCheckedSeries = 2;
  SelectionRequest r = FirstMove();
  r.input.dwellMs = 250.0f;
  RunAndRecord(r, rec);
  EXPECT_EQ(rec.series[0].selectedNumber, 1);
  EXPECT_EQ(rec.series[0].selectedName, "CL-01");
  EXPECT_EQ(rec.series[0].shownName, "CL-01");
  EXPECT_EQ(rec.series[0].shownNumber, 7);  // only the data-sheet and save buttons copy numbers
  EXPECT_EQ(rec.lastCheckedSeries, 2);
  EXPECT_EQ(rec.series[2].selectedName, "VC-01");
  EXPECT_EQ(rec.accelG, 1.0f);
  EXPECT_EQ(FormatFixed(rec.accelTimeMs, 1), "102.0");
  EXPECT_EQ(rec.move.dwellMs, 250.0f);
  EXPECT_EQ(rec.move.distanceMm, 500);
  EXPECT_EQ(rec.move.frictionCoefficient, 0.1f);
  EXPECT_EQ(rec.move.safetyFactor, 1.3f);
  EXPECT_EQ(rec.ratedLimit, 70);
  EXPECT_EQ(rec.peakLimit, 80);
  rec.CopySelectedToShown();
  for (const SeriesRecord& s : rec.series) {
    EXPECT_NE(s.selectedNumber, 0);
    EXPECT_EQ(s.shownNumber, s.selectedNumber);
  }
}

TEST(Selection, TimeModeRecordsBothAccelerationForms) {
  SelectionRequest r = FirstMove();
  r.input.accelMode = AccelMode::Time;
  r.input.accelValue = 100.0f;
  SelectionRecord rec;
  const SelectionOutcome out = RunAndRecord(r, rec);
  ASSERT_TRUE(out.completed);
  EXPECT_EQ(rec.accelTimeMs, 100.0f);
  EXPECT_EQ(rec.accelG, 1.0204082f);
  EXPECT_EQ(out.accelG, 1.0204082f);
}

TEST(Selection, StoppedRunsChangeOnlyTheGModeAcceleration) {
  SelectionRecord rec;
  RunAndRecord(FirstMove(), rec);
  const SelectionRecord before = rec;

  SelectionRequest bad = FirstMove();
  bad.input.accelValue = 2.0f;
  bad.input.loadMass = 0.0f;
  SelectionOutcome out = RunAndRecord(bad, rec);
  EXPECT_FALSE(out.completed);
  EXPECT_EQ(out.messages, std::vector<Message>{Message{MessageCode::Mass}});
  EXPECT_EQ(rec.accelG, 2.0f);  // written before the checks in g mode
  EXPECT_EQ(FormatFixed(rec.accelTimeMs, 1), "51.0");
  EXPECT_EQ(rec.series[0].selectedName, before.series[0].selectedName);
  EXPECT_EQ(rec.move.loadMass, before.move.loadMass);

  // No selected position in a limit list: after every input check has passed.
  SelectionRequest noLimit = FirstMove();
  noLimit.peakPosition.reset();
  out = RunAndRecord(noLimit, rec);
  EXPECT_FALSE(out.completed);
  EXPECT_EQ(out.messages, std::vector<Message>{Message{MessageCode::NoLimits}});
  noLimit.input.peakVelocity = 0.0f;
  EXPECT_EQ(RunAndRecord(noLimit, rec).messages, std::vector<Message>{Message{MessageCode::Velocity}});

  // In time mode a stopped run leaves the acceleration fields alone.
  SelectionRequest time = FirstMove();
  time.input.accelMode = AccelMode::Time;
  time.input.accelValue = 9.9f;
  const float g = rec.accelG;
  EXPECT_EQ(RunAndRecord(time, rec).messages, std::vector<Message>{Message{MessageCode::AccelTime}});
  EXPECT_EQ(rec.accelG, g);
}

TEST(Selection, ClearedGateFindsNothingInItsSeries) {
  SelectionRequest r = FirstMove();
  r.gates = {true, false, true};
  SelectionRecord rec;
  const SelectionOutcome out = RunAndRecord(r, rec);
  EXPECT_EQ(out.messages, std::vector<Message>{Message{MessageCode::NoFitSingleSided}});
  EXPECT_EQ(out.series[0].model, "CL-01");
  EXPECT_EQ(out.series[1].number, 0);
}

TEST(Selection, LimitPositions) {
  EXPECT_EQ(LimitFromPosition(0), 25);
  EXPECT_EQ(LimitFromPosition(9), 70);
  EXPECT_EQ(LimitFromPosition(11), 80);
  EXPECT_EQ(LimitFromPosition(15), 100);
  EXPECT_EQ(PositionFromLimit(70), 9);
  EXPECT_FALSE(PositionFromLimit(72));
  EXPECT_FALSE(PositionFromLimit(20));
  EXPECT_FALSE(PositionFromLimit(105));
}

TEST(DutyCheck, WorkedExampleAndRecord) {
  SelectionRecord rec;
  RunAndRecord(FirstMove(), rec);
  DutyCheckRequest req{FirstMove().input, "CL-01", 20.0f};
  const DutyCheckOutcome out = CheckAndRecord(req, rec);
  ASSERT_EQ(out.status, DutyCheckStatus::Completed);
  EXPECT_EQ(out.series, MotorSeries::DoubleSided);
  EXPECT_EQ(FormatFixed(out.duty.ratedDuty, 3), "29.298");
  EXPECT_EQ(FormatFixed(out.duty.peakDuty, 3), "23.643");
  EXPECT_EQ(FormatFixed(rec.series[0].duty.peakDuty, 3), "23.643");
  EXPECT_EQ(rec.lastCheckedSeries, 1);
  ASSERT_TRUE(out.chart);
  EXPECT_EQ(out.chart->labels[3], "602");

  // Opening the sheet brings the selection's model back, with its own ratios.
  rec.RestoreShown(MotorSeries::DoubleSided);
  EXPECT_EQ(rec.lastCheckedSeries, 0);
  EXPECT_EQ(FormatFixed(rec.series[0].duty.peakDuty, 3), "23.640");
}

TEST(DutyCheck, ChangesOnlyTheCheckedSeries) {
  SelectionRecord rec;
  RunAndRecord(FirstMove(), rec);
  const SelectionRecord before = rec;
  const DutyCheckOutcome out = CheckAndRecord({FirstMove().input, "IC-14", 20.0f}, rec);
  ASSERT_EQ(out.status, DutyCheckStatus::Completed);
  EXPECT_EQ(rec.series[1].shownName, "IC-14");
  EXPECT_EQ(rec.series[1].shownNumber, 18);
  EXPECT_EQ(rec.series[1].selectedName, "IC-03");
  EXPECT_EQ(rec.lastCheckedSeries, 2);
  for (std::size_t s : {0u, 2u}) {
    EXPECT_EQ(rec.series[s].shownName, before.series[s].shownName);
    EXPECT_EQ(rec.series[s].duty.ratedDuty, before.series[s].duty.ratedDuty);
  }
  rec.RestoreShown(MotorSeries::SingleSided);
  EXPECT_EQ(rec.series[1].shownName, "IC-03");
  EXPECT_EQ(rec.series[1].shownNumber, 3);
  EXPECT_EQ(rec.series[1].duty.ratedDuty, before.series[1].duty.ratedDuty);

  EXPECT_EQ(CheckAndRecord({FirstMove().input, "VC-21", 20.0f}, rec).number, 21);
}

TEST(DutyCheck, FailuresInTheirOrder) {
  SelectionRecord rec;
  DutyCheckRequest req{FirstMove().input, "", 20.0f};
  req.input.peakVelocity = 0.0f;
  EXPECT_EQ(CheckAndRecord(req, rec).message, Message{MessageCode::Velocity});  // inputs before the model
  req.input.peakVelocity = 1.0f;
  DutyCheckOutcome out = CheckAndRecord(req, rec);
  EXPECT_EQ(out.status, DutyCheckStatus::ModelMissing);
  EXPECT_EQ(out.message, Message{MessageCode::NoModel});
  req.model = "cl-01";
  EXPECT_EQ(CheckAndRecord(req, rec).status, DutyCheckStatus::ModelMissing);

  req.model = "CL-01";
  req.input.distanceMm = 100;
  out = CheckAndRecord(req, rec);
  EXPECT_EQ(out.status, DutyCheckStatus::ProfileInvalid);
  EXPECT_EQ(out.message, Message{MessageCode::ProfileTooShort});
  ASSERT_TRUE(out.analysis);
  EXPECT_EQ(FormatFixed(out.analysis->constDistance, 1), "-2.0");
  EXPECT_EQ(rec.lastCheckedSeries, 0);
  EXPECT_EQ(rec.series[0].shownName, "");

  // Exactly twice the ramp: accepted, but no chart to draw.
  req.input.accelMode = AccelMode::Time;
  req.input.accelValue = 100.0f;
  out = CheckAndRecord(req, rec);
  EXPECT_EQ(out.status, DutyCheckStatus::Completed);
  EXPECT_FALSE(out.chart);

  // A positive time under 10 msec is checked; 0 is refused.
  req.input.distanceMm = 500;
  req.input.accelValue = 5.0f;
  EXPECT_EQ(CheckAndRecord(req, rec).status, DutyCheckStatus::Completed);
  req.input.accelValue = 0.0f;
  EXPECT_EQ(CheckAndRecord(req, rec).message, Message{MessageCode::AccelTime});
}

TEST(Selection, StrokeTooShortForThePeakVelocityIsRatedAndMarked) {
  // 5 kg, 10 mm, 0.1 g, 5 m/s: the ramps alone would need about 25 m.
  SelectionRequest shortStroke = FirstMove();
  shortStroke.input.loadMass = 5.0f;
  shortStroke.input.distanceMm = 10;
  shortStroke.input.accelValue = 0.1f;
  shortStroke.input.peakVelocity = 5.0f;
  const SelectionOutcome out = RunSelection(shortStroke);
  ASSERT_TRUE(out.completed);
  EXPECT_FALSE(out.reachable);
  EXPECT_TRUE(out.messages.empty());  // no message of the selection's own is added
  ExpectChoice(out, MotorSeries::DoubleSided, "CL-01", "36.1", "18.1");  // the numbers as they always were
  EXPECT_EQ(CompareCandidates({shortStroke.input}).reachable, false);
  // The duty check refuses the same move, by the same test.
  EXPECT_EQ(CheckModelDuty({shortStroke.input, "CL-01"}).status, DutyCheckStatus::ProfileInvalid);

  EXPECT_TRUE(RunSelection(FirstMove()).reachable);
  // Exactly twice the ramp: no constant-velocity stretch, but nothing too short either.
  SelectionRequest twoRamps = FirstMove();
  twoRamps.input.accelMode = AccelMode::Time;
  twoRamps.input.accelValue = 100.0f;
  twoRamps.input.distanceMm = 100;
  EXPECT_TRUE(RunSelection(twoRamps).reachable);
  EXPECT_TRUE(CompareCandidates({twoRamps.input}).reachable);
}
