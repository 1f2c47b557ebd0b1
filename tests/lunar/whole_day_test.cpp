// The whole day from the lunar component: the stem-branch names of year,
// month and day, the solar term of a day, lunar anniversaries, and the one
// home of the names and the date text.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "lunar/cn_calendar.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "tests/support/refusals.h"
#include "tests/support/served_days.h"
#include "tests/support/sexagenary.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;
using testing::Civil;
using testing::CycleName;
using testing::HasLeapMonth;
using testing::JulianDayNumber;
using testing::Text;

constexpr chr::sys_days kFirst{kFirstServedDay};
constexpr chr::sys_days kLast{kLastServedDay};

// JD 11 (-4701-11-22, proleptic Gregorian) was a 甲子 day, so the day's place
// is (JDN − 11) mod 60, counted from 1.
TEST(SexagenaryDayTest, EveryServedDayFollowsTheJulianDayCount) {
  const CnCalendar calendar;
  for (chr::sys_days day = kFirst; day <= kLast; ++day) {
    const auto c = Civil(day);
    const int expected =
        static_cast<int>((JulianDayNumber(c.year, c.month, c.day) - 11) % 60) +
        1;
    ASSERT_EQ(calendar.SexagenaryDay(c.year, c.month, c.day), expected)
        << Text(day);
  }
}

TEST(SexagenaryDayTest, PublishedDays) {
  const CnCalendar calendar;
  const struct {
    chr::year_month_day date;
    const char* name;
  } cases[] = {
      {1949y / 10 / 1, "甲子"},   // the founding of the People's Republic
      {2000y / 1 / 1, "戊午"},    // the first day of 2000
      {2024y / 2 / 10, "甲辰"},   // 甲辰年正月初一, a 甲辰 day too
      {1901y / 2 / 19, "戊辰"},   // the first day served
      {2100y / 12 / 31, "丁未"},  // the last day served
  };
  for (const auto& c : cases) {
    const auto d = Civil(chr::sys_days{c.date});
    EXPECT_EQ(names::Sexagenary(calendar.SexagenaryDay(d.year, d.month, d.day)),
              c.name)
        << Text(chr::sys_days{c.date});
  }
}

// The month's place from the 节 alone: the cycle steps by one on every day
// that holds a 节 (the even terms, on their day in UTC+8) and on no other
// day, 2008-12-07 (大雪) begins a 甲子 month, every month that 立春 begins is
// a 寅 month, and its stem follows the stem of the year 立春 begins.
TEST(SexagenaryMonthTest, EveryServedDayFollowsTheJieDays) {
  const CnCalendar calendar;
  std::vector<chr::sys_days> jieDays;
  std::vector<chr::sys_days> springDays;
  for (int year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
    const auto terms = calendar.SolarTerms(year);
    for (std::size_t k = 0; k < terms.size(); k += 2) {
      const auto day = chr::floor<chr::days>(terms[k].instant + chr::hours{8});
      jieDays.push_back(day);
      if (k == 2) springDays.push_back(day);
    }
  }
  // Month of 寅 stems by the stem of the year: 甲/己 丙, 乙/庚 戊, 丙/辛 庚,
  // 丁/壬 壬, 戊/癸 甲.
  constexpr int kTigerStemOfYearStem[] = {2, 4, 6, 8, 0, 2, 4, 6, 8, 0};

  const auto reference = chr::sys_days{2008y / 12 / 7};
  std::size_t passed = 0;  // the 节 days up to the day
  while (passed < jieDays.size() && jieDays[passed] <= kFirst) ++passed;
  std::size_t referencePassed = 0;
  while (jieDays[referencePassed] <= reference) ++referencePassed;
  std::size_t spring = 0;
  while (springDays[spring] < kFirst) ++spring;
  for (chr::sys_days day = kFirst; day <= kLast; ++day) {
    while (passed < jieDays.size() && jieDays[passed] <= day) ++passed;
    const long steps =
        static_cast<long>(passed) - static_cast<long>(referencePassed);
    const int expected = static_cast<int>((steps % 60 + 60) % 60) + 1;
    const auto c = Civil(day);
    const int month = calendar.SexagenaryMonth(c.year, c.month, c.day);
    ASSERT_EQ(month, expected) << Text(day);
    if (spring < springDays.size() && springDays[spring] == day) {
      ++spring;
      const int yearStem = ((c.year - 4) % 60 + 60) % 10;
      EXPECT_EQ((month - 1) % 12, 2) << "寅 month on 立春 " << Text(day);
      EXPECT_EQ((month - 1) % 10, kTigerStemOfYearStem[yearStem]) << Text(day);
    }
  }
  EXPECT_EQ(spring, springDays.size()) << "every 立春 of 1902 .. 2100 seen";
}

TEST(SexagenaryMonthTest, JieDaysAndTheDaysBefore) {
  const CnCalendar calendar;
  const struct {
    chr::year_month_day date;
    const char* name;
    const char* why;
  } cases[] = {
      {2008y / 12 / 6, "癸亥", "the day before 大雪"},
      {2008y / 12 / 7, "甲子", "大雪 begins a 甲子 month"},
      {2024y / 1 / 5, "甲子", "the day before 小寒"},
      {2024y / 1 / 6, "乙丑", "小寒 begins 丑"},
      {2024y / 2 / 3, "乙丑", "the day before 立春"},
      {2024y / 2 / 4, "丙寅", "立春 of a 甲 year begins 丙寅"},
      {2024y / 2 / 10, "丙寅", "正月初一 does not change the month"},
      {2023y / 2 / 4, "甲寅", "立春 of a 癸 year begins 甲寅"},
      {2025y / 2 / 3, "戊寅", "立春 of an 乙 year begins 戊寅"},
  };
  for (const auto& c : cases) {
    const auto d = Civil(chr::sys_days{c.date});
    EXPECT_EQ(
        names::Sexagenary(calendar.SexagenaryMonth(d.year, d.month, d.day)),
        c.name)
        << c.why;
  }
}

// At an instant the month changes at the 节 itself, not at midnight.
TEST(SexagenaryMonthTest, InstantChangesAtTheJie) {
  const CnCalendar calendar;
  for (const int year : {1902, 1949, 2024, 2099}) {
    const auto terms = calendar.SolarTerms(year);
    for (std::size_t k = 0; k < terms.size(); k += 2) {
      const auto at = terms[k].instant;
      const auto day = Civil(chr::floor<chr::days>(at + chr::hours{8}));
      const int before = calendar.SexagenaryMonth(at - 1s);
      const int after = calendar.SexagenaryMonth(at);
      EXPECT_EQ(after, before % 60 + 1) << year << " " << terms[k].name;
      EXPECT_EQ(after, calendar.SexagenaryMonth(day.year, day.month, day.day))
          << "the day of the 节 counts as the new month";
    }
  }
}

TEST(SexagenaryYearTest, LunarNewYearAndSpringBegins) {
  const CnCalendar calendar;
  const struct {
    chr::year_month_day date;
    const char* lunarNewYear;
    const char* springBegins;
    const char* why;
  } cases[] = {
      // 2024: 立春 (4 February) falls before 正月初一 (10 February).
      {2024y / 2 / 3, "癸卯", "癸卯", "before both"},
      {2024y / 2 / 4, "癸卯", "甲辰", "立春, still 腊月"},
      {2024y / 2 / 9, "癸卯", "甲辰", "除夕"},
      {2024y / 2 / 10, "甲辰", "甲辰", "正月初一"},
      // 2023: 正月初一 (22 January) falls before 立春 (4 February).
      {2023y / 1 / 21, "壬寅", "壬寅", "除夕"},
      {2023y / 1 / 22, "癸卯", "壬寅", "正月初一, before 立春"},
      {2023y / 2 / 3, "癸卯", "壬寅", "the day before 立春"},
      {2023y / 2 / 4, "癸卯", "癸卯", "立春"},
      {1901y / 2 / 19, "辛丑", "辛丑", "the first day served"},
      {2100y / 12 / 31, "庚申", "庚申", "the last day served"},
  };
  for (const auto& c : cases) {
    const auto d = Civil(chr::sys_days{c.date});
    EXPECT_EQ(
        names::Sexagenary(calendar.SexagenaryYear(d.year, d.month, d.day)),
        c.lunarNewYear)
        << c.why;
    EXPECT_EQ(names::Sexagenary(calendar.SexagenaryYear(
                  d.year, d.month, d.day, YearStart::kSpringBegins)),
              c.springBegins)
        << c.why;
  }
  EXPECT_EQ(names::ZodiacOfCycle(
                calendar.SexagenaryYear(2024, 2, 4, YearStart::kSpringBegins)),
            "龙");
  EXPECT_EQ(names::ZodiacOfCycle(calendar.SexagenaryYear(2024, 2, 4)), "兔");
}

// Every served day: the default count is the title line's, the lunar
// year's; counted from 立春 it changes on the day of 立春 alone.
TEST(SexagenaryYearTest, EveryServedDay) {
  const CnCalendar calendar;
  int previousSpring = 0;
  int changes = 0;
  for (chr::sys_days day = kFirst; day <= kLast; ++day) {
    const auto c = Civil(day);
    const LunarDate lunar = calendar.GregorianToLunar(c.year, c.month, c.day);
    ASSERT_EQ(calendar.SexagenaryYear(c.year, c.month, c.day),
              ((lunar.year - 4) % 60) + 1)
        << Text(day);
    const int spring = calendar.SexagenaryYear(c.year, c.month, c.day,
                                               YearStart::kSpringBegins);
    if (previousSpring != 0 && spring != previousSpring) {
      ++changes;
      ASSERT_EQ(spring, previousSpring % 60 + 1) << Text(day);
      const auto term = calendar.SolarTermOn(c.year, c.month, c.day);
      ASSERT_TRUE(term.has_value() && term->term.name == "立春") << Text(day);
    }
    previousSpring = spring;
  }
  EXPECT_EQ(changes, 199);
}

TEST(SolarTermOnTest, DaysWithAndWithoutATerm) {
  const CnCalendar calendar;
  const auto spring = calendar.SolarTermOn(2024, 2, 4);
  ASSERT_TRUE(spring.has_value());
  EXPECT_EQ(spring->index, 2);
  EXPECT_EQ(spring->term.name, "立春");
  EXPECT_EQ(spring->term.instant, calendar.SolarTerms(2024)[2].instant);
  EXPECT_EQ(
      chr::floor<chr::minutes>(spring->term.instant + kChinaStandardTimeOffset),
      chr::sys_days{2024y / 2 / 4} + 16h + 27min)
      << "立春 2024 at 16:27, China Standard Time";
  EXPECT_FALSE(calendar.SolarTermOn(2024, 2, 5).has_value());
  const auto winter = calendar.SolarTermOn(2021, 12, 21);  // 冬至 at 23:59
  ASSERT_TRUE(winter.has_value());
  EXPECT_EQ(winter->term.name, "冬至");
  EXPECT_FALSE(calendar.SolarTermOn(2021, 12, 22).has_value());
}

// A date kept every year: the leap-month and missing-day rules.
TEST(AnniversaryTest, Rules) {
  const CnCalendar calendar;
  using enum LeapMonthRule;
  using enum MissingDayRule;
  const struct {
    int year, month, day;  // the date kept
    bool leap;
    int lunarYear;
    LeapMonthRule leapRule;
    MissingDayRule missing;
    std::optional<chr::year_month_day> expected;
    const char* why;
  } cases[] = {
      // Born 闰二月十五 of 2023 (5 April 2023).
      {2023, 2, 15, true, 2023, kLeapWhenPresent, kLastDay, 2023y / 4 / 5,
       "the year itself"},
      {2023, 2, 15, true, 2024, kLeapWhenPresent, kLastDay, 2024y / 3 / 24,
       "no 闰二月 in 2024: 二月十五"},
      {2023, 2, 15, true, 2024, kLeapOnly, kLastDay, std::nullopt,
       "leap only, and 2024 has none"},
      {2023, 2, 15, true, 2023, kOrdinaryMonth, kLastDay, 2023y / 3 / 6,
       "the ordinary 二月 even where the leap one is"},
      // Born 闰六月十五 of 1987 (9 August 1987); 2017 has a 闰六月 again.
      {1987, 6, 15, true, 2017, kLeapWhenPresent, kLastDay, 2017y / 8 / 6,
       "闰六月十五 of 2017"},
      {1987, 6, 15, true, 2017, kLeapOnly, kLastDay, 2017y / 8 / 6,
       "闰六月十五 of 2017"},
      // 腊月三十 of lunar 2023 (9 February 2024, 除夕); lunar 2024's 腊月 has
      // 29 days and ends on 28 January 2025, that year's 除夕.
      {2023, 12, 30, false, 2023, kLeapWhenPresent, kLastDay, 2024y / 2 / 9,
       "a 30-day 腊月"},
      {2023, 12, 30, false, 2024, kLeapWhenPresent, kLastDay, 2025y / 1 / 28,
       "a 29-day 腊月: its last day"},
      {2023, 12, 30, false, 2024, kLeapWhenPresent, kSkip, std::nullopt,
       "a 29-day 腊月: none"},
      // 春节 in years where recurrence expansions go wrong.
      {1954, 1, 1, false, 1954, kLeapWhenPresent, kLastDay, 1954y / 2 / 3,
       "春节 1954"},
      {2027, 1, 1, false, 2027, kLeapWhenPresent, kLastDay, 2027y / 2 / 6,
       "春节 2027"},
      {2030, 1, 1, false, 2030, kLeapWhenPresent, kLastDay, 2030y / 2 / 3,
       "春节 2030"},
      {1901, 1, 1, false, 1901, kLeapWhenPresent, kLastDay, 1901y / 2 / 19,
       "the first lunar year"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(calendar.Anniversary({c.year, c.month, c.day, c.leap},
                                   c.lunarYear, c.leapRule, c.missing),
              c.expected)
        << c.why;
  }
}

// Over every lunar year, a birthday on each day of each month, leap or
// not: the day found is that lunar date again, in the month the rule picks.
TEST(AnniversaryTest, EveryYearRoundTrips) {
  const CnCalendar calendar;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const bool hasLeap = HasLeapMonth(calendar, year, month);
      for (const bool leap : {false, true}) {
        for (const int day : {1, 15, 29, 30}) {
          for (const LeapMonthRule rule :
               {LeapMonthRule::kLeapWhenPresent, LeapMonthRule::kOrdinaryMonth,
                LeapMonthRule::kLeapOnly}) {
            const auto found =
                calendar.Anniversary({1900, month, day, leap}, year, rule);
            const bool wantLeap =
                leap && hasLeap && rule != LeapMonthRule::kOrdinaryMonth;
            if (leap && !hasLeap && rule == LeapMonthRule::kLeapOnly) {
              ASSERT_FALSE(found.has_value()) << year << " " << month;
              continue;
            }
            ASSERT_TRUE(found.has_value()) << year << " " << month;
            const auto c = Civil(chr::sys_days{*found});
            const LunarDate back = [&] {
              if (chr::sys_days{*found} <= kLast) {
                return calendar.GregorianToLunar(c.year, c.month, c.day);
              }
              // The last days of lunar 2100 lie in 2101: step back to 2100.
              return LunarDate{2100, 12, 0, false};
            }();
            if (back.day == 0) continue;
            const int length = calendar.LunarMonthDays(year, month, wantLeap);
            EXPECT_EQ(back,
                      (LunarDate{year, month, std::min(day, length), wantLeap}))
                << year << " " << month << " " << day;
          }
        }
      }
    }
  }
}

TEST(NamesTest, BothScripts) {
  using names::MonthStyle;
  const Script S = Script::kSimplified;
  const Script T = Script::kTraditional;
  const struct {
    std::string got;
    const char* expected;
  } cases[] = {
      {names::LunarMonth(1, false, MonthStyle::kGrid, S), "一月"},
      {names::LunarMonth(11, false, MonthStyle::kGrid, S), "十一月"},
      {names::LunarMonth(12, false, MonthStyle::kGrid, T), "十二月"},
      {names::LunarMonth(4, true, MonthStyle::kGrid, S), "闰四月"},
      {names::LunarMonth(1, false, MonthStyle::kFull, S), "正月"},
      {names::LunarMonth(10, false, MonthStyle::kFull, S), "十月"},
      {names::LunarMonth(11, false, MonthStyle::kFull, S), "冬月"},
      {names::LunarMonth(12, false, MonthStyle::kFull, S), "腊月"},
      {names::LunarMonth(12, false, MonthStyle::kFull, T), "臘月"},
      {names::LunarMonth(4, true, MonthStyle::kFull, T), "閏四月"},
      {std::string{names::LunarDay(1)}, "初一"},
      {std::string{names::LunarDay(10)}, "初十"},
      {std::string{names::LunarDay(11)}, "十一"},
      {std::string{names::LunarDay(20)}, "二十"},
      {std::string{names::LunarDay(21)}, "廿一"},
      {std::string{names::LunarDay(30)}, "三十"},
      {names::LunarMonthDay({2024, 1, 1, false}), "正月初一"},
      {names::LunarMonthDay({2020, 4, 15, true}), "闰四月十五"},
      {names::LunarMonthDay({2020, 12, 30, false}, T), "臘月三十"},
      {std::string{names::Zodiac(4)}, "龙"},
      {std::string{names::Zodiac(4, T)}, "龍"},
      {std::string{names::Zodiac(11, T)}, "豬"},
      {std::string{names::ZodiacOfCycle(41)}, "龙"},  // 甲辰
      {std::string{names::SolarTermName(4)}, "惊蛰"},
      {std::string{names::SolarTermName(4, T)}, "驚蟄"},
      {std::string{names::SolarTermName(7, T)}, "穀雨"},
      {std::string{names::SolarTermName(23)}, "冬至"},
      {std::string{names::Stem(9)}, "癸"},
      {std::string{names::Branch(0)}, "子"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
  for (int index = 1; index <= 60; ++index) {
    EXPECT_EQ(names::Sexagenary(index), CycleName(index)) << index;
  }
}

TEST(DateTextTest, WritesAndReads) {
  EXPECT_EQ(DateText(2024y / 2 / 10), "2024-02-10");
  EXPECT_EQ(DateText(1901y / 1 / 1), "1901-01-01");
  EXPECT_EQ(DateTimeText(chr::sys_days{2024y / 2 / 4} + 16h + 27min + 2s),
            "2024-02-04 16:27:02");
  EXPECT_EQ(ParseDateText("2024-02-10"), std::optional{2024y / 2 / 10});
  const auto notADay = ParseDateText("2023-02-29");
  ASSERT_TRUE(notADay.has_value());
  EXPECT_FALSE(notADay->ok());
  for (const char* bad :
       {"", "2024-2-10", "2024-02-1", "+024-02-10", "2024/02/10", "2024-02-10 ",
        " 2024-02-10", "20240210", "2024-0a-10", "２０２４-02-10"}) {
    EXPECT_FALSE(ParseDateText(bad).has_value()) << bad;
  }
}

TEST(WholeDayTest, ErrorsNameTheArgument) {
  const CnCalendar c;
  // Keeps an ordinary date of lunar 2000 in `lunarYear`.
  const auto keep = [&](int month, int day, int lunarYear) {
    c.Anniversary({2000, month, day, false}, lunarYear);
  };
  const testing::Refusal cases[] = {
      {[&] { c.SexagenaryDay(1901, 2, 18); }, "1901-02-18"},
      {[&] { c.SexagenaryDay(2101, 1, 1); }, "year 2101"},
      {[&] { c.SexagenaryDay(2023, 2, 29); }, "day 29"},
      {[&] { c.SexagenaryMonth(2024, 13, 1); }, "month 13"},
      {[&] { c.SexagenaryMonth(1901, 2, 18); }, "1901-02-18"},
      {[&] { c.SexagenaryMonth(chr::sys_days{2100y / 12 / 31} + 16h); },
       "year 2101"},
      {[&] { c.SexagenaryYear(2024, 0, 1, YearStart::kSpringBegins); },
       "month 0"},
      {[&] { c.SolarTermOn(2024, 4, 31); }, "day 31"},
      {[&] { keep(1, 1, 1900); }, "lunarYear 1900"},
      {[&] { keep(1, 1, 2101); }, "lunarYear 2101"},
      {[&] { keep(13, 1, 2000); }, "month 13"},
      {[&] { keep(1, 31, 2000); }, "day 31"},
      {[&] { keep(1, 0, 2000); }, "day 0"},
      {[] { names::LunarDay(31); }, "31"},
      {[] { names::LunarMonth(0, false, names::MonthStyle::kFull); }, "0"},
      {[] { names::Sexagenary(61); }, "61"},
      {[] { names::SolarTermName(24); }, "24"},
      {[] { names::Zodiac(-1); }, "-1"},
  };
  testing::ExpectRefusals(cases);
}

}  // namespace
}  // namespace quillet
