// What a fuzz target does when an invariant breaks: say which, with the values involved, and
// abort, so that libFuzzer stores the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace brivane::fuzz {

[[noreturn]] inline void Fail(const char* check, const std::string& detail) {
  std::fprintf(stderr, "invariant broken: %s\n%s\n", check, detail.c_str());
  std::abort();
}

}  // namespace brivane::fuzz

#define FUZZ_CHECK(condition, detail)                            \
  do {                                                           \
    if (!(condition)) ::brivane::fuzz::Fail(#condition, detail); \
  } while (false)
