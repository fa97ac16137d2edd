// The built-in table of the 69 linear-motor models: one record per model, in catalog order,
// three consecutive series. Read-only; nothing loads or edits it at run time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "catalog/Series.h"

namespace brivane {

struct MotorRecord {
  std::int32_t series;   // MotorSeries code of the row
  std::int32_t offered;  // 1 = may be chosen by the selection
  std::string_view name;
  float moverMass;                           // kg
  float ratedForce;                          // N
  std::int32_t attractionForce;              // N, whole newtons
  std::array<std::int32_t, 3> seriesNumber;  // number within series 1, 2, 3; 0 in the other two
  float peakForce;                           // N
  float ratedCurrent;                        // Arms
  float peakCurrent;                         // Arms
  float maxPower;                            // W
  float polePitch;                           // mm
  float forceConstant;                       // N/Arms
  float bemfConstant;                        // V/(m/sec)
  float motorConstant;                       // N/sqrt(W)
  float electricalTimeConstant;              // msec
  float lineResistance;                      // ohm
  float lineInductance;                      // mH
  float thermalCoefficient;                  // degC/W
  // A motor of the user's own catalog files (catalog/MotorList) has no series: its series code
  // and every series number are 0, and its free-text family stands where the series would. The
  // built-in rows leave both as they are here.
  std::string_view family{};
  bool user = false;

  constexpr MotorSeries Series() const { return static_cast<MotorSeries>(series); }
  // Whether the series code is one of the three series (false for the user's rows).
  constexpr bool HasSeries() const { return series >= 1 && series <= static_cast<std::int32_t>(kAllSeries.size()); }
  // The row's number within its own series; 0 for a row without a series.
  constexpr std::int32_t Number() const { return HasSeries() ? seriesNumber[SeriesSlot(Series())] : 0; }
};

struct IndexRange {
  std::size_t first;
  std::size_t last;  // inclusive
};

class MotorCatalog {
 public:
  static constexpr std::size_t kSize = 69;

  // The one catalog of the process.
  static const MotorCatalog& Instance();

  constexpr std::size_t size() const { return kSize; }
  const MotorRecord& at(std::size_t index) const;
  // The 69 rows in catalog order, as the rating functions take a list of rows.
  std::span<const MotorRecord> Rows() const;

  // First and last catalog index of a series.
  static IndexRange SeriesRange(MotorSeries s);
  // Count of models in a series (23, 25, 21).
  static std::int32_t SeriesCount(MotorSeries s);

  // Index of the row of series s holding `number`; none for a number below 1 or one no row holds.
  std::optional<std::size_t> FindBySeriesNumber(MotorSeries s, std::int32_t number) const;
  // Index of the first row whose name equals `name` byte for byte.
  std::optional<std::size_t> FindByName(std::string_view name) const;
  // The 69 names in catalog order.
  std::vector<std::string_view> Names() const;
};

// Position of the first of `rows` whose name equals `name` byte for byte.
std::optional<std::size_t> FindRowByName(std::span<const MotorRecord> rows, std::string_view name);
// Index of the first of `rows` whose name equals `name` but for the case of ASCII letters ("cl-07"
// finds CL-07), for names the user types or a file gives; none for any other difference (blanks, an
// empty text). Callers show the row's own spelling.
std::optional<std::size_t> FindModelIgnoringCase(std::span<const MotorRecord> rows, std::string_view name);

}  // namespace brivane
