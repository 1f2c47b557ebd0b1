// Arbitrary bytes as the two box texts: the year box takes everything before
// the first newline, the month box the rest.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/monthview/draw_outcome.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\n');
  const std::string year = input.substr(0, split);
  const std::string month =
      split == std::string::npos ? std::string() : input.substr(split + 1);
  const std::string problem = quillet::testing::CheckDrawOutcome(year, month);
  if (!problem.empty()) {
    std::fprintf(stderr, "DrawMonth outcome: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
