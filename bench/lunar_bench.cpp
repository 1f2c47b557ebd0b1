// GregorianToLunar over every served day, 1901-02-19 .. 2100-12-31.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "lunar/cn_calendar.h"

namespace {

namespace chr = std::chrono;

struct Day {
  int year, month, day;
};

std::vector<Day> EveryServedDay() {
  std::vector<Day> days;
  for (chr::sys_days d{quillet::kFirstServedDay};
       d <= chr::sys_days{quillet::kLastServedDay}; ++d) {
    const chr::year_month_day date{d};
    days.push_back({static_cast<int>(date.year()),
                    static_cast<int>(static_cast<unsigned>(date.month())),
                    static_cast<int>(static_cast<unsigned>(date.day()))});
  }
  return days;
}

void BM_GregorianToLunarEveryDay(benchmark::State& state) {
  const std::vector<Day> days = EveryServedDay();
  const quillet::CnCalendar calendar;
  for (auto _ : state) {
    for (const Day& day : days) {
      benchmark::DoNotOptimize(
          calendar.GregorianToLunar(day.year, day.month, day.day));
    }
  }
  const auto calls = static_cast<double>(days.size());
  state.SetItemsProcessed(state.iterations() *
                          static_cast<std::int64_t>(days.size()));
  // Seconds per call, averaged over every day of the range.
  state.counters["per_call"] =
      benchmark::Counter(calls, benchmark::Counter::kIsIterationInvariantRate |
                                    benchmark::Counter::kInvert);
}
BENCHMARK(BM_GregorianToLunarEveryDay);

}  // namespace
