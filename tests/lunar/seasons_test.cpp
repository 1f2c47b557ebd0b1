// The dog days, the nines, the plum rains and the pentads: days worked out by
// hand from the published days of the solar terms, and every served day
// walked against the terms that CnCalendar gives and a day count of its own.
#include "lunar/seasons.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "lunar/lunar_names.h"
#include "tests/support/refusals.h"
#include "tests/support/served_days.h"
#include "tests/support/sexagenary.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;
using testing::Civil;
using testing::JulianDayNumber;
using testing::Text;

constexpr chr::sys_days kFirst{kFirstServedDay};
constexpr chr::sys_days kLast{kLastServedDay};

// The stem 0 (甲) .. 9 (癸) and branch 0 (子) .. 11 (亥) of a day, by the
// Julian day count: JD 11 was a 甲子 day.
int StemOf(chr::sys_days day) {
  const auto c = Civil(day);
  return static_cast<int>((JulianDayNumber(c.year, c.month, c.day) - 11) % 10);
}
int BranchOf(chr::sys_days day) {
  const auto c = Civil(day);
  return static_cast<int>((JulianDayNumber(c.year, c.month, c.day) - 11) % 12);
}

// The day (UTC+8) of every solar term 1901 .. 2100, and the term.
std::map<chr::sys_days, int> TermDays() {
  std::map<chr::sys_days, int> days;
  const CnCalendar calendar;
  for (int year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
    const auto terms = calendar.SolarTerms(year);
    for (int k = 0; k < 24; ++k) {
      days[chr::floor<chr::days>(terms[static_cast<std::size_t>(k)].instant +
                                 8h)] = k;
    }
  }
  return days;
}

SeasonsDay On(chr::sys_days day,
              NinesStart start = NinesStart::kWinterSolstice) {
  const auto c = Civil(day);
  return SeasonsOn(c.year, c.month, c.day, start);
}

// Published days: 夏至 2023-06-21 was a 庚戌 day and counts as the first 庚
// day, so 入伏 came on 7-11; 2024's 中伏 had twenty days; 2025's dog days
// thirty. The terms: 夏至 6-21 in each year, 立秋 2023-08-08, 2024-08-07,
// 2025-08-07; 立秋 1991-08-08 was itself a 庚戌 day and began 末伏.
TEST(DogDaysTest, PublishedYears) {
  const struct {
    int year;
    chr::year_month_day first, middle, last, end;
  } cases[] = {
      {2023, 2023y / 7 / 11, 2023y / 7 / 21, 2023y / 8 / 10, 2023y / 8 / 20},
      {2024, 2024y / 7 / 15, 2024y / 7 / 25, 2024y / 8 / 14, 2024y / 8 / 24},
      {2025, 2025y / 7 / 20, 2025y / 7 / 30, 2025y / 8 / 9, 2025y / 8 / 19},
      {1991, 1991y / 7 / 19, 1991y / 7 / 29, 1991y / 8 / 8, 1991y / 8 / 18},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DogDaysOf(c.year),
              (DogDaysOfYear{chr::sys_days{c.first}, chr::sys_days{c.middle},
                             chr::sys_days{c.last}, chr::sys_days{c.end}}))
        << c.year;
  }
}

// A day's labels at the edges, with the literal text a user reads.
TEST(SeasonsOnTest, EdgeDays) {
  const struct {
    chr::year_month_day date;
    NinesStart start;
    const char* dogDay;  // "" when none
    bool dogDaysEnd;
    const char* nine;  // "" when none
    int pentad, pentadDay;
  } cases[] = {
      // 入伏 on 7-15; the twentieth day of 2024's long 中伏; 出伏. Pentads:
      // 小暑 7-06, 立秋 8-07, 处暑 8-22, 惊蛰 3-05, 冬至 2023-12-22.
      {2024y / 7 / 15, NinesStart::kWinterSolstice, "初伏第1天", false, "", 37,
       5},
      {2024y / 8 / 13, NinesStart::kWinterSolstice, "中伏第20天", false, "", 43,
       2},
      {2024y / 8 / 24, NinesStart::kWinterSolstice, "", true, "", 45, 3},
      // 冬至 2023-12-22, a 甲寅 day: 2024-01-01 is the tenth day on, 二九's
      // second; by the first 壬 day (2023-12-30) it is 一九's third.
      {2024y / 1 / 1, NinesStart::kWinterSolstice, "", false, "二九第2天", 71,
       1},
      {2024y / 1 / 1, NinesStart::kFirstRenDay, "", false, "一九第3天", 71, 1},
      {2023y / 12 / 22, NinesStart::kWinterSolstice, "", false, "一九第1天", 69,
       1},
      {2023y / 12 / 22, NinesStart::kFirstRenDay, "", false, "", 69, 1},
      // 九九's last day, 80 days after 冬至, and the day after.
      {2024y / 3 / 11, NinesStart::kWinterSolstice, "", false, "九九第9天", 13,
       2},
      {2024y / 3 / 12, NinesStart::kWinterSolstice, "", false, "", 13, 3},
      // 冬至 1994-12-22 was a 壬午 day: both reckonings begin on it.
      {1994y / 12 / 22, NinesStart::kFirstRenDay, "", false, "一九第1天", 69,
       1},
      // The first served day lies in the nines of 冬至 1900 (12-22), and in
      // 雨水 1901 (2-19).
      {1901y / 2 / 19, NinesStart::kWinterSolstice, "", false, "七九第6天", 9,
       1},
      // 立春 2024-02-04 (东风解冻), five and ten days on; 小寒 2024-01-06.
      {2024y / 2 / 4, NinesStart::kWinterSolstice, "", false, "五九第9天", 6,
       1},
      {2024y / 2 / 9, NinesStart::kWinterSolstice, "", false, "六九第5天", 7,
       1},
      {2024y / 2 / 18, NinesStart::kWinterSolstice, "", false, "七九第5天", 8,
       5},
      {2024y / 1 / 6, NinesStart::kWinterSolstice, "", false, "二九第7天", 0,
       1},
  };
  for (const auto& c : cases) {
    const SeasonsDay s = On(chr::sys_days{c.date}, c.start);
    SCOPED_TRACE(Text(chr::sys_days{c.date}));
    EXPECT_EQ(s.dogDay ? DogDayText(*s.dogDay) : "", c.dogDay);
    EXPECT_EQ(s.dogDaysEnd, c.dogDaysEnd);
    EXPECT_EQ(s.nine ? NineDayText(*s.nine) : "", c.nine);
    EXPECT_EQ(s.pentad, (PentadDay{c.pentad, c.pentadDay}));
  }
  EXPECT_EQ(names::Pentad(6), "东风解冻");
  EXPECT_EQ(names::Pentad(71, Script::kTraditional), "水泉動");
}

// 芒种 2024-06-05 (庚子): the first 丙 day is 6-11; 小暑 2024-07-06 was a 辛未
// day and ends the rains itself. 芒种 1903-06-07 was a 丙寅 day; 小暑
// 1903-07-08 (丁酉) is followed by 己未 on 7-18.
TEST(PlumRainTest, TermDaysCount) {
  EXPECT_EQ(PlumRainOf(2024), (PlumRainOfYear{chr::sys_days{2024y / 6 / 11},
                                              chr::sys_days{2024y / 7 / 6}}));
  EXPECT_EQ(PlumRainOf(1903), (PlumRainOfYear{chr::sys_days{1903y / 6 / 7},
                                              chr::sys_days{1903y / 7 / 18}}));
  EXPECT_EQ(On(chr::sys_days{2024y / 6 / 10}).plumRain, std::nullopt);
  EXPECT_EQ(On(chr::sys_days{2024y / 6 / 11}).plumRain, PlumRainDay::kBegins);
  EXPECT_EQ(On(chr::sys_days{2024y / 7 / 5}).plumRain, PlumRainDay::kWithin);
  EXPECT_EQ(On(chr::sys_days{2024y / 7 / 6}).plumRain, PlumRainDay::kEnds);
  EXPECT_EQ(On(chr::sys_days{2024y / 7 / 7}).plumRain, std::nullopt);
}

// Every year: each season starts on a day of its stem or branch, within the
// reach of its rule from its term, so that it is the first (or third)
// such day counted from the term's own day.
TEST(SeasonsOfYearTest, EveryYearKeepsItsRule) {
  std::map<int, std::map<int, chr::sys_days>> terms;  // year, term -> day
  for (const auto& [day, term] : TermDays()) {
    terms[static_cast<int>(chr::year_month_day{day}.year())][term] = day;
  }
  for (int year = 1901; year <= 2100; ++year) {
    SCOPED_TRACE(year);
    const DogDaysOfYear dog = DogDaysOf(year);
    const auto after = [&](chr::sys_days day, int term) {
      return (day - terms[year][term]).count();
    };
    EXPECT_EQ(StemOf(dog.firstBegins), 6);  // 庚
    EXPECT_GE(after(dog.firstBegins, 11), 20);
    EXPECT_LE(after(dog.firstBegins, 11), 29);
    EXPECT_EQ(dog.middleBegins - dog.firstBegins, chr::days{10});
    EXPECT_EQ(StemOf(dog.lastBegins), 6);
    EXPECT_GE(after(dog.lastBegins, 14), 0);
    EXPECT_LE(after(dog.lastBegins, 14), 9);
    EXPECT_EQ(dog.end - dog.lastBegins, chr::days{10});
    const auto span = (dog.end - dog.firstBegins).count();
    EXPECT_TRUE(span == 30 || span == 40) << span;

    const PlumRainOfYear rain = PlumRainOf(year);
    EXPECT_EQ(StemOf(rain.begins), 2);  // 丙
    EXPECT_GE(after(rain.begins, 10), 0);
    EXPECT_LE(after(rain.begins, 10), 9);
    EXPECT_EQ(BranchOf(rain.ends), 7);  // 未
    EXPECT_GE(after(rain.ends, 12), 0);
    EXPECT_LE(after(rain.ends, 12), 11);

    EXPECT_EQ(NinesBegin(year), terms[year][23]);
    const chr::sys_days ren = NinesBegin(year, NinesStart::kFirstRenDay);
    EXPECT_EQ(StemOf(ren), 8);  // 壬
    EXPECT_GE(after(ren, 23), 0);
    EXPECT_LE(after(ren, 23), 9);
  }
  EXPECT_EQ(NinesBegin(1900), chr::sys_days{1900y / 12 / 22});
}

// Every served day against the day before: a season's day count steps by
// one, each begins on its year's first day and runs its length, and the
// pentads step through 0..71 in order, each starting on its term's day or
// five or ten days after.
TEST(SeasonsOnTest, EveryServedDayFollowsTheDayBefore) {
  const std::map<chr::sys_days, int> termDays = TermDays();
  // The last term's day up to the day walked (雨水 1901 is the first day's).
  chr::sys_days lastTerm = std::prev(termDays.upper_bound(kFirst))->first;
  SeasonsDay previous = On(kFirst);
  int dogDays = 0, nineDays = 0;
  for (chr::sys_days day = kFirst + chr::days{1}; day <= kLast; ++day) {
    const SeasonsDay s = On(day);
    const int year = static_cast<int>(chr::year_month_day{day}.year());
    if (const auto t = termDays.find(day); t != termDays.end()) lastTerm = day;

    if (s.dogDay) {
      ++dogDays;
      const DogDay& d = *s.dogDay;
      if (previous.dogDay && previous.dogDay->period == d.period) {
        ASSERT_EQ(d.day, previous.dogDay->day + 1) << Text(day);
      } else {
        ASSERT_EQ(d.day, 1) << Text(day);
        const DogDaysOfYear dog = DogDaysOf(year);
        ASSERT_EQ(day, d.period == DogDaysPeriod::kFirst    ? dog.firstBegins
                       : d.period == DogDaysPeriod::kMiddle ? dog.middleBegins
                                                            : dog.lastBegins);
      }
      ASSERT_LE(d.day, d.period == DogDaysPeriod::kMiddle ? 20 : 10);
    }
    ASSERT_EQ(s.dogDaysEnd, previous.dogDay && !s.dogDay) << Text(day);

    if (s.nine) {
      ++nineDays;
      const NineDay expected =
          !previous.nine ? NineDay{1, 1}
          : previous.nine->day == 9
              ? NineDay{previous.nine->nine + 1, 1}
              : NineDay{previous.nine->nine, previous.nine->day + 1};
      ASSERT_EQ(*s.nine, expected) << Text(day);
      if (!previous.nine) {
        ASSERT_EQ(lastTerm, day) << "not 冬至 " << Text(day);
      }
    } else if (previous.nine) {
      ASSERT_EQ(*previous.nine, (NineDay{9, 9})) << Text(day);
    }

    if (s.pentad.day == 1) {
      ASSERT_EQ(s.pentad.index, (previous.pentad.index + 1) % 72) << Text(day);
      const int term = termDays.at(lastTerm);
      ASSERT_EQ(s.pentad.index, 3 * term + (day - lastTerm).count() / 5)
          << Text(day);
    } else {
      ASSERT_EQ(s.pentad,
                (PentadDay{previous.pentad.index, previous.pentad.day + 1}))
          << Text(day);
    }
    previous = s;
  }
  // 200 summers of 30 or 40 days.
  EXPECT_GE(dogDays, 200 * 30);
  EXPECT_LE(dogDays, 200 * 40);
  EXPECT_GT(nineDays, 199 * 81);
}

TEST(SeasonsTest, OutsideTheRangeThrowsNamingTheArgument) {
  const testing::Refusal cases[] = {
      {[] { SeasonsOn(1901, 2, 18); }, "1901-02-18"},
      {[] { SeasonsOn(2101, 1, 1); }, "year 2101"},
      {[] { SeasonsOn(2023, 2, 29); }, "day 29"},
      {[] { SeasonsOn(2024, 13, 1); }, "month 13"},
      {[] { DogDaysOf(1900); }, "year 1900"},
      {[] { PlumRainOf(2101); }, "year 2101"},
      {[] { NinesBegin(1899); }, "year 1899"},
      {[] { names::Pentad(72); }, "72"},
      {[] { names::NineName(0); }, "0"},
  };
  testing::ExpectRefusals(cases);
}

}  // namespace
}  // namespace quillet
