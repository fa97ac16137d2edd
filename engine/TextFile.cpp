#include "engine/TextFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace brivane {

TextFileReading ReadTextFile(const std::string& path, std::size_t maxBytes) {
  TextFileReading out;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    out.error = std::error_code(errno, std::generic_category());
    return out;
  }
  char buf[8192];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      out.error = std::error_code(errno, std::generic_category());
      break;
    }
    if (n == 0) break;
    if (out.text.size() + static_cast<std::size_t>(n) > maxBytes) {
      out.error = std::make_error_code(std::errc::file_too_large);
      break;
    }
    out.text.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (out.error) out.text.clear();
  return out;
}

}  // namespace brivane
