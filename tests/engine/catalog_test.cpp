#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/MotorCatalog.h"

using namespace brivane;

namespace {

std::vector<std::vector<std::string>> ReadTable() {
  std::ifstream in(BRIVANE_TEST_DATA "/catalog.tsv");
  std::vector<std::vector<std::string>> rows;
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::stringstream ss(line);
    std::string cell;
    while (std::getline(ss, cell, '\t')) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

float F(const std::string& s) { return std::strtof(s.c_str(), nullptr); }

}  // namespace

// The table is checked cell by cell against the published data sheet, transcribed separately as
// text: a mistyped constant is the fault most likely to go unnoticed in the results.
TEST(MotorCatalog, EveryCellMatchesTheDataSheet) {
  const auto table = ReadTable();
  const MotorCatalog& c = MotorCatalog::Instance();
  ASSERT_EQ(table.size(), c.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto& t = table[i];
    ASSERT_EQ(t.size(), 19u) << "row " << i;
    const MotorRecord& r = c.at(i);
    SCOPED_TRACE(t[1]);
    EXPECT_EQ(std::stoul(t[0]), i);
    EXPECT_EQ(r.name, t[1]);
    EXPECT_EQ(r.Number(), std::stoi(t[3]));
    EXPECT_EQ(r.moverMass, F(t[4]));
    EXPECT_EQ(r.ratedForce, F(t[5]));
    EXPECT_EQ(r.attractionForce, std::stoi(t[6]));
    EXPECT_EQ(r.peakForce, F(t[7]));
    EXPECT_EQ(r.ratedCurrent, F(t[8]));
    EXPECT_EQ(r.peakCurrent, F(t[9]));
    EXPECT_EQ(r.maxPower, F(t[10]));
    EXPECT_EQ(r.polePitch, F(t[11]));
    EXPECT_EQ(r.forceConstant, F(t[12]));
    EXPECT_EQ(r.bemfConstant, F(t[13]));
    EXPECT_EQ(r.motorConstant, F(t[14]));
    EXPECT_EQ(r.electricalTimeConstant, F(t[15]));
    EXPECT_EQ(r.lineResistance, F(t[16]));
    EXPECT_EQ(r.lineInductance, F(t[17]));
    EXPECT_EQ(r.thermalCoefficient, F(t[18]));
  }
}

TEST(MotorCatalog, SeriesLayoutAndNumbering) {
  const MotorCatalog& c = MotorCatalog::Instance();
  const std::pair<MotorSeries, std::pair<std::size_t, std::size_t>> ranges[] = {
      {MotorSeries::DoubleSided, {0, 22}}, {MotorSeries::SingleSided, {23, 47}}, {MotorSeries::Vela, {48, 68}}};
  for (const auto& [s, range] : ranges) {
    const IndexRange r = MotorCatalog::SeriesRange(s);
    EXPECT_EQ(r.first, range.first);
    EXPECT_EQ(r.last, range.second);
    std::set<int> numbers;
    // The series of each row, offered, and one series number per row are compile-time checks of
    // the table (MotorCatalog.cpp); what they leave open is that each number 1..N is used once.
    for (std::size_t i = r.first; i <= r.last; ++i) numbers.insert(c.at(i).Number());
    EXPECT_EQ(numbers.size(), r.last - r.first + 1);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), MotorCatalog::SeriesCount(s));
  }
  // Stored values are the nearest singles, not the decimals.
  EXPECT_EQ(static_cast<double>(c.at(0).ratedForce), 24.700000762939453);
  EXPECT_EQ(c.at(68).attractionForce, 0);
  EXPECT_THROW(c.at(69), std::out_of_range);
}

TEST(MotorCatalog, LookupsUseSeriesNumbersNotPositions) {
  const MotorCatalog& c = MotorCatalog::Instance();
  EXPECT_EQ(c.FindBySeriesNumber(MotorSeries::DoubleSided, 3), 4u);  // CL-05, not CL-03
  EXPECT_EQ(c.FindBySeriesNumber(MotorSeries::DoubleSided, 21), 20u);
  EXPECT_EQ(c.FindBySeriesNumber(MotorSeries::SingleSided, 1), 23u);
  EXPECT_EQ(c.FindBySeriesNumber(MotorSeries::Vela, 21), 68u);
  EXPECT_EQ(c.FindBySeriesNumber(MotorSeries::Vela, 5), 51u);  // VC-04 and VC-09 share 80 N
  EXPECT_EQ(c.FindBySeriesNumber(MotorSeries::Vela, 6), 56u);
  // 0 is "no model", although other series hold 0 in that element.
  for (MotorSeries s : kAllSeries) {
    EXPECT_FALSE(c.FindBySeriesNumber(s, 0));
    EXPECT_FALSE(c.FindBySeriesNumber(s, -1));
    EXPECT_FALSE(c.FindBySeriesNumber(s, MotorCatalog::SeriesCount(s) + 1));
  }
  EXPECT_FALSE(c.FindBySeriesNumber(static_cast<MotorSeries>(4), 1));

  EXPECT_EQ(c.FindByName("CL-01"), 0u);
  EXPECT_EQ(c.FindByName("VC-21"), 68u);
  EXPECT_FALSE(c.FindByName("cl-01"));
  EXPECT_FALSE(c.FindByName(" CL-01"));
  EXPECT_FALSE(c.FindByName("CL-01 "));
  EXPECT_FALSE(c.FindByName(""));

  const auto names = c.Names();
  ASSERT_EQ(names.size(), 69u);
  EXPECT_EQ(names.front(), "CL-01");
  EXPECT_EQ(names[23], "IC-01");
  EXPECT_EQ(names.back(), "VC-21");
}
