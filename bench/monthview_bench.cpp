// The per-keystroke work: one whole DrawMonth, and the lookups it makes for
// every day, averaged over the whole range.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "lunar/almanac.h"
#include "lunar/cn_calendar.h"
#include "lunar/moon_phases.h"
#include "lunar/official_days.h"
#include "lunar/seasons.h"
#include "monthview/day_details.h"
#include "monthview/festivals.h"
#include "monthview/month_view.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

// Takes every call and keeps nothing, so only the month view is measured.
class NullCanvas : public Canvas {
 public:
  void Clear() override {}
  void SetTextColor(Rgb color) override { benchmark::DoNotOptimize(color); }
  void SetTextBackground(std::optional<Rgb> color) override {
    benchmark::DoNotOptimize(color);
  }
  void SetFont(const CanvasFont& font) override {
    benchmark::DoNotOptimize(font.points);
  }
  void WriteText(int x, int y, std::string_view text) override {
    benchmark::DoNotOptimize(x + y + text.size());
  }
  void WriteTextWithin(int x, int y, std::string_view text,
                       int width) override {
    benchmark::DoNotOptimize(x + y + text.size() + width);
  }
};

class MonthControls : public MonthViewControls {
 public:
  std::string YearText() const override { return year; }
  std::string MonthText() const override { return month; }
  void SetTitle(std::string_view text) override {
    benchmark::DoNotOptimize(text.size());
  }
  Canvas& DrawingCanvas() override { return canvas; }
  CivilDate Today() const override { return {2024, 3, 9}; }

  std::string year, month;
  NullCanvas canvas;
};

// All 1,752 months of 1902..2047; one iteration draws one month.
void BM_DrawMonth(benchmark::State& state) {
  std::vector<std::pair<std::string, std::string>> months;
  for (int y = 1902; y <= 2047; ++y) {
    for (int m = 1; m <= 12; ++m) {
      months.emplace_back(std::to_string(y), std::to_string(m));
    }
  }
  MonthControls controls;
  size_t next = 0;
  for (auto _ : state) {
    controls.year = months[next].first;
    controls.month = months[next].second;
    DrawMonth(controls);
    if (++next == months.size()) next = 0;
  }
}
BENCHMARK(BM_DrawMonth);

struct Day {
  int dayKey;
  LunarDate lunar;
};

const std::vector<Day>& EveryDay() {
  static const std::vector<Day> days = [] {
    std::vector<Day> all;
    const CnCalendar calendar;
    for (chr::sys_days d = chr::sys_days{chr::year{1902} / 1 / 1};
         d <= chr::sys_days{chr::year{2047} / 12 / 31}; d += chr::days{1}) {
      const chr::year_month_day ymd{d};
      const int y = static_cast<int>(ymd.year());
      const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
      const int day = static_cast<int>(static_cast<unsigned>(ymd.day()));
      all.push_back(
          {y * 10000 + m * 100 + day, calendar.GregorianToLunar(y, m, day)});
    }
    return all;
  }();
  return days;
}

// One iteration looks up one day; the days cycle through the whole range.
void BM_FestivalText(benchmark::State& state) {
  const auto& days = EveryDay();
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FestivalText(days[next].dayKey));
    if (++next == days.size()) next = 0;
  }
}
BENCHMARK(BM_FestivalText);

void BM_LunarDateNote(benchmark::State& state) {
  const auto& days = EveryDay();
  const CnCalendar calendar;
  size_t next = 0;
  for (auto _ : state) {
    const LunarDate& l = days[next].lunar;
    benchmark::DoNotOptimize(
        calendar.LunarDateNote(l.year, l.month, l.day, l.isLeapMonth));
    if (++next == days.size()) next = 0;
  }
}
BENCHMARK(BM_LunarDateNote);

// What a day's details showed before the seasons and the almanac, for one
// day: its lunar date, the stem-branch year, month and day, the note, the
// solar term with its instant and every festival.
void LookUpDay(const CnCalendar& calendar, const CivilDate& d) {
  const LunarDate l = calendar.GregorianToLunar(d.year, d.month, d.day);
  benchmark::DoNotOptimize(l);
  benchmark::DoNotOptimize(calendar.SexagenaryYear(d.year, d.month, d.day));
  benchmark::DoNotOptimize(calendar.SexagenaryMonth(d.year, d.month, d.day));
  benchmark::DoNotOptimize(calendar.SexagenaryDay(d.year, d.month, d.day));
  benchmark::DoNotOptimize(
      calendar.LunarDateNote(l.year, l.month, l.day, l.isLeapMonth));
  benchmark::DoNotOptimize(calendar.SolarTermOn(d.year, d.month, d.day));
  benchmark::DoNotOptimize(FestivalsOn(d.year, d.month, d.day));
}

CivilDate DateOf(const Day& day) {
  return {day.dayKey / 10000, day.dayKey / 100 % 100, day.dayKey % 100};
}

// The days cycle through the whole range.
void BM_WholeDay(benchmark::State& state) {
  const auto& days = EveryDay();
  const CnCalendar calendar;
  size_t next = 0;
  for (auto _ : state) {
    LookUpDay(calendar, DateOf(days[next]));
    if (++next == days.size()) next = 0;
  }
}
BENCHMARK(BM_WholeDay);

// Everything the details show now: the same, and 休 or 班, the seasons, the
// phase of the Moon and the almanac.
void BM_WholeDayWithAlmanac(benchmark::State& state) {
  const auto& days = EveryDay();
  const CnCalendar calendar;
  const OfficialDays& official = OfficialDays::BuiltIn();
  size_t next = 0;
  for (auto _ : state) {
    const CivilDate d = DateOf(days[next]);
    LookUpDay(calendar, d);
    benchmark::DoNotOptimize(
        official.On(chr::sys_days{chr::year{d.year} / d.month / d.day}));
    benchmark::DoNotOptimize(SeasonsOn(d.year, d.month, d.day));
    benchmark::DoNotOptimize(MoonPhaseOn(d.year, d.month, d.day));
    benchmark::DoNotOptimize(AlmanacOn(d.year, d.month, d.day));
    if (++next == days.size()) next = 0;
  }
}
BENCHMARK(BM_WholeDayWithAlmanac);

// The tooltip's text of one day, cycling through every day 1902–2047.
void BM_DayDetailsText(benchmark::State& state) {
  const auto& days = EveryDay();
  const CnCalendar calendar;
  size_t next = 0;
  for (auto _ : state) {
    const int key = days[next].dayKey;
    benchmark::DoNotOptimize(
        DayDetailsText(calendar, key / 10000, key / 100 % 100, key % 100));
    if (++next == days.size()) next = 0;
  }
}
BENCHMARK(BM_DayDetailsText);

}  // namespace
}  // namespace quillet
