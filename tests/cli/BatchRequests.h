// Random select requests, each as a batch line and as the command line with the same options,
// for the checks that the two answer alike: values inside, at and beyond the bounds of every
// option, texts that are no numbers, both acceleration forms, limits off the list, move files
// that exist and one that does not, numbers written as JSON numbers or as strings.
#pragma once

#include <rapidjson/document.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brivane::test {

struct BatchRequest {
  std::string line;               // the JSON line
  std::vector<std::string> args;  // "select", the options, "--json"
};

class RandomSelectRequests {
 public:
  // `moveFile` names a move file that exists, `missingFile` one that does not.
  RandomSelectRequests(unsigned seed, std::string moveFile, std::string missingFile)
      : random_(seed), moveFile_(std::move(moveFile)), missingFile_(std::move(missingFile)) {}

  BatchRequest Next() {
    std::vector<std::pair<std::string, std::string>> given;
    const auto maybe = [&](const char* key, double chance, auto value) {
      if (Chance(chance)) given.emplace_back(key, value());
    };
    maybe("mass", 0.9, [&] {
      return Pick({"0", "-1", "3000", "3000.0001", "1e3", "abc", "", " 2 ", "nan", "1e39"}, 0.1, 0.01, 200.0, 3);
    });
    maybe("stroke", 0.9, [&] {
      return Pick({"0", "100000", "100001", "1.5", "99999999999", "-5", "5e2"}, 0.1, 1.0, 3000.0, 0);
    });
    const bool both = Chance(0.03);
    const bool timeMode = Chance(0.3);
    if (both || !timeMode) maybe("accel-g", 0.9, [&] { return Pick({"0", "50", "50.1", "x"}, 0.1, 0.01, 5.0, 2); });
    if (both || timeMode) maybe("accel-ms", 0.9, [&] { return Pick({"9.9", "10", "0"}, 0.1, 1.0, 500.0, 1); });
    maybe("velocity", 0.9, [&] { return Pick({"0", "30", "31"}, 0.1, 0.05, 5.0, 2); });
    maybe("dwell", 0.3, [&] { return Pick({"-1", "10000001"}, 0.1, 0.0, 1000.0, 0); });
    maybe("friction", 0.2, [&] { return Pick({"10", "11", "-0"}, 0.1, 0.0, 0.5, 2); });
    maybe("safety", 0.2, [&] { return Pick({"0.5", "21", "1"}, 0.1, 1.0, 3.0, 2); });
    maybe("rated", 0.2, [&] { return Limit(); });
    maybe("peak", 0.2, [&] { return Limit(); });
    maybe("move", 0.05, [&] { return Chance(0.8) ? moveFile_ : missingFile_; });
    maybe("lang", 0.02, [&] { return std::string(Chance(0.8) ? "en" : "xx"); });
    std::shuffle(given.begin(), given.end(), random_);

    BatchRequest r;
    r.args.push_back("select");
    r.line = "{";
    for (const auto& [key, text] : given) {
      if (r.line.size() > 1) r.line += Chance(0.5) ? ", " : ",";
      r.line += "\"" + key + "\":" + (JsonNumber(text) && Chance(0.7) ? text : "\"" + text + "\"");
      r.args.push_back("--" + key);
      r.args.push_back(text);
    }
    r.line += "}";
    r.args.push_back("--json");
    return r;
  }

 private:
  bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p; }

  // One of `edges` with the chance `edgeChance`, otherwise a number from `low` to `high` with
  // `decimals` decimals.
  std::string Pick(std::initializer_list<const char*> edges, double edgeChance, double low, double high, int decimals) {
    if (Chance(edgeChance)) {
      const auto at = std::uniform_int_distribution<std::size_t>(0, edges.size() - 1)(random_);
      return *(edges.begin() + at);
    }
    const double v = std::uniform_real_distribution<double>(low, high)(random_);
    std::string text = std::to_string(v);
    const std::size_t dot = text.find('.');
    return decimals == 0 ? text.substr(0, dot) : text.substr(0, dot + 1 + static_cast<std::size_t>(decimals));
  }

  std::string Limit() {
    if (Chance(0.8)) return std::to_string(25 + 5 * std::uniform_int_distribution<int>(0, 15)(random_));
    return Chance(0.5) ? "72" : Chance(0.5) ? "abc" : "101";
  }

  // Whether the text is a JSON number as written (so it may go into the line unquoted).
  static bool JsonNumber(const std::string& text) {
    rapidjson::Document d;
    d.Parse(text.c_str());
    return !d.HasParseError() && d.IsNumber();
  }

  std::mt19937 random_;
  std::string moveFile_;
  std::string missingFile_;
};

}  // namespace brivane::test
