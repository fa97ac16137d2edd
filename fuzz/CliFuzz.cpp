// brivane-cli in-process: any argument list for any command. The exit status is one of the
// three the contract names, --json output is one JSON object, and files are written only under a
// temporary directory.
//
// Input, so that seeds can be written by hand: the arguments, one per line ('\n'), then a 0xFF
// byte and the content of a move file. Every --move names that file and every --dir the
// temporary directory, whatever the input says; report gets the sandbox as its last --dir (an
// earlier "--" makes that a positional argument, which report refuses), and the working
// directory is the sandbox too. cycle reads the file its positional argument names: there every
// argument with a '/' names that file too (so the tail is read as a cycle file, as "move.brivane"
// reads it from the sandbox), and no path leads out of the sandbox to a device or a FIFO. batch
// reads the tail as its stdin as well: one record a line, each with its line number, in order
// (--jobs at most 4, so that an input does not start hundreds of threads).
#include <rapidjson/document.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/BatchInput.h"
#include "cli/RunCli.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzSandbox.h"

namespace {

namespace fs = std::filesystem;

// The move file the input's tail becomes, inside the sandbox; the working directory is the
// sandbox too, so that a report without --dir lands inside as well.
const fs::path& MoveFile() {
  static const fs::path path = [] {
    const brivane::fuzz::Sandbox& box = brivane::fuzz::TheSandbox();
    fs::current_path(box.inner);
    return box.inner / "move.brivane";
  }();
  return path;
}

std::vector<std::string> Arguments(std::string_view text, const fs::path& dir, const fs::path& moveFile) {
  std::vector<std::string> args;
  std::size_t at = 0;
  while (at <= text.size() && !text.empty()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    args.emplace_back(text.substr(at, end - at));
    at = end + 1;
  }
  std::vector<std::string> out;
  const bool cycle = !args.empty() && args.front() == "cycle";
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (cycle && i > 0 && a.find('/') != std::string::npos && a.rfind("--", 0) != 0) {
      out.push_back(moveFile.string());
    } else if (a == "--jobs" && i + 1 < args.size()) {
      out.push_back(a);
      out.push_back(args[++i].size() == 1 && args[i] >= "1" && args[i] <= "4" ? args[i] : "2");
    } else if (a == "--move" || a == "--dir") {
      ++i;  // its value is replaced
      out.push_back(a);
      out.push_back(a == "--move" ? moveFile.string() : dir.string());
    } else if (a.rfind("--move=", 0) == 0) {
      out.push_back("--move=" + moveFile.string());
    } else if (a.rfind("--dir=", 0) == 0) {
      out.push_back("--dir=" + dir.string());
    } else {
      out.push_back(a);
    }
  }
  if (!out.empty() && out.front() == "report") {
    out.push_back("--dir");
    out.push_back(dir.string());
  }
  return out;
}

// The command: the first argument after a leading --lang and its value.
std::string_view CommandOf(const std::vector<std::string>& args) {
  std::size_t at = 0;
  if (at < args.size() && args[at] == "--lang")
    at += 2;
  else if (at < args.size() && args[at].rfind("--lang=", 0) == 0)
    at += 1;
  return at < args.size() ? std::string_view(args[at]) : std::string_view();
}

// JSON Lines from batch: one object a line of the input, numbered from 1, each with a status a
// command ends with. (CSV output, and a batch refused as a whole, are not looked into.)
void CheckBatchRecords(std::string_view input, const std::string& written, const std::string& args) {
  if (written.empty() || written.front() != '{') return;
  std::size_t lines = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n'));
  if (!input.empty() && input.back() != '\n') ++lines;
  std::size_t number = 0;
  for (std::size_t at = 0; at < written.size(); at = written.find('\n', at) + 1) {
    const std::string record = written.substr(at, written.find('\n', at) - at);
    rapidjson::Document d;
    d.Parse(record.c_str());
    ++number;
    FUZZ_CHECK(!d.HasParseError() && d.IsObject() && d.HasMember("line") && d["line"].IsUint64() &&
                   d["line"].GetUint64() == number && d.HasMember("status") && d["status"].IsInt(),
               args + "\n" + record);
    const int status = d["status"].GetInt();
    FUZZ_CHECK(status == 0 || status == 2 || status == 64, args + "\n" + record);
  }
  FUZZ_CHECK(number == lines && written.back() == '\n',
             args + ": " + std::to_string(number) + " records of " + std::to_string(lines) + " lines");
}

std::string Joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& a : args) text += "[" + a + "] ";
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const brivane::fuzz::Sandbox& box = brivane::fuzz::TheSandbox();
  const fs::path& moveFile = MoveFile();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\xFF');
  std::ofstream(moveFile, std::ios::binary | std::ios::trunc)
      << (split == std::string_view::npos ? std::string_view() : input.substr(split + 1));
  const std::vector<std::string> args = Arguments(input.substr(0, split), box.inner, moveFile);
  const std::vector<std::string_view> views(args.begin(), args.end());

  std::ostringstream out;
  std::ostringstream err;
  const std::string_view tail = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
  brivane::cli::TextInput in(std::string(tail), 1 + size % 97);
  const int status = brivane::cli::RunCli(views, out, err, in, false);
  FUZZ_CHECK(status == 0 || status == 2 || status == 64, Joined(args) + "-> " + std::to_string(status));

  const std::string written = out.str();
  if (CommandOf(args) == "batch") {
    CheckBatchRecords(tail, written, Joined(args));
  } else if (!written.empty() && written.front() == '{') {
    // What looks like JSON output is one whole object on one line (--json may also be the value
    // of another option, so whether it was asked for is not decided here).
    rapidjson::Document d;
    d.Parse(written.c_str());
    FUZZ_CHECK(!d.HasParseError() && d.IsObject() && written.back() == '\n' && written.find('\n') == written.size() - 1,
               Joined(args) + "\n" + written);
  }

  // Nothing beside the sandbox's directory; the reports in it go again.
  box.CheckNothingEscaped();
  for (const auto& entry : fs::directory_iterator(box.inner))
    if (entry.path() != moveFile) fs::remove_all(entry.path());
  return 0;
}
