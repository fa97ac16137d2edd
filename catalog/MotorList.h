// The rows one run rates: the built-in catalog's 69 in catalog order, then the user's own motors
// in the order their files gave them. The list owns the texts of the user's rows, so every row's
// name and family stay valid as long as the list lives, also after it has been moved; it cannot be
// copied (the copies' rows would still point into the original).
#pragma once

#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/MotorCatalog.h"

namespace brivane {

// Which rows of a list to rate.
enum class MotorRows {
  All,       // the built-in rows, then the user's
  UserOnly,  // only the user's
};

class MotorList {
 public:
  // The built-in catalog's rows and no others.
  MotorList();
  MotorList(MotorList&&) = default;
  MotorList& operator=(MotorList&&) = default;
  MotorList(const MotorList&) = delete;
  MotorList& operator=(const MotorList&) = delete;

  // Appends one of the user's motors with the data-sheet values of `values`, the name and family
  // given (copied into the list) and the user's mark: no series, offered, never the selection's.
  // Nothing is checked here: the motor-file reader (engine/MotorFile) decides what is a motor.
  void AddUserMotor(const MotorRecord& values, std::string_view name, std::string_view family);

  std::span<const MotorRecord> All() const { return rows_; }
  std::span<const MotorRecord> BuiltIn() const { return All().first(MotorCatalog::kSize); }
  std::span<const MotorRecord> User() const { return All().subspan(MotorCatalog::kSize); }
  std::span<const MotorRecord> Rows(MotorRows which) const { return which == MotorRows::All ? All() : User(); }

 private:
  std::vector<MotorRecord> rows_;
  std::deque<std::string> texts_;  // a deque never moves its elements, so the views stay valid
};

}  // namespace brivane
