// A std::ostream that appends to a std::string kept outside it, without the locale and copies
// of std::ostringstream: what batch gives each command to write one line's output into, and what
// its benchmark's plain loop writes into. No Qt.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace brivane::cli {

class StringBuffer final : public std::streambuf {
 public:
  explicit StringBuffer(std::string& text) : text_(text) {}

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) text_.push_back(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    text_.append(s, static_cast<std::size_t>(n));
    return n;
  }

 private:
  std::string& text_;
};

// A string and a stream that appends to it.
struct StringOutput {
  std::string text;
  StringBuffer buffer{text};
  std::ostream stream{&buffer};
};

}  // namespace brivane::cli
