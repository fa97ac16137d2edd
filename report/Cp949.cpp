#include "report/Cp949.h"

#include <iconv.h>

#include <cerrno>

#include "engine/Utf8.h"

namespace brivane {
namespace {

// One conversion descriptor for the length of one call; closed on every path.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `in`; on failure tells how many bytes of `in` were consumed before the
  // character that stopped it.
  bool Convert(std::string_view in, std::string& out, std::size_t& consumed) {
    out.clear();
    consumed = 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // initial shift state
    // A CP949 pair becomes at most three UTF-8 bytes, a UTF-8 character at most two CP949 bytes.
    std::string buffer(in.size() * 2 + 16, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    while (inLeft > 0) {
      const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      if (r == static_cast<std::size_t>(-1)) {
        if (errno == E2BIG) {
          const std::size_t used = static_cast<std::size_t>(outPtr - buffer.data());
          buffer.resize(buffer.size() * 2);
          outPtr = buffer.data() + used;
          outLeft = buffer.size() - used;
          continue;
        }
        consumed = in.size() - inLeft;
        return false;  // EILSEQ: not representable or not valid input; EINVAL: cut short
      }
    }
    out.assign(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    consumed = in.size();
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::size_t> FindNonCp949Character(std::string_view utf8) {
  Converter there("CP949", "UTF-8");
  Converter back("UTF-8", "CP949");
  if (!there.ok() || !back.ok()) return 0;  // no converter: nothing can be written safely
  std::string encoded;
  std::string decoded;
  std::size_t consumed = 0;
  // Character by character, and back again: iconv stops at a character CP949 lacks, and the
  // round trip also catches a mapping that would not give the same character back.
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(utf8[at]));
    if (at + length > utf8.size()) return at;
    const std::string_view character = utf8.substr(at, length);
    if (!there.Convert(character, encoded, consumed)) return at;
    if (!back.Convert(encoded, decoded, consumed) || decoded != character) return at;
    at += length;
  }
  return std::nullopt;
}

std::optional<std::string> ToCp949(std::string_view utf8) {
  if (FindNonCp949Character(utf8)) return std::nullopt;
  Converter there("CP949", "UTF-8");
  std::string out;
  std::size_t consumed = 0;
  if (!there.ok() || !there.Convert(utf8, out, consumed)) return std::nullopt;
  return out;
}

}  // namespace brivane
