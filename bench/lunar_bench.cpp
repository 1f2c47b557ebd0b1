// GregorianToLunar and MoonPhaseOn over every served day, 1901-02-19 ..
// 2100-12-31, the day's 休 or 班 over every day of the notices' years and
// the years after, and a day's seasons and almanac together over every
// served day.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "lunar/almanac.h"
#include "lunar/cn_calendar.h"
#include "lunar/moon_phases.h"
#include "lunar/official_days.h"
#include "lunar/seasons.h"

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

// Every day from the first notice's year to the end of the range: the
// notices' days, the statutory days of later years and the ordinary days.
std::vector<Day> DaysFromTheFirstNotice() {
  std::vector<Day> days = EveryServedDay();
  std::erase_if(days, [](const Day& day) {
    return day.year < quillet::kFirstNoticeYear;
  });
  return days;
}

template <typename Answer>
void PerDay(benchmark::State& state, const std::vector<Day>& days,
            Answer answer) {
  for (auto _ : state) {
    for (const Day& day : days) {
      benchmark::DoNotOptimize(answer(day));
    }
  }
  state.SetItemsProcessed(state.iterations() *
                          static_cast<std::int64_t>(days.size()));
  state.counters["per_call"] =
      benchmark::Counter(static_cast<double>(days.size()),
                         benchmark::Counter::kIsIterationInvariantRate |
                             benchmark::Counter::kInvert);
}

void BM_OfficialDayOn(benchmark::State& state) {
  PerDay(state, DaysFromTheFirstNotice(), [](const Day& day) {
    return quillet::OfficialDayOn(day.year, day.month, day.day);
  });
}
BENCHMARK(BM_OfficialDayOn);

void BM_IsWorkday(benchmark::State& state) {
  PerDay(state, DaysFromTheFirstNotice(), [](const Day& day) {
    return quillet::IsWorkday(day.year, day.month, day.day);
  });
}
BENCHMARK(BM_IsWorkday);

// The notices' own years alone, where most days of a holiday carry a name.
void BM_OfficialDayOnNoticeYears(benchmark::State& state) {
  std::vector<Day> days = DaysFromTheFirstNotice();
  std::erase_if(
      days, [](const Day& day) { return day.year > quillet::kLastNoticeYear; });
  PerDay(state, days, [](const Day& day) {
    return quillet::OfficialDayOn(day.year, day.month, day.day);
  });
}
BENCHMARK(BM_OfficialDayOnNoticeYears);

// A binary search of the day's year row: most days have no phase.
void BM_MoonPhaseOnEveryDay(benchmark::State& state) {
  PerDay(state, EveryServedDay(), [](const Day& day) {
    return quillet::MoonPhaseOn(day.year, day.month, day.day);
  });
}
BENCHMARK(BM_MoonPhaseOnEveryDay);

// Everything of a day that the seasons and the almanac tell: SeasonsOn and
// AlmanacOn, and the pillar of one hour.
void BM_SeasonsAndAlmanacEveryDay(benchmark::State& state) {
  PerDay(state, EveryServedDay(), [](const Day& day) {
    const quillet::SeasonsDay seasons =
        quillet::SeasonsOn(day.year, day.month, day.day);
    const quillet::AlmanacDay almanac =
        quillet::AlmanacOn(day.year, day.month, day.day);
    const quillet::HourPillar hour =
        quillet::HourPillarAt(day.year, day.month, day.day, 12);
    return seasons.pentad.index + almanac.mansion + hour.hour;
  });
}
BENCHMARK(BM_SeasonsAndAlmanacEveryDay);

}  // namespace
