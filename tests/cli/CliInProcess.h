// brivane-cli run in-process through RunCli, for the suites that drive it with arguments, and the
// files they give it.
#pragma once

#include <unistd.h>

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RunCli.h"

namespace brivane::test {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

inline Result Cli(const std::vector<std::string>& args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  std::ostringstream out;
  std::ostringstream err;
  Result r;
  r.status = brivane::cli::RunCli(views, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// The JSON a run wrote, read to the bit: each number is the shortest text of its double.
inline rapidjson::Document Json(const std::string& text) {
  rapidjson::Document d;
  d.Parse<rapidjson::kParseFullPrecisionFlag>(text.c_str());
  EXPECT_FALSE(d.HasParseError()) << text;
  return d;
}

// A file of its own in the temporary directory holding `text`, removed afterwards.
class TempFile {
 public:
  explicit TempFile(const std::string& text)
      : path_(std::filesystem::temp_directory_path() /
              ("brivane-cli-" + std::to_string(::getpid()) + "-" + std::to_string(++n_))) {
    std::ofstream(path_, std::ios::binary) << text;
  }
  ~TempFile() { std::filesystem::remove(path_); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  std::string path() const { return path_.string(); }

 private:
  static inline int n_ = 0;
  std::filesystem::path path_;
};

}  // namespace brivane::test
