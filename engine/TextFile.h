// Reading a small file whole, without Qt, for the command line's inputs.
#pragma once

#include <cstddef>
#include <string>
#include <system_error>

namespace brivane {

// Larger inputs are refused rather than read: a move file is a few hundred bytes, and a mistaken
// path to a device or a huge file should not fill the memory.
inline constexpr std::size_t kMaxTextFileBytes = 1 << 20;

struct TextFileReading {
  std::string text;       // the whole content when error is empty
  std::error_code error;  // why the file could not be read (message() describes it)
};

TextFileReading ReadTextFile(const std::string& path, std::size_t maxBytes = kMaxTextFileBytes);

}  // namespace brivane
