// What brivane-cli adds to a refusal as its second line: the option that sets the refused value
// and what it accepts, so that a script's author need not look the range up. No Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/Messages.h"

namespace brivane::cli {

// For one of the engine's input-check or limit messages: "brivane-cli: --mass takes ..."; none for
// the other messages.
std::optional<std::string> RangeHint(MessageCode code);

// For a usage error about the value of `option` (without "--"): the same line; none for an option
// that takes any text.
std::optional<std::string> OptionHint(std::string_view option);

}  // namespace brivane::cli
