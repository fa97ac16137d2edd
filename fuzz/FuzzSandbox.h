// A directory for the files a fuzz target's inputs make, inside a directory of its own: whatever
// appears beside the inner one has escaped it. On tmpfs where there is one, so that syncing a
// file costs nothing; removed at exit.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"

namespace brivane::fuzz {

struct Sandbox {
  std::filesystem::path outer;
  std::filesystem::path inner;  // the directory to write into

  Sandbox() {
    namespace fs = std::filesystem;
    const fs::path base = fs::is_directory("/dev/shm") && access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm")
                                                                                        : fs::temp_directory_path();
    std::string pattern = (base / "brivane-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) Fail("mkdtemp", pattern);
    outer = pattern;
    inner = outer / "files";
    fs::create_directory(inner);
  }
  ~Sandbox() {
    std::error_code ec;
    std::filesystem::remove_all(outer, ec);
  }
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  // Fails unless the inner directory is the one entry of the outer one.
  void CheckNothingEscaped() const {
    const std::vector<std::filesystem::path> beside = Entries(outer);
    if (beside != std::vector<std::filesystem::path>{inner.filename()}) {
      Fail("nothing beside the sandbox", beside.empty() ? "" : beside.front().string());
    }
  }

  static std::vector<std::filesystem::path> Entries(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> entries;
    for (const auto& e : std::filesystem::directory_iterator(dir)) entries.push_back(e.path().filename());
    return entries;
  }
};

// The one sandbox of the process.
inline Sandbox& TheSandbox() {
  static Sandbox sandbox;
  return sandbox;
}

}  // namespace brivane::fuzz
