// batch: one request a line on stdin, rated by the command's own reading and run functions, one
// record a line on stdout in the input's order, on as many threads as asked.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstring>
#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "cli/BatchInput.h"
#include "cli/BatchLine.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/OrderedPipeline.h"
#include "cli/StringOutput.h"
#include "engine/ComparisonTexts.h"
#include "engine/Csv.h"
#include "engine/CycleFile.h"
#include "engine/NumberText.h"
#include "engine/Utf8.h"

namespace brivane::cli {
namespace {

constexpr int kMaxJobs = 256;
// A group of lines holds about this much output, so that memory stays flat whether a line gives
// 300 bytes (select) or 40 KB (rank); and about this much input.
constexpr std::size_t kGroupOutputBytes = std::size_t{1} << 19;
constexpr std::size_t kGroupInputBytes = std::size_t{1} << 18;
constexpr std::size_t kFirstGroupLines = 16;  // answered soon, and a first measure of a line's output
constexpr std::size_t kMaxGroupLines = 4096;

// The options a batch line may not give: its output form is the batch's, its rows are the batch's.
constexpr std::string_view kOutputIsTheBatchs = "the batch writes JSON Lines, or CSV with brivane-cli batch --csv";
constexpr std::string_view kMotorsAreTheBatchs =
    "the batch reads its motor files once: give --motors to brivane-cli batch";
constexpr std::string_view kOutputOfItsOwn = "it writes output of its own, and a batch writes one record a line";
constexpr RefusedKey kRefusedKeys[] = {
    {"json", kOutputIsTheBatchs},         {"csv", kOutputIsTheBatchs}, {"motors", kMotorsAreTheBatchs},
    {"motors-only", kMotorsAreTheBatchs}, {"trace", kOutputOfItsOwn},  {"step", kOutputOfItsOwn},
    {"from-move", kOutputOfItsOwn},
};

// What every line of a batch shares.
struct Setting {
  RankFormat format = RankFormat::Json;  // or Csv
  std::span<const MotorRecord> rows = MotorCatalog::Instance().Rows();
};

// ---- The commands a batch runs: each reads its request from the line's values as its command
// line would, then runs as the command does.

int BatchSelect(const LineValues& values, std::string_view, const Setting& setting, const Io& io) {
  auto request = ReadSelectRequest(values, io);
  if (!request) return kExitUsage;
  request->format = setting.format;
  return RunSelect(*request, io.out, io.err);
}

int BatchCheck(const LineValues& values, std::string_view, const Setting& setting, const Io& io) {
  MotorRowsSource rows(setting.rows);
  auto request = ReadCheckRequest(values, io, rows);
  if (!request) return kExitUsage;
  request->format = setting.format;
  return RunCheck(*request, io.out, io.err);
}

int BatchRank(const LineValues& values, std::string_view, const Setting& setting, const Io& io) {
  MotorRowsSource rows(setting.rows);
  auto request = ReadRankRequest(values, io, rows);
  if (!request) return kExitUsage;
  request->format = setting.format;
  return RunRank(*request, io.out, io.err);
}

UsageCode CodeOf(FieldProblem problem) {
  switch (problem) {
    case FieldProblem::WrongType: return UsageCode::WrongType;
    case FieldProblem::MissingField: return UsageCode::Missing;
    case FieldProblem::DuplicateKey: return UsageCode::KeyTwice;
    default: return UsageCode::BadValue;
  }
}

// The cycle given inline, read as a cycle file's object is read: the one member of the line that
// holds an object (a line may give no other).
std::optional<Cycle> InlineCycle(std::string_view line, const Io& io) {
  JsonText json;
  if (json.Parse(line)) {
    for (const auto& member : json.Root().GetObject()) {
      if (!member.value.IsObject()) continue;
      CycleFileReading reading = CycleFromJsonValue(json, member.value);
      if (reading.cycle) return std::move(*reading.cycle);
      io.UsageError(CodeOf(reading.error.problem), std::string(member.name.GetString(), member.name.GetStringLength()) +
                                                       ": " + DescribeCycleFileError(reading.error));
      return std::nullopt;
    }
  }
  io.UsageError(UsageCode::NotJson, "not JSON text");  // not reached: the line was read as JSON already
  return std::nullopt;
}

int BatchCycle(const LineValues& values, std::string_view line, const Setting& setting, const Io& io) {
  MotorRowsSource rows(setting.rows);
  auto request = ReadCycleOptions(values, io, rows);
  if (!request) return kExitUsage;
  request->format = setting.format;
  auto cycle = values.PositionalIsObject() ? InlineCycle(line, io) : ReadCycleFile(values.Positionals().front(), io);
  if (!cycle) return kExitUsage;
  request->cycle = std::move(*cycle);
  return RunCycle(*request, io.out, io.err);
}

int BatchEnvelope(const LineValues& values, std::string_view, const Setting& setting, const Io& io) {
  MotorRowsSource rows(setting.rows);
  auto request = ReadEnvelopeRequest(values, io, rows);
  if (!request) return kExitUsage;
  request->format = setting.format;
  return RunEnvelope(*request, io.out, io.err);
}

struct BatchedCommand {
  std::string_view name;
  void (*declare)(CommandLine&);
  const std::vector<std::string>& (*csvHeader)();
  int (*run)(const LineValues& values, std::string_view line, const Setting& setting, const Io& io);
  std::string_view objectKey;  // the positional key that may hold a JSON object
};

constexpr BatchedCommand kBatched[] = {
    {"select", DeclareSelect, SelectCsvHeader, BatchSelect, {}},
    {"check", DeclareCheck, CheckCsvHeader, BatchCheck, {}},
    {"rank", DeclareRank, RankCsvHeader, BatchRank, {}},
    {"cycle", DeclareCycle, CycleCsvHeader, BatchCycle, "cycle"},
    {"envelope", DeclareEnvelope, EnvelopeCsvHeader, BatchEnvelope, {}},
};

std::string CommandNames() {
  std::string names;
  for (std::size_t i = 0; i < std::size(kBatched); ++i) {
    if (i > 0) names += i + 1 == std::size(kBatched) ? " or " : ", ";
    names += kBatched[i].name;
  }
  return names;
}

// ---- Output of one line

void AppendNumber(std::string& out, std::uint64_t n) {
  char digits[24];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, n);
  (void)ec;
  out.append(digits, end);
}

// What the command wrote on stderr, its lines joined: a CSV record's message.
std::string Joined(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (!out.empty()) out += "; ";
    out += text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return out;
}

// The text of a usage error as written on stderr: its first line, without "brivane-cli: ".
std::string UsageLine(std::string_view err) {
  constexpr std::string_view kProgram = "brivane-cli: ";
  std::string_view line = err.substr(0, err.find('\n'));
  if (line.substr(0, kProgram.size()) == kProgram) line.remove_prefix(kProgram.size());
  return std::string(line);
}

// A line's own state: the values read, what the command wrote.
struct Worker {
  explicit Worker(const BatchKeys& keys) : json(keys) {}
  JsonLineReader json;
  LineValues values;
  std::vector<std::string> fields;  // of a CSV line
  StringOutput out;
  StringOutput err;
};

// The lines of one group and what they give.
struct Group {
  LineGroup lines;
  std::string output;
  bool refused = false;  // a line's status was not 0
};

class Batch {
 public:
  Batch(const BatchedCommand& command, const BatchKeys& keys, const std::optional<CsvColumns>& columns,
        const Setting& setting)
      : command_(command), keys_(keys), columns_(columns), setting_(setting) {}

  void Rate(Group& group, Worker& worker) const {
    group.output.clear();
    group.refused = false;
    for (std::size_t i = 0; i < group.lines.lines.size(); ++i) {
      const int status = RateLine(group.lines, group.lines.lines[i], group.lines.firstNumber + i, worker, group.output);
      if (status != kExitOk) group.refused = true;
    }
  }

  const BatchKeys& Keys() const { return keys_; }

  // The header of a CSV output: the input's columns, the record's own, the command's.
  std::string CsvHeader() const {
    std::vector<std::string> header = columns_->Names();
    header.insert(header.end(), {"line", "status", "message"});
    const std::vector<std::string>& command = command_.csvHeader();
    header.insert(header.end(), command.begin(), command.end());
    return CsvRecord(header);
  }

 private:
  int RateLine(const LineGroup& group, const LineGroup::Line& line, std::uint64_t number, Worker& w,
               std::string& output) const {
    w.out.text.clear();
    w.err.text.clear();
    const std::string_view text = group.TextOf(line);
    const bool csv = setting_.format == RankFormat::Csv;
    std::optional<LineProblem> problem;
    if (line.tooLong) {
      w.values.Clear();
      w.fields.clear();
      problem = LineProblem{UsageCode::LineTooLong,
                            "a line longer than " + std::to_string(kMaxBatchLineBytes) + " bytes is not read"};
    } else {
      problem = csv ? columns_->ReadLine(text, w.values, w.fields) : w.json.Read(text, w.values);
    }
    UsageRecord usage;
    int status = kExitUsage;
    if (problem) {
      usage = {true, problem->code, VisibleText(problem->text)};
    } else {
      const Io io{w.out.stream, w.err.stream, Language::Korean, nullptr, false, &usage};
      // The language is taken, as the command line takes it, and changes nothing in JSON and CSV.
      if (!w.values.IsSet("lang") || ReadLanguage(w.values.Value("lang"), io))
        status = command_.run(w.values, text, setting_, io);
    }
    // A usage error the run itself found (its Io is its own): the first line it wrote.
    if (status == kExitUsage && !usage.set) usage = {true, UsageCode::Usage, UsageLine(w.err.text)};
    if (csv) {
      WriteCsv(number, status, usage, w, output);
    } else {
      WriteJson(number, status, usage, w, output);
    }
    return status;
  }

  // The command's object with "line" and "status" first; a usage error's own.
  static void WriteJson(std::uint64_t number, int status, const UsageRecord& usage, const Worker& w,
                        std::string& output) {
    const std::string& object = w.out.text;
    if (status != kExitUsage && object.size() > 2 && object.front() == '{') {
      output += "{\"line\":";
      AppendNumber(output, number);
      output += ",\"status\":";
      AppendNumber(output, static_cast<std::uint64_t>(status));
      if (object[1] != '}') output += ',';
      output.append(object, 1);
      return;
    }
    StringBuffer buffer(output);
    std::ostream stream(&buffer);
    JsonOut json;
    json.KeyInt("line", static_cast<std::int64_t>(number));
    json.KeyInt("status", status);
    json.KeyString("message", usage.set ? usage.text : Joined(w.err.text));
    if (usage.set) json.KeyString("code", UsageCodeName(usage.code));
    json.Print(stream);
  }

  // One record for each row the command wrote (at least one), the line's fields first.
  void WriteCsv(std::uint64_t number, int status, const UsageRecord& usage, const Worker& w,
                std::string& output) const {
    std::vector<std::string> head = w.fields;
    head.resize(columns_->Names().size());
    head.push_back(std::to_string(number));
    head.push_back(std::to_string(status));
    head.push_back(usage.set ? usage.text : Joined(w.err.text));
    const std::vector<std::string>& columns = command_.csvHeader();
    // The command's CSV is read back with the reader of CSV files: its records are whole whatever
    // a field holds. The first is its header, which may lack some of the batch's columns (rank
    // without a bus voltage): each of its fields goes under its own column, in order.
    CsvReading rows = status == kExitUsage ? CsvReading{} : ReadCsv(w.out.text);
    std::vector<std::size_t> place;
    if (!rows.records.empty()) {
      std::size_t at = 0;
      for (const std::string& name : rows.records.front().fields) {
        while (at < columns.size() && columns[at] != name) ++at;
        place.push_back(at++);
      }
    }
    std::size_t written = 0;
    for (std::size_t i = 1; i < rows.records.size(); ++i) {
      std::vector<std::string> record = head;
      record.resize(head.size() + columns.size());
      const std::vector<std::string>& fields = rows.records[i].fields;
      for (std::size_t f = 0; f < fields.size() && f < place.size(); ++f)
        if (place[f] < columns.size()) record[head.size() + place[f]] = fields[f];
      output += CsvRecord(record);
      ++written;
    }
    if (written == 0) {
      head.resize(head.size() + columns.size());
      output += CsvRecord(head);
    }
  }

  const BatchedCommand& command_;
  const BatchKeys& keys_;
  const std::optional<CsvColumns>& columns_;
  const Setting& setting_;
};

// ---- Progress

// "120000 lines, 301234 lines/s, 0:12 left" on stderr: over itself on a terminal, a line a second
// otherwise.
class Progress {
 public:
  Progress(std::ostream& err, bool terminal, std::optional<std::uint64_t> size)
      : err_(err), terminal_(terminal), size_(size), start_(Clock::now()), last_(start_) {}

  void Update(std::uint64_t lines, std::uint64_t bytes, bool final) {
    const Clock::time_point now = Clock::now();
    if (!final && now - last_ < (terminal_ ? std::chrono::milliseconds(250) : std::chrono::milliseconds(1000))) return;
    last_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    std::string text = std::to_string(lines) + " lines";
    if (seconds > 0.0)
      text += ", " + std::to_string(static_cast<std::uint64_t>(static_cast<double>(lines) / seconds)) + " lines/s";
    if (final) {
      text += ", " + FormatFixed(seconds, 1) + " s";
    } else if (size_ && bytes > 0 && *size_ >= bytes) {
      text += ", " + Duration(seconds * static_cast<double>(*size_ - bytes) / static_cast<double>(bytes)) + " left";
    }
    if (terminal_) {
      const std::size_t shown = text.size();
      if (shown < shown_) text.append(shown_ - shown, ' ');
      shown_ = shown;
      err_ << '\r' << text << (final ? "\n" : "") << std::flush;
    } else {
      err_ << text << '\n' << std::flush;
    }
  }

 private:
  using Clock = std::chrono::steady_clock;

  static std::string Duration(double seconds) {
    const auto s = static_cast<std::uint64_t>(seconds + 0.5);
    const auto two = [](std::uint64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (s >= 3600) return std::to_string(s / 3600) + ":" + two(s / 60 % 60) + ":" + two(s % 60);
    return std::to_string(s / 60) + ":" + two(s % 60);
  }

  std::ostream& err_;
  bool terminal_;
  std::optional<std::uint64_t> size_;
  Clock::time_point start_;
  Clock::time_point last_;
  std::size_t shown_ = 0;
};

std::optional<int> ReadJobs(const CommandLine& line, const Io& io) {
  if (!line.IsSet("jobs")) {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(cores), 1, kMaxJobs);
  }
  const auto jobs = ParseIntField(line.Value("jobs"));
  if (!jobs || *jobs < 1 || *jobs > kMaxJobs) {
    io.UsageError(UsageCode::BadValue, "--jobs takes a whole number from 1 to " + std::to_string(kMaxJobs) + ", not '" +
                                           line.Value("jobs") + "'");
    return std::nullopt;
  }
  return *jobs;
}

const BatchedCommand* FindCommand(const CommandLine& line, const Io& io) {
  const std::vector<std::string>& positionals = line.Positionals();
  if (positionals.empty()) {
    io.UsageError(UsageCode::Missing, "batch needs a COMMAND: " + CommandNames());
    return nullptr;
  }
  if (positionals.size() > 1) {
    io.UsageError("unexpected argument '" + positionals[1] + "'");
    return nullptr;
  }
  for (const BatchedCommand& c : kBatched)
    if (c.name == positionals.front()) return &c;
  io.UsageError(UsageCode::BadValue, "batch runs " + CommandNames() + ", not '" + positionals.front() + "'");
  return nullptr;
}

// Reads, rates and writes every line; the exit status.
int RunLines(const Batch& batch, LineReader& reader, std::size_t jobs, const Io& io, std::optional<Progress>& progress,
             std::uint64_t linesBefore, std::uint64_t bytesBefore) {
  std::deque<Worker> workers;  // each stays where it is made
  for (std::size_t i = 0; i < jobs; ++i) workers.emplace_back(batch.Keys());
  std::uint64_t lines = linesBefore;
  std::uint64_t inputBytes = bytesBefore;
  std::uint64_t outputBytes = 0;
  // The output of a line so far, which sizes the next groups; written by consume, read by produce
  // on its own thread.
  std::atomic<std::size_t> perLine{0};
  bool refused = false;
  bool outputFailed = false;
  const auto produce = [&](Group& group) {
    const std::size_t measured = perLine;
    const std::size_t maxLines =
        measured == 0 ? kFirstGroupLines : std::clamp<std::size_t>(kGroupOutputBytes / measured, 1, kMaxGroupLines);
    return reader.Next(group.lines, maxLines, kGroupInputBytes);
  };
  const auto work = [&](Group& group, std::size_t worker) { batch.Rate(group, workers[worker]); };
  const auto consume = [&](Group& group) {
    // Flushed a group at a time: a script that writes a line and waits for its record gets it.
    io.out.write(group.output.data(), static_cast<std::streamsize>(group.output.size()));
    io.out.flush();
    if (!io.out) {
      outputFailed = true;
      return false;
    }
    lines += group.lines.lines.size();
    inputBytes += group.lines.inputBytes;
    outputBytes += group.output.size();
    perLine = static_cast<std::size_t>(outputBytes / (lines - linesBefore)) + 1;
    refused = refused || group.refused;
    if (progress) progress->Update(lines, inputBytes, false);
    return true;
  };
  RunOrdered<Group>(jobs, 2 * jobs + 1, produce, work, consume);
  io.out.flush();
  if (progress) progress->Update(lines, inputBytes, true);
  // main() says why stdout failed.
  if (outputFailed || !io.out) return kExitOutput;
  if (reader.error()) {
    io.err << "brivane-cli: cannot read the input: " << reader.error().message() << '\n';
    return kExitOutput;
  }
  return refused ? kExitStopped : kExitOk;
}

}  // namespace

void DeclareBatch(CommandLine& line) {
  line.Describe(
      "Rate one request a line from stdin and write one record a line to stdout, in the input's order: "
      "JSON Lines (each line an object whose keys are the command's long option names, its record the command's "
      "--json object with \"line\" and \"status\"), or CSV with a header row of the same names (with --csv). "
      "A line that cannot be read or is refused is a record too, and the batch goes on.");
  line.AddPositionals("COMMAND", "", "The command each line runs: " + CommandNames() + ".");
  line.AddValue("jobs", "N", "Rate on N threads (default: one a core); the output stays in the input's order.");
  line.AddFlag("csv",
               "Read CSV with a header row and write CSV: the input's columns, line, status, message, then the "
               "command's --csv columns.");
  line.AddFlag("progress",
               "Show the lines done, the rate and the time left on stderr (the default when stderr is a terminal and "
               "stdin a file).");
  AddMotorOptions(line, "For check, rank, cycle and envelope: read once, rated for every line.");
}

int RunBatch(const CommandLine& line, const Io& io) {
  const BatchedCommand* command = FindCommand(line, io);
  if (command == nullptr) return kExitUsage;
  const auto jobs = ReadJobs(line, io);
  if (!jobs) return kExitUsage;
  CommandLine declared(command->name);
  command->declare(declared);
  const BatchKeys keys(declared, kRefusedKeys, command->objectKey);
  if ((line.IsSet("motors") || line.IsSet("motors-only")) && !keys.Has("motors"))
    return io.UsageError(UsageCode::Conflict, "--motors does not go with batch " + std::string(command->name));
  const auto motors = ReadMotorOptions(line, io);
  if (!motors) return kExitUsage;

  Setting setting;
  setting.format = line.IsSet("csv") ? RankFormat::Csv : RankFormat::Json;
  setting.rows = motors->Rows();
  EmptyInput none;
  InputSource& in = io.in != nullptr ? *io.in : none;
  std::optional<Progress> progress;
  if (line.IsSet("progress") || (io.errIsTerminal && in.Size())) progress.emplace(io.err, io.errIsTerminal, in.Size());

  LineReader reader(in);
  std::optional<CsvColumns> columns;
  std::uint64_t headerBytes = 0;
  if (setting.format == RankFormat::Csv) {
    LineGroup header;
    if (!reader.Next(header, 1, kGroupInputBytes)) return kExitOk;  // no input, no output
    LineProblem problem;
    if (!header.lines.front().tooLong) columns = CsvColumns::Read(header.TextOf(header.lines.front()), keys, problem);
    if (!columns)
      return io.UsageError(problem.code, problem.text.empty() ? "the header row is too long" : problem.text);
    headerBytes = header.inputBytes;
  }
  const Batch batch(*command, keys, columns, setting);
  if (columns) io.out << batch.CsvHeader();
  return RunLines(batch, reader, static_cast<std::size_t>(*jobs), io, progress, columns ? 1 : 0, headerBytes);
}

}  // namespace brivane::cli
