#include "engine/Messages.h"

namespace brivane {

std::string FillArguments(std::string_view text, std::span<const std::string> arguments) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < arguments.size()) {
        out += arguments[n];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string KoreanText(const Message& message) { return FillArguments(SourceText(message.code), message.arguments); }

}  // namespace brivane
