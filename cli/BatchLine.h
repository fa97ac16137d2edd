// One request of a batch: a line of JSON Lines (an object whose keys are the command's long
// option names) or a CSV record under a header of the same names, read straight into the option
// values the command reads its request from. The keys are what the command's CommandLine
// declares, so that a key and an option cannot drift apart. No Qt.
#pragma once

#include <rapidjson/reader.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/OptionValues.h"
#include "cli/UsageError.h"

namespace brivane::cli {

// An option of the command that a batch line may not give, and why ("the batch writes ...").
struct RefusedKey {
  std::string_view name;
  std::string_view why;
};

struct BatchKey {
  enum class Kind { Value, Flag, Positional };
  std::string name;
  Kind kind = Kind::Value;
  std::string_view refused;  // not empty: the key may not be given, for this reason
};

// The keys of one command's lines.
class BatchKeys {
 public:
  // What `declared` declares (the positional argument under its key), less `refused`;
  // `objectKey` names the positional key that may hold a JSON object instead of a text (cycle's
  // cycle given inline), or is empty.
  BatchKeys(const CommandLine& declared, std::span<const RefusedKey> refused, std::string_view objectKey = {});

  const BatchKey* Find(std::string_view name) const;
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
  std::size_t IndexOf(const BatchKey& key) const { return static_cast<std::size_t>(&key - keys_.data()); }
  std::size_t size() const { return keys_.size(); }
  bool TakesObject(const BatchKey& key) const {
    return key.kind == BatchKey::Kind::Positional && key.name == objectKey_;
  }

 private:
  std::vector<BatchKey> keys_;
  std::string objectKey_;
};

// The values of one line, as a command line with the same options would give them.
class LineValues final : public OptionValues {
 public:
  void Clear();
  void Set(const BatchKey& key, std::string_view text);

  bool IsSet(std::string_view name) const override;
  std::string Value(std::string_view name) const override;
  std::vector<std::string> Values(std::string_view name) const override;
  const std::vector<std::string>& Positionals() const override { return positionals_; }

  // The positional key holds a JSON object (its text then empty): the caller reads it from the line.
  bool PositionalIsObject() const { return positionalObject_; }
  void SetPositionalObject();

 private:
  std::vector<std::pair<const BatchKey*, std::string>> values_;  // keys given, each once
  std::vector<std::string> positionals_;
  bool positionalObject_ = false;
};

// Why a line gives no request: a usage error of the line, with its kind.
struct LineProblem {
  UsageCode code = UsageCode::Usage;
  std::string text;
};

// Reads JSON lines of one command, one after the other (one reader a thread).
class JsonLineReader {
 public:
  explicit JsonLineReader(const BatchKeys& keys) : keys_(keys) {}
  // One line into `values` (cleared first). A value option takes a string or a number (the
  // number's text as written), a flag true or false, any key null as not given.
  std::optional<LineProblem> Read(std::string_view line, LineValues& values);

 private:
  const BatchKeys& keys_;
  rapidjson::Reader reader_;  // kept: its buffer is allocated once
  std::string scratch_;       // the line being read, changed by the reading
};

// The columns of a CSV input, from its header row.
class CsvColumns {
 public:
  // Nothing after a usage error of the batch (a column that names no key, or one that may not be
  // given, or a name given twice), which `problem` then holds.
  static std::optional<CsvColumns> Read(std::string_view header, const BatchKeys& keys, LineProblem& problem);

  const std::vector<std::string>& Names() const { return names_; }
  // Reads one CSV record into `values` (cleared first) and its fields into `fields`. An empty
  // field is not given; a flag takes true or false (in any case), 1 or 0.
  std::optional<LineProblem> ReadLine(std::string_view line, LineValues& values,
                                      std::vector<std::string>& fields) const;

 private:
  std::vector<std::string> names_;
  std::vector<const BatchKey*> keys_;
};

}  // namespace brivane::cli
