// The language of brivane-cli's human text output. The engine and the report keep their Korean
// texts; in English the command line shows the window's English wording for them, taken at build
// time from translations/brivane_en.ts. JSON and CSV stay Korean in every language: scripts read
// them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/CliTexts.h"
#include "engine/Messages.h"

namespace brivane::cli {

enum class Language { Korean, English };

// "ko" or "en"; nothing for any other text.
std::optional<Language> ParseLanguage(std::string_view text);

// The English of a Korean source text (a marked text of catalog/, engine/, report/ or cli/), as
// the translation holds it; nothing when it holds none.
std::optional<std::string_view> EnglishOf(std::string_view korean);

// `korean` in `language`: itself in Korean, in English the window's translation of it (the
// Korean text itself when there is none, which the tests guard against).
std::string Say(Language language, std::string_view korean);
// A message or a text of the command line's own, with its arguments in place.
std::string Say(Language language, const Message& message);
std::string Say(Language language, CliText text, std::span<const std::string> arguments);

}  // namespace brivane::cli
