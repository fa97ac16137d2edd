// What batch reads: standard input (or a text in a test), cut into lines, a bounded amount at a
// time whatever the length of the input, so that memory stays flat. No Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace brivane::cli {

// A line longer than this (without its line end) is refused without being kept: the rest of it
// is read and dropped.
inline constexpr std::size_t kMaxBatchLineBytes = std::size_t{1} << 20;

// Bytes to read from: standard input of the process, or a text.
class InputSource {
 public:
  virtual ~InputSource() = default;
  // Up to `size` bytes into `buffer`, waiting only until some are there: their count, 0 at the
  // end (or after an error, which `error` then holds).
  virtual std::size_t Read(char* buffer, std::size_t size, std::error_code& error) = 0;
  // How many bytes are left to read when that is known (a regular file), for the time a progress
  // line says is left.
  virtual std::optional<std::uint64_t> Size() const { return std::nullopt; }
};

// Nothing to read: the input of a run that has none.
class EmptyInput final : public InputSource {
 public:
  std::size_t Read(char*, std::size_t, std::error_code&) override { return 0; }
};

// A text, handed out at most `piece` bytes a read (as a pipe hands out what it holds).
class TextInput final : public InputSource {
 public:
  explicit TextInput(std::string text, std::size_t piece = std::size_t{1} << 16);
  std::size_t Read(char* buffer, std::size_t size, std::error_code& error) override;
  std::optional<std::uint64_t> Size() const override { return text_.size(); }

 private:
  std::string text_;
  std::size_t piece_;
  std::size_t at_ = 0;
};

// A file descriptor of the process (0 for standard input), read as it comes.
class DescriptorInput final : public InputSource {
 public:
  explicit DescriptorInput(int fd) : fd_(fd) {}
  std::size_t Read(char* buffer, std::size_t size, std::error_code& error) override;
  std::optional<std::uint64_t> Size() const override;

 private:
  int fd_;
};

// Lines of the input in groups: each group's texts in one buffer.
struct LineGroup {
  struct Line {
    std::size_t offset = 0;  // into text
    std::size_t size = 0;
    bool tooLong = false;  // longer than kMaxBatchLineBytes: its text was not kept (size 0)
  };
  std::uint64_t firstNumber = 1;  // of the first line, counted from 1
  std::string text;               // the lines without their line ends, one after the other
  std::vector<Line> lines;
  std::uint64_t inputBytes = 0;  // of the input they took, line ends included

  std::string_view TextOf(const Line& line) const { return std::string_view(text).substr(line.offset, line.size); }
  void Clear();
};

// Cuts the input into lines at '\n' (a '\r' before it is dropped too). The last line may end
// without a line end; an input that ends with one has no empty line after it.
class LineReader {
 public:
  explicit LineReader(InputSource& source) : source_(source) {}

  // Replaces `group` with the next lines: at most `maxLines` of them and about `maxBytes` of
  // text, and only as many as the input holds now once there is one, so that a line given
  // through a pipe is answered before the next one comes. False when the input has ended (or
  // failed: error()) with no line left.
  bool Next(LineGroup& group, std::size_t maxLines, std::size_t maxBytes);
  const std::error_code& error() const { return error_; }

 private:
  // Reads more into the buffer; false at the end of the input.
  bool Fill();
  // Takes the line that ends at `end` (the buffer's '\n', or its end at the end of the input).
  void Take(LineGroup& group, std::size_t end, std::size_t consumed);

  InputSource& source_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;      // of what is not taken yet
  std::size_t end_ = 0;        // of what was read
  std::size_t scanned_ = 0;    // from begin_: bytes known to hold no '\n'
  bool dropping_ = false;      // inside a line that is too long: its bytes are dropped
  std::uint64_t dropped_ = 0;  // input bytes of that line dropped so far
  bool ended_ = false;
  std::uint64_t nextNumber_ = 1;
  std::error_code error_;
};

}  // namespace brivane::cli
