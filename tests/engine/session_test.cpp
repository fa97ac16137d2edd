// The form's session without a window: exact values read back, what goes out of date, what the
// data-sheet and save buttons open and leave in the record, and the comparison it keeps.
#include "engine/Session.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "engine/NumberText.h"
#include "tests/support/WorkedExamples.h"

using namespace brivane;

namespace {

FormValues FirstMove() {
  FormValues v;
  v.move = examples::FirstMove();
  return v;
}

// A session showing a selection, a completed check of `model` and a comparison of the first move.
Session Worked(const char* model = "CL-01") {
  Session s;
  s.InitialUpdate();
  FormValues v = FirstMove();
  v.model = model;
  s.SetValues(v);
  s.Compare();
  s.RunSelection();
  s.CheckModelDuty();
  return s;
}

std::vector<MotorSeries> SeriesOf(const std::vector<SeriesSheet>& sheets) {
  std::vector<MotorSeries> out;
  for (const SeriesSheet& sheet : sheets) out.push_back(sheet.series);
  return out;
}

}  // namespace

TEST(Session, FieldsReadBackTheValueTheyWereShownFrom) {
  // An unedited text gives the exact value it was shown from; an edited one is read as typed.
  EXPECT_EQ(FormFieldText(1.6695607f), "1.66956");
  EXPECT_EQ(ReadFormField("1.66956", 1.6695607f, false), 1.6695607f);
  EXPECT_EQ(ReadFormField("1.66956", 1.6695607f, true), 1.66956f);
  EXPECT_EQ(ReadFormField("1.66956", 2.0f, false), 1.66956f);
  EXPECT_EQ(ReadFormField(FormFieldText(FLT_MAX), FLT_MAX, false), FLT_MAX);
  EXPECT_NE(ReadFormField(FormFieldText(FLT_MAX), FLT_MAX, true), FLT_MAX);
  EXPECT_EQ(ReadFormField("abc", 1.0f, false), std::nullopt);
  EXPECT_EQ(ReadFormField("500", std::int32_t{7}, false), 500);
  EXPECT_EQ(ReadFormField("500.5", std::int32_t{500}, true), std::nullopt);
}

TEST(Session, EditsOutdateWhatTheyFeed) {
  const struct {
    FormField field;
    bool selection, check, comparison;
  } cases[] = {
      {FormField::LoadMass, true, true, true},    {FormField::AccelMode, true, true, true},
      {FormField::RatedLimit, true, false, true}, {FormField::Ambient, false, true, true},
      {FormField::Model, false, true, false},     {FormField::Show, false, false, false},
  };
  for (const auto& c : cases) {
    Session s = Worked();
    ASSERT_FALSE(s.AnyStale());
    s.Edited(c.field);
    EXPECT_EQ(s.IsStale(SessionPart::Selection), c.selection) << static_cast<int>(c.field);
    EXPECT_EQ(s.IsStale(SessionPart::Check), c.check) << static_cast<int>(c.field);
    EXPECT_EQ(s.IsStale(SessionPart::Comparison), c.comparison) << static_cast<int>(c.field);
  }
  // Values that change mark the same; a selection freshens its part and the comparison.
  Session s = Worked();
  FormValues v = s.Values();
  v.move.loadMass = 2.0f;
  s.SetValues(v);
  EXPECT_TRUE(s.IsStale(SessionPart::Selection) && s.IsStale(SessionPart::Check));
  s.RunSelection();
  EXPECT_FALSE(s.IsStale(SessionPart::Selection) || s.IsStale(SessionPart::Comparison));
  EXPECT_TRUE(s.IsStale(SessionPart::Check));
  // Nothing on show, nothing out of date.
  s.Reset();
  s.Edited(FormField::LoadMass);
  EXPECT_FALSE(s.AnyStale());
  EXPECT_FALSE(s.Comparison().has_value());
}

TEST(Session, DataSheetButtonAfterACheckAndAfterASelection) {
  Session s = Worked("IC-14");
  EXPECT_EQ(s.Record().lastCheckedSeries, 2);
  // Right after the check: only its series, showing the checked model; the series then returns
  // to the selection's model.
  ViewSpecOutcome out = s.ViewSpec();
  EXPECT_FALSE(out.selection.has_value());
  ASSERT_EQ(SeriesOf(out.sheets), std::vector{MotorSeries::SingleSided});
  EXPECT_EQ(out.sheets[0].texts.model, "IC-14");
  EXPECT_EQ(s.Record().of(MotorSeries::SingleSided).shownName, "IC-03");
  EXPECT_EQ(s.Record().lastCheckedSeries, 0);
  // Then the selection runs again and the ticked series with a pick open.
  FormValues v = s.Values();
  v.show = {true, false, true};
  s.SetValues(v);
  out = s.ViewSpec();
  ASSERT_TRUE(out.selection && out.selection->completed);
  EXPECT_EQ(SeriesOf(out.sheets), (std::vector{MotorSeries::DoubleSided, MotorSeries::Vela}));
  // A selection that stops opens nothing, not the sheets of the one before.
  v.move.peakVelocity = 0.0f;
  s.SetValues(v);
  out = s.ViewSpec();
  EXPECT_FALSE(out.selection->completed);
  EXPECT_TRUE(out.sheets.empty());
  EXPECT_EQ(s.FoundNumber(MotorSeries::DoubleSided), 1);  // the results on show stay
}

TEST(Session, SaveNeedsAFoundModelAndShowsTheSelectedOnes) {
  Session s;
  EXPECT_EQ(s.StartSave()->code, MessageCode::SelectionMissing);
  FormValues v = FirstMove();
  v.model = "CL-05";
  s.SetValues(v);
  s.RunSelection();
  EXPECT_EQ(s.Record().of(MotorSeries::DoubleSided).shownNumber, 0);  // the selection shows nothing yet
  s.CheckModelDuty();
  s.ViewSpec();  // as the form opens the check's sheet
  // The PDF's sheets come from copies and leave the record as it is.
  EXPECT_EQ(s.SelectedSheets().front().texts.model, "CL-01");
  EXPECT_EQ(s.CheckedSheet()->texts.model, "CL-05");
  EXPECT_EQ(s.Record().of(MotorSeries::SingleSided).shownNumber, 0);
  EXPECT_FALSE(s.StartSave().has_value());
  EXPECT_EQ(s.Record().of(MotorSeries::SingleSided).shownNumber, 3);
}

TEST(Session, FileValuesAsTheFormHoldsThem) {
  Session s;
  FormValues v = FirstMove();
  v.model = "cl-07";
  v.ratedPosition = std::nullopt;
  EXPECT_TRUE(s.LoadValues(v));
  EXPECT_EQ(s.Values().model, "CL-07");
  EXPECT_EQ(s.Values().ratedPosition, std::nullopt);
  v.model = "XX-99";
  EXPECT_FALSE(s.LoadValues(v));
  EXPECT_EQ(s.Values().model, "");
  // The buttons then answer as for no item and no model.
  EXPECT_EQ(s.RunSelection().messages, std::vector<Message>{{MessageCode::NoLimits}});
  EXPECT_EQ(s.CheckModelDuty().message, Message{MessageCode::NoModel});
}

TEST(Session, ComparisonFollowsTheCommandsWhileOpen) {
  Session s;
  s.SetValues(FirstMove());
  s.RunSelection();
  EXPECT_FALSE(s.Comparison().has_value());  // not asked for
  EXPECT_EQ(s.Compare().rows.size(), MotorCatalog::kSize);
  FormValues v = s.Values();
  v.move.loadMass = 30.0f;
  s.SetValues(v);
  EXPECT_TRUE(s.IsStale(SessionPart::Comparison));
  s.RunSelection();
  EXPECT_EQ(s.Comparison()->rows[0].duty.ratedDuty, CompareFormValues(v).rows[0].duty.ratedDuty);
  s.FormUnreadable();
  EXPECT_FALSE(s.Comparison().has_value());
  s.CheckModelDuty();  // no model: refused, yet the comparison is the form's values again
  EXPECT_TRUE(s.Comparison().has_value());
  s.CloseComparison();
  s.RunSelection();
  EXPECT_FALSE(s.Comparison().has_value());
}

TEST(Session, SelectionMessagesAroundTheResults) {
  FormValues v = FirstMove();
  v.move.loadMass = 200.0f;  // no single-sided motor fits
  v.peakPosition = 13;       // 90 %: the notice
  Session s;
  s.SetValues(v);
  const SelectionMessages said = OrderSelectionMessages(s.RunSelection());
  EXPECT_EQ(said.beforeResults, std::vector<Message>{{MessageCode::NotRecommendedLimits}});
  EXPECT_EQ(said.afterResults, std::vector<Message>{{MessageCode::NoFitSingleSided}});
  v.move.distanceMm = 10;  // too short to reach 1 m/s: said last
  s.SetValues(v);
  EXPECT_EQ(OrderSelectionMessages(s.RunSelection()).afterResults.back().code, MessageCode::ProfileUnreachable);
}

// The user's motors join the comparison only: an open comparison is rated again when they change,
// keeping its out-of-date mark, and a copy of CL-01 under another name shows CL-01's sheet.
TEST(Session, UserMotorsJoinTheComparison) {
  Session s = Worked();
  MotorList motors;
  motors.AddUserMotor(MotorCatalog::Instance().at(0), "MY-01", "mine");
  FormValues v = s.Values();
  v.move.loadMass = 2.0f;
  s.SetValues(v);  // read, not yet computed: the comparison on show is out of date
  s.SetMotors(std::move(motors));
  EXPECT_TRUE(s.IsStale(SessionPart::Comparison));
  const CandidateRating& mine = s.Comparison()->rows.at(MotorCatalog::kSize);
  EXPECT_EQ(mine.name, "MY-01");

  const std::optional<UserMotorSheet> sheet = s.UserSheet(MotorCatalog::kSize);
  ASSERT_TRUE(sheet.has_value());
  EXPECT_EQ(sheet->family, "mine");
  EXPECT_EQ(sheet->texts.model, "MY-01");
  EXPECT_EQ(sheet->texts.values, MakeDataSheetTexts(s.Record(), MotorSeries::DoubleSided).values);  // CL-01's
  EXPECT_EQ(sheet->texts.ratedDuty, FormatFixed(static_cast<double>(mine.duty.ratedDuty), 1));
  EXPECT_FALSE(s.UserSheet(0).has_value());  // a built-in row opens through the duty check

  s.CloseComparison();
  s.SetMotors(MotorList());
  EXPECT_FALSE(s.UserSheet(MotorCatalog::kSize).has_value());
  EXPECT_EQ(s.Compare().rows.size(), MotorCatalog::kSize);
}
