// Small files read and written whole, without Qt: the move files of the command line and the
// window, and the files the window exports. Only regular files: a named pipe would block the
// program for ever, a device would be read without end or replaced by a file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace brivane {

// Larger inputs are refused rather than read: a move file is a few hundred bytes, and a mistaken
// path to a huge file should not fill the memory.
inline constexpr std::size_t kMaxTextFileBytes = 1 << 20;

struct TextFileReading {
  std::string text;       // the whole content when error is empty
  std::error_code error;  // why the file could not be read (message() describes it)
};

// Never blocks: a path naming a directory, a named pipe, a device or a socket is refused before it
// is read, as is a file of more than `maxBytes`.
TextFileReading ReadTextFile(const std::string& path, std::size_t maxBytes = kMaxTextFileBytes);

// Why `path` may not be written whole: it names (through any symbolic link) something other than
// a regular file. Nothing when it names a regular file or nothing yet.
std::error_code CheckOutputTarget(const std::string& path);

// Makes `bytes` the whole content of `path` (through a symbolic link, its target): they go into a
// new file beside it, which replaces the old one only once all of it is on the disk, with the old
// file's permissions. On any failure (a full disk, no permission, a target that is not a regular
// file) the old file is left as it was, nothing else remains, and the reason is returned.
std::error_code WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace brivane
