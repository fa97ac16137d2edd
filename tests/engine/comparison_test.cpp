#include "engine/Comparison.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "catalog/MotorList.h"
#include "engine/ComparisonTexts.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "engine/Selection.h"
#include "tests/support/WorkedExamples.h"

using namespace brivane;

namespace {

float LogUniform(std::mt19937& rng, double lo, double hi) {
  std::uniform_real_distribution<double> u(std::log(lo), std::log(hi));
  return static_cast<float>(std::exp(u(rng)));
}

// Moves over the whole accepted range, both acceleration modes, any limit pair; about one in
// fifteen has a value just outside its check or a missing limit.
ComparisonRequest RandomRequest(std::mt19937& rng) {
  ComparisonRequest r;
  MotionInput& in = r.move;
  std::uniform_int_distribution<int> pct(0, 99);
  in.loadMass = LogUniform(rng, 0.01, 3000.0);
  in.distanceMm = static_cast<std::int32_t>(LogUniform(rng, 1.0, 100000.0));
  in.peakVelocity = LogUniform(rng, 0.01, 30.0);
  if (pct(rng) < 30) {
    in.accelMode = AccelMode::Time;
    in.accelValue = LogUniform(rng, 10.0, 5000.0);
  } else {
    in.accelValue = LogUniform(rng, 0.01, 50.0);
  }
  in.dwellMs = pct(rng) < 20 ? 0.0f : LogUniform(rng, 1.0, 10000.0);
  in.frictionCoefficient = pct(rng) < 10 ? 0.0f : LogUniform(rng, 0.01, 10.0);
  in.safetyFactor = LogUniform(rng, 1.0, 20.0);
  std::uniform_int_distribution<int> position(0, kLimitPositions - 1);
  r.ratedPosition = position(rng);
  r.peakPosition = position(rng);
  switch (pct(rng)) {
    case 0: in.loadMass = 3000.5f; break;
    case 1: in.distanceMm = -in.distanceMm; break;
    case 2: in.accelMode == AccelMode::Time ? in.accelValue = 9.9f : in.peakVelocity = 30.5f; break;
    case 3: r.peakPosition.reset(); break;
    case 4: r.ratedPosition = kLimitPositions; break;
    case 5: in.loadMass = std::nanf(""); break;
    case 6:
      in.frictionCoefficient = -0.5f;
      r.ratedPosition.reset();
      break;  // the move's check comes first
    default: break;
  }
  r.ambientTemp = static_cast<float>(pct(rng));
  return r;
}

SelectionOutcome Select(const ComparisonRequest& r) {
  SelectionRequest s;
  s.input = r.move;
  s.ratedPosition = r.ratedPosition;
  s.peakPosition = r.peakPosition;
  return RunSelection(s);
}

std::uint32_t Bits(float v) { return std::bit_cast<std::uint32_t>(v); }

// Whether the row fits the request with another load, as the comparison itself answers it.
bool FitsWithLoad(ComparisonRequest r, std::size_t index, float loadMass) {
  r.move.loadMass = loadMass;
  return CompareCandidates(r).rows.at(index).fits;
}

}  // namespace

// In each series the first fitting row in catalog order is the selection's pick with the same
// ratios; a series without one is the one the selection reports without a fit. Refused moves are
// refused with the selection's message.
TEST(Comparison, AgreesWithTheSelectionOnRandomMoves) {
  std::mt19937 rng(20261208);
  int picks = 0, noFits = 0, refusals = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const ComparisonRequest request = RandomRequest(rng);
    const SelectionOutcome selection = Select(request);
    const ComparisonOutcome comparison = CompareCandidates(request);
    if (!selection.completed) {
      ++refusals;
      ASSERT_TRUE(comparison.refusal) << trial;
      EXPECT_EQ(*comparison.refusal, selection.messages.back()) << trial;
      EXPECT_TRUE(comparison.rows.empty());
      continue;
    }
    ASSERT_FALSE(comparison.refusal) << trial << " " << KoreanText(*comparison.refusal);
    ASSERT_EQ(comparison.rows.size(), MotorCatalog::kSize);
    EXPECT_EQ(comparison.ratedLimit, selection.ratedLimit);
    EXPECT_EQ(comparison.peakLimit, selection.peakLimit);
    for (const MotorSeries s : kAllSeries) {
      const SeriesChoice& choice = selection.series[SeriesSlot(s)];
      const CandidateRating* first = nullptr;
      int selectedCount = 0;
      for (std::size_t i = 0; i < comparison.rows.size(); ++i) {
        const CandidateRating& c = comparison.rows[i];
        ASSERT_EQ(c.index, i);
        // Margins and the fit test tell the same story.
        EXPECT_EQ(c.fits, c.ratedMargin > 0.0f && c.peakMargin > 0.0f) << c.name;
        if (c.series != s) continue;
        if (c.fits && !first) first = &c;
        selectedCount += c.selected ? 1 : 0;
      }
      if (!first) {
        ++noFits;
        EXPECT_EQ(choice.number, 0) << trial;
        EXPECT_EQ(selectedCount, 0);
        continue;
      }
      ++picks;
      EXPECT_TRUE(first->selected);
      EXPECT_EQ(selectedCount, 1);
      EXPECT_EQ(first->name, choice.model) << trial;
      EXPECT_EQ(first->number, choice.number) << trial;
      EXPECT_EQ(Bits(first->duty.ratedDuty), Bits(choice.duty.ratedDuty)) << trial;
      EXPECT_EQ(Bits(first->duty.peakDuty), Bits(choice.duty.peakDuty)) << trial;
    }
  }
  // The moves must exercise every outcome, or the comparison above proves little.
  EXPECT_GT(picks, 2000);
  EXPECT_GT(noFits, 1000);
  EXPECT_GT(refusals, 50);
}

// The headroom fits and one step of 0.01 kg more does not; it is a typed two-decimal mass; a row
// that fits its own load keeps at least that load less one step.
TEST(Comparison, HeadroomIsTheLastFittingHundredth) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<std::size_t> rowOf(0, MotorCatalog::kSize - 1);
  int bounded = 0;
  for (int trial = 0; bounded < 300 && trial < 3000; ++trial) {
    const ComparisonRequest request = RandomRequest(rng);
    const ComparisonOutcome out = CompareCandidates(request);
    if (out.refusal) continue;
    const std::size_t i = rowOf(rng);
    const CandidateRating& c = out.rows[i];
    if (!c.headroomKg || *c.headroomKg >= kMaxLoadMassKg) continue;
    ++bounded;
    const float h = *c.headroomKg;
    EXPECT_EQ(ParseFloatField(FormatFixed(h, 2)), h) << c.name;
    const auto step = std::lround(static_cast<double>(h) * 100.0);
    const auto next = static_cast<float>(static_cast<double>(step + 1) / 100.0);
    EXPECT_TRUE(FitsWithLoad(request, i, h)) << trial << " " << c.name << " " << h;
    EXPECT_FALSE(FitsWithLoad(request, i, next)) << trial << " " << c.name << " " << h;
    if (c.fits) {
      EXPECT_GT(h, request.move.loadMass - 0.01f) << c.name;
    } else {
      EXPECT_LT(h, request.move.loadMass) << c.name;
    }
  }
  EXPECT_EQ(bounded, 300);
}

TEST(Comparison, HeadroomAtTheLoadCapAndNone) {
  ComparisonRequest gentle;  // a slow move without friction: the largest models carry any load
  gentle.move = examples::FirstMove();
  gentle.move.accelValue = 0.01f;
  gentle.move.peakVelocity = 0.1f;
  gentle.move.frictionCoefficient = 0.0f;
  gentle.move.dwellMs = 10000.0f;
  ComparisonRequest violent;  // 50 g at 30 m/s: the smallest models cannot move even 0.01 kg
  violent.move = examples::FirstMove();
  violent.move.accelValue = 50.0f;
  violent.move.peakVelocity = 30.0f;
  violent.move.distanceMm = 100000;

  const auto cl23 = *MotorCatalog::Instance().FindByName("CL-23");
  const ComparisonOutcome g = CompareCandidates(gentle);
  ASSERT_TRUE(g.rows[cl23].headroomKg);
  EXPECT_EQ(*g.rows[cl23].headroomKg, kMaxLoadMassKg);
  EXPECT_TRUE(FitsWithLoad(gentle, cl23, kMaxLoadMassKg));
  EXPECT_EQ(FormatCandidateTexts(g.rows[cl23])[static_cast<std::size_t>(CandidateColumn::Headroom)], "3000 or more");

  const ComparisonOutcome v = CompareCandidates(violent);
  EXPECT_FALSE(v.rows[0].headroomKg);
  EXPECT_FALSE(FitsWithLoad(violent, 0, 0.01f));
  EXPECT_EQ(FormatCandidateTexts(v.rows[0])[static_cast<std::size_t>(CandidateColumn::Headroom)], "-");
}

// Drive figures worked by hand from the catalog's numbers for the row and the thrusts of the
// row's own load analysis, in single precision.
TEST(Comparison, DriveFiguresFromTheCatalog) {
  struct Row {
    const char* name;
    float forceConstant, peakCurrent, ratedCurrent, bemfConstant, motorConstant;
  };
  const Row rows[] = {
      {"CL-01", 19.0f, 3.9f, 1.3f, 6.78f, 4.7f},
      {"IC-11", 41.42f, 11.4f, 3.8f, 13.95f, 17.6f},
      {"VC-21", 116.52f, 67.8f, 22.6f, 38.84f, 120.47f},
  };
  ComparisonRequest r;
  r.move = examples::FirstMove();
  r.move.peakVelocity = 1.5f;  // the peak thrust does not depend on it
  const ComparisonOutcome out = CompareCandidates(r);
  for (const Row& row : rows) {
    const CandidateRating& c = out.rows[*MotorCatalog::Instance().FindByName(row.name)];
    const float peak = c.analysis.peakThrust / row.forceConstant;
    const float rms = c.analysis.rmsThrust / row.forceConstant;
    const float q = c.analysis.rmsThrust / row.motorConstant;
    EXPECT_EQ(c.drive.peakCurrent, peak) << row.name;
    EXPECT_EQ(c.drive.rmsCurrent, rms) << row.name;
    EXPECT_EQ(c.drive.peakCurrentShare, peak / row.peakCurrent * 100.0f) << row.name;
    EXPECT_EQ(c.drive.rmsCurrentShare, rms / row.ratedCurrent * 100.0f) << row.name;
    EXPECT_EQ(c.drive.backEmf, row.bemfConstant * 1.5f) << row.name;
    EXPECT_EQ(c.drive.copperLoss, q * q) << row.name;
  }
  // CL-01 against the worked example's peak thrust of 13.47625 N: 0.709 A, 18.2 % of 3.9 A.
  const CandidateRating& cl01 = out.rows[0];
  EXPECT_EQ(cl01.analysis.peakThrust, 13.47625f);
  EXPECT_NEAR(cl01.drive.peakCurrent, 0.70928, 1e-5);
  EXPECT_NEAR(cl01.drive.peakCurrentShare, 18.187, 1e-3);
  EXPECT_NEAR(cl01.drive.backEmf, 10.17, 1e-5);
}

TEST(ComparisonTexts, WorkedExampleInTheFormsFormats) {
  ComparisonRequest r;
  r.move = examples::FirstMove();
  const ComparisonOutcome out = CompareCandidates(r);
  const auto texts = [&out](const char* name) {
    return FormatCandidateTexts(out.rows[*MotorCatalog::Instance().FindByName(name)]);
  };
  // Name, series, number, verdict, ratios, margins, coil temperature.
  const CandidateTexts cl01 = texts("CL-01");
  const std::vector<std::string> head(cl01.begin(), cl01.begin() + 9);
  EXPECT_EQ(head, (std::vector<std::string>{"CL-01", "1", "1", "선정", "29.3", "23.6", "40.7", "56.4", "31.2"}));
  EXPECT_EQ(texts("IC-02")[3], "부적합");  // rated 70.124: over the limit by a hair
  EXPECT_EQ(texts("IC-02")[6], "-0.1");
  EXPECT_EQ(texts("IC-04")[3], "적합");  // fits, after the pick IC-03
}

TEST(ComparisonTexts, CsvRecordsQuoteOnlyWhereNeeded) {
  const struct {
    std::vector<std::string> fields;
    std::string record;
  } cases[] = {
      {{"CL-01", "29.3", ""}, "CL-01,29.3,\r\n"},
      {{"a,b", "say \"hi\"", "two\nlines"}, "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\"\r\n"},
      {{"정격 사용률(%)"}, "정격 사용률(%)\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(CsvRecord(c.fields), c.record);
}

// The user's motors are rated by the same arithmetic: a copy of every built-in row, after the
// built-in rows, gives every figure of its original to the bit, is never the selection's pick, and
// leaves the picks of the built-in rows as they were; rated alone, nothing is picked.
TEST(Comparison, UserCopiesOfTheCatalogRateToTheBitAndAreNeverPicked) {
  MotorList list;
  for (const MotorRecord& row : MotorCatalog::Instance().Rows())
    list.AddUserMotor(row, "U" + std::string(row.name), "");
  const auto bits = [](const CandidateRating& c) {
    std::vector<std::uint32_t> b;
    for (const float v : {c.duty.ratedDuty,
                          c.duty.peakDuty,
                          c.ratedMargin,
                          c.peakMargin,
                          c.analysis.rmsThrust,
                          c.analysis.peakThrust,
                          c.analysis.accelTime,
                          c.analysis.constTime,
                          c.analysis.totalTime,
                          c.analysis.accelDistance,
                          c.analysis.constDistance,
                          c.analysis.totalDistance,
                          c.analysis.coilTemp,
                          c.headroomKg.value_or(-1.0f),
                          c.drive.peakCurrent,
                          c.drive.rmsCurrent,
                          c.drive.peakCurrentShare,
                          c.drive.rmsCurrentShare,
                          c.drive.backEmf,
                          c.drive.copperLoss})
      b.push_back(std::bit_cast<std::uint32_t>(v));
    return b;
  };
  std::mt19937 rng(23);
  for (int n = 0; n < 40; ++n) {
    const ComparisonRequest request = RandomRequest(rng);
    const ComparisonOutcome builtIn = CompareCandidates(request);
    const ComparisonOutcome both = CompareCandidates(request, list.All());
    const ComparisonOutcome userOnly = CompareCandidates(request, list.User());
    ASSERT_EQ(both.refusal.has_value(), builtIn.refusal.has_value());
    if (builtIn.refusal) continue;
    ASSERT_EQ(both.rows.size(), 2 * MotorCatalog::kSize);
    for (std::size_t i = 0; i < MotorCatalog::kSize; ++i) {
      const CandidateRating& original = builtIn.rows[i];
      const CandidateRating& copy = both.rows[MotorCatalog::kSize + i];
      EXPECT_EQ(both.rows[i].selected, original.selected);
      EXPECT_EQ(bits(copy), bits(original)) << original.name;
      EXPECT_EQ(bits(userOnly.rows[i]), bits(original)) << original.name;
      EXPECT_EQ(copy.fits, original.fits);
      EXPECT_TRUE(copy.user);
      EXPECT_EQ(copy.index, MotorCatalog::kSize + i);
      EXPECT_FALSE(copy.selected);
      EXPECT_FALSE(userOnly.rows[i].selected);
    }
  }
}

// The duty check finds the user's motors among the rows it is given, and the selection record,
// which holds the built-in catalog's models, takes no notice of them.
TEST(Comparison, DutyCheckOfAUserMotorLeavesTheRecordAlone) {
  MotorList list;
  list.AddUserMotor(MotorCatalog::Instance().at(0), "MY-01", "fam");
  const DutyCheckOutcome copy = CheckModelDuty({examples::FirstMove(), "MY-01", 20.0f}, list.All());
  ASSERT_EQ(copy.status, DutyCheckStatus::Completed);
  EXPECT_TRUE(copy.user);
  EXPECT_EQ(copy.family, "fam");
  EXPECT_EQ(CheckModelDuty({examples::FirstMove(), "MY-01", 20.0f}).status, DutyCheckStatus::ModelMissing);
  SelectionRecord record = examples::FirstSelectionRecord();
  const SelectionRecord before = record;
  record.Apply(copy);
  EXPECT_EQ(record.lastCheckedSeries, before.lastCheckedSeries);
  for (const MotorSeries s : kAllSeries) EXPECT_EQ(record.of(s).shownName, before.of(s).shownName);
}
