// A number in the JSON that the tool writes (move and cycle files, brivane-cli's output): the
// shortest decimal that reads back as the same float or double, and null for one that is not
// finite ("nan" would not be JSON).
#pragma once

#include <rapidjson/rapidjson.h>

#include <cmath>
#include <string>
#include <type_traits>

#include "engine/NumberText.h"

namespace brivane {

// `v`, a float or a double, as the shortest decimal that reads back as it; null when not finite.
template <typename JsonWriter, typename Number>
void WriteJsonNumber(JsonWriter& w, Number v) {
  static_assert(std::is_same_v<Number, float> || std::is_same_v<Number, double>);
  if (!std::isfinite(v)) {
    w.Null();
    return;
  }
  std::string text;
  if constexpr (std::is_same_v<Number, float>) {
    text = FormatShortest(v);
  } else {
    text = FormatShortestDouble(v);
  }
  w.RawValue(text.data(), text.size(), rapidjson::kNumberType);
}

template <typename JsonWriter>
void WriteJsonFloat(JsonWriter& w, float v) {
  WriteJsonNumber(w, v);
}

template <typename JsonWriter>
void WriteJsonDouble(JsonWriter& w, double v) {
  WriteJsonNumber(w, v);
}

}  // namespace brivane
