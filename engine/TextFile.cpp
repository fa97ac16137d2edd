#include "engine/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>

namespace brivane {
namespace {

enum class NotRegular { NamedPipe = 1, Device, Socket, Other };

class FileKindCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "brivane.file-kind"; }
  std::string message(int value) const override {
    switch (static_cast<NotRegular>(value)) {
      case NotRegular::NamedPipe: return "a named pipe (FIFO), not a regular file";
      case NotRegular::Device: return "a device, not a regular file";
      case NotRegular::Socket: return "a socket, not a regular file";
      case NotRegular::Other: break;
    }
    return "not a regular file";
  }
};

const std::error_category& FileKind() {
  static const FileKindCategory category;
  return category;
}

std::error_code LastError() { return {errno, std::generic_category()}; }

// Nothing for a regular file; otherwise what the path names instead.
std::error_code KindProblem(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return std::make_error_code(std::errc::is_a_directory);
  NotRegular kind = NotRegular::Other;
  if (S_ISFIFO(mode)) kind = NotRegular::NamedPipe;
  if (S_ISCHR(mode) || S_ISBLK(mode)) kind = NotRegular::Device;
  if (S_ISSOCK(mode)) kind = NotRegular::Socket;
  return {static_cast<int>(kind), FileKind()};
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A new file beside `target`, created here and nowhere else (O_EXCL), with the permissions a new
// file gets (0666 less the umask).
int CreateBeside(const std::filesystem::path& target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = (target.parent_path() / ("." + target.filename().string() + ".brivane-" + std::to_string(::getpid()) +
                                    "-" + std::to_string(attempt)))
               .string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

TextFileReading ReadTextFile(const std::string& path, std::size_t maxBytes) {
  TextFileReading out;
  // Looked at before it is opened, so that no device is opened at all; opened without waiting, so
  // that a named pipe put in its place meanwhile cannot block; looked at again once open.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    out.error = LastError();
    return out;
  }
  if ((out.error = KindProblem(info.st_mode))) return out;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    out.error = LastError();
    return out;
  }
  if (::fstat(fd, &info) != 0) {
    out.error = LastError();
  } else if (!(out.error = KindProblem(info.st_mode)) && static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    out.error = std::make_error_code(std::errc::file_too_large);
  }
  char buf[8192];
  while (!out.error) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      out.error = LastError();
      break;
    }
    if (n == 0) break;
    // The file may have grown since it was looked at.
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

std::error_code CheckOutputTarget(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};  // nothing there yet (or not reachable: the write says why)
  return KindProblem(info.st_mode);
}

std::error_code WriteWholeFile(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists)
    if (const std::error_code kind = KindProblem(old.st_mode)) return kind;

  std::string temporary;
  const int fd = CreateBeside(target, temporary);
  if (fd < 0) return LastError();
  bool ok = (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  std::error_code failure = ok ? std::error_code() : LastError();
  if (::close(fd) != 0 && ok) {
    ok = false;
    failure = LastError();
  }
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    failure = LastError();
  }
  if (!ok) ::unlink(temporary.c_str());
  return failure;
}

}  // namespace brivane
