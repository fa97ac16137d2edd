// UTF-8 to CP949 at the report file's boundary. The program keeps its text in UTF-8; the report
// file is read by Korean Windows tools that expect code page 949.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brivane {

// Byte offset in `utf8` of the first character that CP949 cannot hold, or of the first byte
// that is not valid UTF-8; nothing when every character converts and converts back unchanged.
std::optional<std::size_t> FindNonCp949Character(std::string_view utf8);

// The CP949 bytes of UTF-8 text; nothing when a character cannot be converted. Never
// substitutes: a report with a wrong byte pair in it is worse than no report.
std::optional<std::string> ToCp949(std::string_view utf8);

}  // namespace brivane
