#include "catalog/MotorList.h"

namespace brivane {

MotorList::MotorList() : rows_(MotorCatalog::Instance().Rows().begin(), MotorCatalog::Instance().Rows().end()) {}

void MotorList::AddUserMotor(const MotorRecord& values, std::string_view name, std::string_view family) {
  MotorRecord& row = rows_.emplace_back(values);
  row.series = 0;
  row.offered = 1;
  row.seriesNumber = {0, 0, 0};
  row.name = texts_.emplace_back(name);
  row.family = texts_.emplace_back(family);
  row.user = true;
}

}  // namespace brivane
