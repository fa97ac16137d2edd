#include "cli/BatchInput.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace brivane::cli {
namespace {

// What one read asks for: a pipe holds 64 KiB, a file gives as much as is asked.
constexpr std::size_t kReadBytes = std::size_t{1} << 18;

}  // namespace

TextInput::TextInput(std::string text, std::size_t piece)
    : text_(std::move(text)), piece_(std::max<std::size_t>(piece, 1)) {}

std::size_t TextInput::Read(char* buffer, std::size_t size, std::error_code&) {
  const std::size_t n = std::min({size, piece_, text_.size() - at_});
  std::memcpy(buffer, text_.data() + at_, n);
  at_ += n;
  return n;
}

std::size_t DescriptorInput::Read(char* buffer, std::size_t size, std::error_code& error) {
  while (true) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) {
      error = std::error_code(errno, std::generic_category());
      return 0;
    }
  }
}

std::optional<std::uint64_t> DescriptorInput::Size() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  const off_t at = ::lseek(fd_, 0, SEEK_CUR);
  const auto size = static_cast<std::uint64_t>(st.st_size);
  return at > 0 && static_cast<std::uint64_t>(at) <= size ? size - static_cast<std::uint64_t>(at) : size;
}

void LineGroup::Clear() {
  text.clear();
  lines.clear();
  inputBytes = 0;
}

bool LineReader::Next(LineGroup& group, std::size_t maxLines, std::size_t maxBytes) {
  group.Clear();
  group.firstNumber = nextNumber_;
  while (group.lines.size() < maxLines && group.text.size() < maxBytes) {
    const std::size_t unscanned = end_ - begin_ - scanned_;
    const void* found = unscanned > 0 ? std::memchr(buffer_.data() + begin_ + scanned_, '\n', unscanned) : nullptr;
    if (found != nullptr) {
      const auto lineEnd = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
      Take(group, lineEnd, lineEnd + 1 - begin_);
      continue;
    }
    scanned_ = end_ - begin_;
    // More than the longest line and its '\r': whatever follows, the line is too long.
    if (dropping_ || scanned_ > kMaxBatchLineBytes + 1) {
      dropping_ = true;
      dropped_ += scanned_;
      begin_ = end_;
      scanned_ = 0;
    }
    if (ended_) {
      if (begin_ < end_ || dropping_) Take(group, end_, end_ - begin_);
      break;
    }
    // What the input holds now is answered before waiting for more of it.
    if (!group.lines.empty()) break;
    if (!Fill()) ended_ = true;
  }
  return !group.lines.empty();
}

void LineReader::Take(LineGroup& group, std::size_t end, std::size_t consumed) {
  LineGroup::Line line;
  std::size_t size = end - begin_;
  if (size > 0 && buffer_[end - 1] == '\r') --size;
  if (dropping_ || size > kMaxBatchLineBytes) {
    line.tooLong = true;
    group.inputBytes += dropped_;
    dropping_ = false;
    dropped_ = 0;
  } else {
    line.offset = group.text.size();
    line.size = size;
    group.text.append(buffer_.data() + begin_, size);
  }
  group.lines.push_back(line);
  group.inputBytes += consumed;
  begin_ += consumed;
  scanned_ = 0;
  ++nextNumber_;
}

bool LineReader::Fill() {
  if (buffer_.size() - end_ < kReadBytes) {
    // What is not taken yet goes to the front; the buffer grows only for a long line.
    if (end_ > begin_) std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (buffer_.size() - end_ < kReadBytes) buffer_.resize(end_ + kReadBytes);
  }
  const std::size_t n = source_.Read(buffer_.data() + end_, kReadBytes, error_);
  end_ += n;
  return n > 0;
}

}  // namespace brivane::cli
