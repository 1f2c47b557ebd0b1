// quillet-lunar's whole range, 1901-02-19 .. 2100-12-31 (73,000 days), as
// TSV rows and as JSON Lines, written into memory: the formatting without
// the process and the disk.
#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

#include "cli/output.h"
#include "cli/run.h"

namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;
using quillet::lunar_cli::Context;
using quillet::lunar_cli::Output;

// Counts what it is given and keeps none of it.
class CountingOutput final : public Output {
 public:
  void Write(std::string_view text) override { bytes += text.size(); }
  std::size_t bytes = 0;
};

void RunWholeRange(benchmark::State& state,
                   const std::vector<std::string_view>& args) {
  const Context context{.today = 2024y / 1 / 1};
  std::size_t bytes = 0;
  for (auto _ : state) {
    CountingOutput out, errors;
    if (quillet::lunar_cli::Run(args, context, out, errors) != 0) {
      state.SkipWithError("the run failed");
    }
    bytes = out.bytes;
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_WholeRangeTsv(benchmark::State& state) {
  RunWholeRange(state, {"--tsv", "1901-02-19", "2100-12-31"});
}
BENCHMARK(BM_WholeRangeTsv)->Unit(benchmark::kMillisecond);

void BM_WholeRangeJsonLines(benchmark::State& state) {
  RunWholeRange(state, {"--json", "--tsv", "1901-02-19", "2100-12-31"});
}
BENCHMARK(BM_WholeRangeJsonLines)->Unit(benchmark::kMillisecond);

}  // namespace
