#include "cli/UsageError.h"

#include <utility>

namespace brivane::cli {
namespace {

constexpr std::pair<UsageCode, std::string_view> kNames[] = {
    {UsageCode::Usage, "usage"},
    {UsageCode::BadValue, "bad-value"},
    {UsageCode::Conflict, "conflict"},
    {UsageCode::Missing, "missing"},
    {UsageCode::File, "file"},
    {UsageCode::NotJson, "not-json"},
    {UsageCode::NotObject, "not-an-object"},
    {UsageCode::NotCsv, "not-csv"},
    {UsageCode::EmptyLine, "empty-line"},
    {UsageCode::LineTooLong, "line-too-long"},
    {UsageCode::UnknownKey, "unknown-key"},
    {UsageCode::NotInBatch, "not-in-batch"},
    {UsageCode::WrongType, "wrong-type"},
    {UsageCode::KeyTwice, "key-twice"},
    {UsageCode::FieldCount, "field-count"},
    {UsageCode::ZeroByte, "zero-byte"},
};

}  // namespace

std::string_view UsageCodeName(UsageCode code) {
  for (const auto& [c, name] : kNames)
    if (c == code) return name;
  return "usage";
}

}  // namespace brivane::cli
