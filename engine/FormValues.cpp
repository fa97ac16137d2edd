#include "engine/FormValues.h"

#include "engine/NumberText.h"

namespace brivane {

std::string FormFieldText(float value) { return FormatGeneral6(static_cast<double>(value)); }

std::string FormFieldText(std::int32_t value) { return std::to_string(value); }

std::optional<float> ReadFormField(std::string_view text, float shown, bool edited) {
  if (!edited && text == FormFieldText(shown)) return shown;
  return ParseFloatField(text);
}

std::optional<std::int32_t> ReadFormField(std::string_view text, std::int32_t shown, bool edited) {
  if (!edited && text == FormFieldText(shown)) return shown;
  return ParseIntField(text);
}

}  // namespace brivane
