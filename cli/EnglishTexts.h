// The language of brivane-cli's human text output. The engine and the report keep their Korean
// texts; in English the command line shows the window's English wording for them. JSON and CSV
// stay Korean in every language: scripts read them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/Messages.h"

namespace brivane::cli {

enum class Language { Korean, English };

// "ko" or "en"; nothing for any other text.
std::optional<Language> ParseLanguage(std::string_view text);

// `korean` in `language`: itself in Korean, in English the window's translation of it (the
// Korean text itself when there is none, which the tests guard against).
std::string Say(Language language, std::string_view korean);
std::string Say(Language language, const Message& message);

}  // namespace brivane::cli
