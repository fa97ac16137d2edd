// A single-precision value in the JSON that the tool writes (move files, brivane-cli's output):
// the shortest decimal that reads back as the same float, and null for one that is not finite
// ("nan" would not be JSON).
#pragma once

#include <rapidjson/rapidjson.h>

#include <cmath>
#include <string>

#include "engine/NumberText.h"

namespace brivane {

template <typename JsonWriter>
void WriteJsonFloat(JsonWriter& w, float v) {
  if (!std::isfinite(v)) {
    w.Null();
    return;
  }
  const std::string text = FormatShortest(v);
  w.RawValue(text.data(), text.size(), rapidjson::kNumberType);
}

}  // namespace brivane
