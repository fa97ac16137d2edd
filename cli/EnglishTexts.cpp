#include "cli/EnglishTexts.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace brivane::cli {
namespace {

struct Translation {
  std::string_view korean;
  std::string_view english;
};

// The finished English of the context brivane::EngineTexts, sorted by the Korean to be searched.
constexpr auto kEnglish = [] {
  Translation table[] = {
#include "EnglishTable.inc"
  };
  std::sort(std::begin(table), std::end(table),
            [](const Translation& a, const Translation& b) { return a.korean < b.korean; });
  return std::to_array(table);
}();

std::string_view InLanguage(Language language, std::string_view korean) {
  if (language == Language::English) return EnglishOf(korean).value_or(korean);
  return korean;
}

}  // namespace

std::optional<Language> ParseLanguage(std::string_view text) {
  if (text == "ko") return Language::Korean;
  if (text == "en") return Language::English;
  return std::nullopt;
}

std::optional<std::string_view> EnglishOf(std::string_view korean) {
  const auto at = std::lower_bound(kEnglish.begin(), kEnglish.end(), korean,
                                   [](const Translation& t, std::string_view k) { return t.korean < k; });
  if (at == kEnglish.end() || at->korean != korean) return std::nullopt;
  return at->english;
}

std::string Say(Language language, std::string_view korean) { return std::string(InLanguage(language, korean)); }

std::string Say(Language language, const Message& message) {
  return FillArguments(InLanguage(language, SourceText(message.code)), message.arguments);
}

std::string Say(Language language, CliText text, std::span<const std::string> arguments) {
  return FillArguments(InLanguage(language, SourceText(text)), arguments);
}

}  // namespace brivane::cli
