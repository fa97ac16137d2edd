// brivane-cli batch against a plain loop over the same requests. The loop is what a batch cannot
// beat: every request read once beforehand, then computed and formatted into memory. The batch
// in-process (RunCli over the lines in memory, written to memory) adds its reading of each line
// and its records, without a process or a file. The same lines for the real program, to time it
// on a file as a user runs it:
//
//   batch_benchmarks --write-lines select 1000000 select.jsonl
//   /usr/bin/time -f '%e s %M KB' cli/brivane-cli batch select --jobs 1 < select.jsonl > /dev/null
//   batch_benchmarks --write-lines rank 20000 rank.jsonl
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/BatchInput.h"
#include "cli/BatchLine.h"
#include "cli/Commands.h"
#include "cli/RunCli.h"
#include "cli/StringOutput.h"

using namespace brivane;
using namespace brivane::cli;

namespace {

constexpr std::size_t kLines = 10000;

// Moves a trade study sweeps: loads from 0.5 to 50 kg, strokes of 100 to 2000 mm, 0.2 to 3 g and
// 0.2 to 3 m/s, two decimals as a script would print them; the same lines every run. Lines of
// rank give a bus voltage too, for the drive figures of every row.
std::string Lines(std::string_view command, std::size_t count) {
  const std::string more = command == "rank" ? ", \"bus-voltage\": 320" : "";
  std::mt19937 random(20240601);
  const auto hundredths = [&random](int low, int high) {
    const int n = std::uniform_int_distribution<int>(low, high)(random);
    return std::to_string(n / 100) + "." + std::to_string(100 + n % 100).substr(1);
  };
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += "{\"mass\": " + hundredths(50, 5000) +
            ", \"stroke\": " + std::to_string(std::uniform_int_distribution<int>(100, 2000)(random)) +
            ", \"accel-g\": " + hundredths(20, 300) + ", \"velocity\": " + hundredths(20, 300) + more + "}\n";
  }
  return text;
}

// The lines of a text, without their line ends.
std::vector<std::string_view> Split(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1)
    lines.push_back(text.substr(at, text.find('\n', at) - at));
  return lines;
}

// A command's lines read as the batch reads them, into their option values.
class LineRead {
 public:
  LineRead(std::string_view command, void (*declare)(CommandLine&))
      : declared_(command), keys_(Declared(declared_, declare), {}), reader_(keys_) {}

  const LineValues& Read(std::string_view line) {
    if (reader_.Read(line, values_)) std::abort();
    return values_;
  }
  const Io& io() const { return io_; }

 private:
  static const CommandLine& Declared(CommandLine& line, void (*declare)(CommandLine&)) {
    declare(line);
    return line;
  }

  CommandLine declared_;
  BatchKeys keys_;
  JsonLineReader reader_;
  LineValues values_;
  std::ostringstream discard_;
  Io io_{discard_, discard_};
};

// Each line's request, read as the batch reads it.
template <class Request, class Read>
std::vector<Request> Requests(std::string_view command, void (*declare)(CommandLine&), Read read) {
  LineRead lines(command, declare);
  std::vector<Request> requests;
  const std::string text = Lines(command, kLines);
  for (const std::string_view line : Split(text)) {
    auto request = read(lines.Read(line), lines.io());
    if (!request) std::abort();
    request->format = RankFormat::Json;
    requests.push_back(std::move(*request));
  }
  return requests;
}

template <class Request, class Run>
void Loop(benchmark::State& state, const std::vector<Request>& requests, Run run) {
  StringOutput out;
  std::ostringstream err;
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const Request& r : requests) {
      out.text.clear();
      run(r, out.stream, err);
      bytes += out.text.size();
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * requests.size()));
  state.counters["bytes/line"] = static_cast<double>(bytes) / static_cast<double>(state.iterations() * requests.size());
}

void BM_SelectLoop(benchmark::State& state) {
  static const auto requests = Requests<SelectRequest>(
      "select", DeclareSelect, [](const LineValues& v, const Io& io) { return ReadSelectRequest(v, io); });
  Loop(state, requests, [](const SelectRequest& r, std::ostream& out, std::ostream& err) { RunSelect(r, out, err); });
}
BENCHMARK(BM_SelectLoop)->Unit(benchmark::kMillisecond);

void BM_RankLoop(benchmark::State& state) {
  static const auto requests = Requests<RankRequest>("rank", DeclareRank, [](const LineValues& v, const Io& io) {
    MotorRowsSource rows(MotorCatalog::Instance().Rows());
    return ReadRankRequest(v, io, rows);
  });
  // A tenth of the lines: each takes some 100 us.
  const std::vector<RankRequest> some(requests.begin(), requests.begin() + kLines / 10);
  Loop(state, some, [](const RankRequest& r, std::ostream& out, std::ostream& err) { RunRank(r, out, err); });
}
BENCHMARK(BM_RankLoop)->Unit(benchmark::kMillisecond);

// What the batch adds before the loop's work: a line read into its request.
void BM_SelectReadLine(benchmark::State& state) {
  const std::string text = Lines("select", kLines);
  const std::vector<std::string_view> lines = Split(text);
  LineRead read("select", DeclareSelect);
  for (auto _ : state) {
    for (const std::string_view line : lines) {
      benchmark::DoNotOptimize(ReadSelectRequest(read.Read(line), read.io()));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines.size()));
}
BENCHMARK(BM_SelectReadLine)->Unit(benchmark::kMillisecond);

// Range 0: jobs.
void Batch(benchmark::State& state, std::string_view command, std::size_t lines) {
  const std::string text = Lines(command, lines);
  const std::string jobs = std::to_string(state.range(0));
  const std::vector<std::string_view> args{"batch", command, "--jobs", jobs};
  StringOutput out;
  std::ostringstream err;
  for (auto _ : state) {
    state.PauseTiming();
    TextInput in(text);
    out.text.clear();
    state.ResumeTiming();
    if (RunCli(args, out.stream, err, in, false) != 0) state.SkipWithError("a line was refused");
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines));
}

void BM_SelectBatchInProcess(benchmark::State& state) { Batch(state, "select", kLines); }
BENCHMARK(BM_SelectBatchInProcess)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RankBatchInProcess(benchmark::State& state) { Batch(state, "rank", kLines / 10); }
BENCHMARK(BM_RankBatchInProcess)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  // --write-lines COMMAND COUNT FILE: the lines of select or rank, for the real program.
  if (argc == 5 && std::string_view(argv[1]) == "--write-lines") {
    std::ofstream(argv[4], std::ios::binary) << Lines(argv[2], std::stoul(argv[3]));
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
