// The lunar calendar component through its five operations.
#include "lunar/cn_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/served_days.h"

namespace quillet {

void PrintTo(const LunarDate& date, std::ostream* out) {
  *out << date.year << "-" << date.month << (date.isLeapMonth ? "(leap)" : "")
       << "-" << date.day;
}

namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;
using testing::HasLeapMonth;
using testing::LunarOf;
using testing::Text;

constexpr std::array<const char*, 24> kSolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

LunarDate NextMonth(const CnCalendar& calendar, const LunarDate& date) {
  if (!date.isLeapMonth && date.month < 12 &&
      HasLeapMonth(calendar, date.year, date.month)) {
    return {date.year, date.month, 1, true};
  }
  if (date.month == 12) return {date.year + 1, 1, 1, false};
  return {date.year, date.month + 1, 1, false};
}

constexpr chr::sys_days kFirstDay{1901y / 2 / 19};  // new year of 1901
constexpr chr::sys_days kLastDay{2100y / 12 / 31};

// Every served day: the next day is the next lunar day or day 1 of the next
// month; month lengths agree with LunarMonthDays; every lunar year has 12 or
// 13 months, at most one leap month, right after its namesake, and begins
// between 21 January and 20 February.
TEST(CnCalendarDailyTest, EveryDayFollowsTheDayBefore) {
  const CnCalendar calendar;
  LunarDate previous = LunarOf(calendar, kFirstDay);
  EXPECT_EQ(previous, (LunarDate{1901, 1, 1, false}));
  int monthsInYear = 0;  // months begun since month 1 of the year
  int leapMonthsInYear = 0;
  for (chr::sys_days day = kFirstDay + chr::days{1}; day <= kLastDay; ++day) {
    const LunarDate date = LunarOf(calendar, day);
    ASSERT_GE(date.day, 1);
    ASSERT_LE(date.day, 30);
    if (date.day != 1) {
      ASSERT_EQ(date, (LunarDate{previous.year, previous.month,
                                 previous.day + 1, previous.isLeapMonth}))
          << Text(day);
    } else {
      ASSERT_EQ(previous.day,
                calendar.LunarMonthDays(previous.year, previous.month,
                                        previous.isLeapMonth));
      ASSERT_EQ(date, NextMonth(calendar, previous)) << Text(day);
      ++monthsInYear;
      if (date.isLeapMonth) ++leapMonthsInYear;
      if (date.year != previous.year) {
        const chr::year_month_day newYear{day};
        EXPECT_EQ(static_cast<int>(newYear.year()), date.year);
        EXPECT_GE(newYear.month() / newYear.day(), chr::January / 21);
        EXPECT_LE(newYear.month() / newYear.day(), chr::February / 20);
        EXPECT_TRUE(monthsInYear == 12 + leapMonthsInYear &&
                    leapMonthsInYear <= 1)
            << date.year - 1;
        monthsInYear = leapMonthsInYear = 0;
      }
    }
    previous = date;
  }
  EXPECT_EQ(previous.year, kLastLunarYear);
}

// Both directions agree on every served day, and LunarToGregorian walks
// every date of every lunar year 1901 .. 2100 one day at a time, through the
// months of 2100 that reach into 2101.
TEST(CnCalendarDailyTest, LunarToGregorianInvertsGregorianToLunar) {
  const CnCalendar calendar;
  for (chr::sys_days day = kFirstDay; day <= kLastDay; ++day) {
    const LunarDate date = LunarOf(calendar, day);
    ASSERT_EQ(chr::sys_days{calendar.LunarToGregorian(
                  date.year, date.month, date.day, date.isLeapMonth)},
              day)
        << Text(day);
  }
  chr::sys_days expected = kFirstDay;
  for (LunarDate month{kFirstLunarYear, 1, 1, false};
       month.year <= kLastLunarYear; month = NextMonth(calendar, month)) {
    const int length =
        calendar.LunarMonthDays(month.year, month.month, month.isLeapMonth);
    for (int day = 1; day <= length; ++day) {
      ASSERT_EQ(chr::sys_days{calendar.LunarToGregorian(
                    month.year, month.month, day, month.isLeapMonth)},
                expected)
          << month.year << "-" << month.month << "-" << day;
      ++expected;
    }
  }
}

// Every lunar month of 1901 .. 2100 has 29 or 30 days, and a year has 353 to
// 355 days, or 383 to 385 with a leap month.
TEST(CnCalendarDailyTest, MonthAndYearLengths) {
  const CnCalendar calendar;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    int days = 0;
    int leapMonths = 0;
    for (int month = 1; month <= 12; ++month) {
      for (bool leap : {false, true}) {
        if (leap && !HasLeapMonth(calendar, year, month)) continue;
        const int length = calendar.LunarMonthDays(year, month, leap);
        EXPECT_TRUE(length == 29 || length == 30) << year << "-" << month;
        days += length;
        leapMonths += leap ? 1 : 0;
      }
    }
    ASSERT_LE(leapMonths, 1) << year;
    EXPECT_GE(days, leapMonths ? 383 : 353) << year;
    EXPECT_LE(days, leapMonths ? 385 : 355) << year;
  }
}

// Notes over every served day: 除夕 exactly on the eve of each new year; each
// solar term's name at most once a Gregorian year, in order, about 15 days
// apart, on the day (UTC+8) of the instant SolarTerms gives, and missing only
// where 除夕 or the first three days of the year take the day.
TEST(CnCalendarDailyTest, NotesMarkNewYearsEveAndSolarTerms) {
  const CnCalendar calendar;
  std::map<chr::sys_days, std::string> termDays;
  for (int year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
    for (const SolarTerm& term : calendar.SolarTerms(year)) {
      termDays[chr::floor<chr::days>(term.instant + 8h)] = term.name;
    }
  }
  std::vector<int> termsSeen;
  std::optional<chr::sys_days> lastTermDay;
  int year = 1901;
  for (chr::sys_days day = kFirstDay; day <= kLastDay; ++day) {
    const LunarDate date = LunarOf(calendar, day);
    const std::string note = calendar.LunarDateNote(date.year, date.month,
                                                    date.day, date.isLeapMonth);
    const bool isEve = day < kLastDay &&
                       LunarOf(calendar, day + chr::days{1}).year != date.year;
    EXPECT_EQ(note == "除夕", isEve) << Text(day);
    if (static_cast<int>(chr::year_month_day{day}.year()) != year) {
      if (year > 1901) {  // 1901 is seen from 19 February only
        EXPECT_GE(termsSeen.size(), 22u) << year;
      }
      termsSeen.clear();
      ++year;
    }
    const auto term = termDays.find(day);
    const bool hidden =
        isEve || (date.month == 1 && !date.isLeapMonth && date.day <= 3);
    if (term != termDays.end() && !hidden) {
      EXPECT_EQ(note, term->second) << Text(day);
    } else if (!isEve) {
      EXPECT_EQ(note, "") << Text(day);
    }
    if (note.empty() || isEve) continue;
    const auto* name = std::ranges::find(kSolarTermNames, note);
    ASSERT_NE(name, kSolarTermNames.end()) << note;
    const int index = static_cast<int>(name - kSolarTermNames.begin());
    EXPECT_TRUE(termsSeen.empty() || termsSeen.back() < index) << note;
    termsSeen.push_back(index);
    if (lastTermDay) {
      const auto gap = (day - *lastTermDay).count();
      // 14 to 16 days apart, or two steps when the Spring Festival or the eve
      // hid the term between.
      EXPECT_TRUE((gap >= 14 && gap <= 16) || (gap >= 29 && gap <= 32)) << gap;
    }
    lastTermDay = day;
  }
}

struct GoldenDay {
  chr::year_month_day gregorian;
  LunarDate lunar;
  const char* note;
  const char* why;
};

// Facts from published calendars at the places where tables go wrong.
TEST(CnCalendarGoldenTest, PublishedDates) {
  const GoldenDay rows[] = {
      {1902y / 1 / 1, {1901, 11, 22, false}, "", "before the 1902 new year"},
      {1916y / 2 / 3, {1916, 1, 1, false}, "", "Beijing-meridian new year"},
      {1916y / 2 / 2, {1915, 12, 29, false}, "除夕", "its eve, a 29th"},
      {1914y / 11 / 17, {1914, 10, 1, false}, "", "Beijing-meridian month"},
      {1920y / 11 / 10, {1920, 10, 1, false}, "", "Beijing-meridian month"},
      {1933y / 7 / 23, {1933, 6, 1, false}, "大暑", "new moon 00:03 UTC+8"},
      {2018y / 11 / 8, {2018, 10, 1, false}, "", "new moon 00:02 UTC+8"},
      {2017y / 7 / 23, {2017, 6, 1, true}, "", "first day of leap 6"},
      {2017y / 8 / 21, {2017, 6, 30, true}, "", "last day of leap 6, a 30th"},
      {2017y / 8 / 22, {2017, 7, 1, false}, "", "the month after it"},
      {2020y / 5 / 23, {2020, 4, 1, true}, "", "first day of leap 4"},
      {2020y / 6 / 20, {2020, 4, 29, true}, "", "last day of leap 4"},
      {2020y / 6 / 21, {2020, 5, 1, false}, "夏至", "solstice on day 1"},
      {2023y / 1 / 22, {2023, 1, 1, false}, "", "new year of 2023"},
      {2023y / 3 / 22, {2023, 2, 1, true}, "", "first day of leap 2"},
      {2023y / 4 / 19, {2023, 2, 29, true}, "", "last day of leap 2"},
      {2024y / 2 / 9, {2023, 12, 30, false}, "除夕", "eve on a 30th"},
      {2024y / 2 / 10, {2024, 1, 1, false}, "", "new year of 2024"},
      {2025y / 1 / 28, {2024, 12, 29, false}, "除夕", "eve on a 29th"},
      {2015y / 2 / 19, {2015, 1, 1, false}, "", "雨水 hidden by new year"},
      {2034y / 1 / 1, {2033, 11, 11, true}, "", "2033: leap 11, not leap 7"},
      {2034y / 2 / 18, {2033, 12, 30, false}, "除夕", "eve of 2034"},
      {2034y / 2 / 19, {2034, 1, 1, false}, "", "new year of 2034"},
      {2041y / 2 / 3, {2041, 1, 3, false}, "", "立春 on new year's third day"},
      {2014y / 3 / 6, {2014, 2, 6, false}, "惊蛰", "term at 00:02 UTC+8"},
      {2021y / 12 / 21, {2021, 11, 18, false}, "冬至", "term at 23:59 UTC+8"},
      {2021y / 12 / 22, {2021, 11, 19, false}, "", "the day after"},
  };
  const CnCalendar calendar;
  for (const GoldenDay& row : rows) {
    SCOPED_TRACE(Text(chr::sys_days{row.gregorian}) + ": " + row.why);
    const LunarDate lunar = LunarOf(calendar, chr::sys_days{row.gregorian});
    EXPECT_EQ(lunar, row.lunar);
    EXPECT_EQ(calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                     lunar.isLeapMonth),
              row.note);
  }
}

// The new years of 2048 .. 2100 and the leap months among them, as the Hong
// Kong Observatory's Gregorian-Lunar Calendar Conversion Tables (1901-2100)
// publish them; every one of the 53 years is here.
TEST(CnCalendarGoldenTest, NewYearsAndLeapMonths2048To2100) {
  const struct {
    chr::year_month_day newYear;  // day 1 of the lunar year of that number
    int leapAfter;                // 0: none
  } rows[] = {
      {2048y / 2 / 14, 0}, {2049y / 2 / 2, 0},  {2050y / 1 / 23, 3},
      {2051y / 2 / 11, 0}, {2052y / 2 / 1, 8},  {2053y / 2 / 19, 0},
      {2054y / 2 / 8, 0},  {2055y / 1 / 28, 6}, {2056y / 2 / 15, 0},
      {2057y / 2 / 4, 0},  {2058y / 1 / 24, 4}, {2059y / 2 / 12, 0},
      {2060y / 2 / 2, 0},  {2061y / 1 / 21, 3}, {2062y / 2 / 9, 0},
      {2063y / 1 / 29, 7}, {2064y / 2 / 17, 0}, {2065y / 2 / 5, 0},
      {2066y / 1 / 26, 5}, {2067y / 2 / 14, 0}, {2068y / 2 / 3, 0},
      {2069y / 1 / 23, 4}, {2070y / 2 / 11, 0}, {2071y / 1 / 31, 8},
      {2072y / 2 / 19, 0}, {2073y / 2 / 7, 0},  {2074y / 1 / 27, 6},
      {2075y / 2 / 15, 0}, {2076y / 2 / 5, 0},  {2077y / 1 / 24, 4},
      {2078y / 2 / 12, 0}, {2079y / 2 / 2, 0},  {2080y / 1 / 22, 3},
      {2081y / 2 / 9, 0},  {2082y / 1 / 29, 7}, {2083y / 2 / 17, 0},
      {2084y / 2 / 6, 0},  {2085y / 1 / 26, 5}, {2086y / 2 / 14, 0},
      {2087y / 2 / 3, 0},  {2088y / 1 / 24, 4}, {2089y / 2 / 10, 0},
      {2090y / 1 / 30, 8}, {2091y / 2 / 18, 0}, {2092y / 2 / 7, 0},
      {2093y / 1 / 27, 6}, {2094y / 2 / 15, 0}, {2095y / 2 / 5, 0},
      {2096y / 1 / 25, 4}, {2097y / 2 / 12, 0}, {2098y / 2 / 1, 0},
      {2099y / 1 / 21, 2}, {2100y / 2 / 9, 0},
  };
  const CnCalendar calendar;
  for (const auto& row : rows) {
    const int year = static_cast<int>(row.newYear.year());
    SCOPED_TRACE(year);
    EXPECT_EQ(LunarOf(calendar, chr::sys_days{row.newYear}),
              (LunarDate{year, 1, 1, false}));
    EXPECT_EQ(LunarOf(calendar, chr::sys_days{row.newYear} - chr::days{1}).year,
              year - 1);
    EXPECT_EQ(calendar.LunarToGregorian(year, 1, 1, false), row.newYear);
    for (int month = 1; month <= 12; ++month) {
      EXPECT_EQ(HasLeapMonth(calendar, year, month), month == row.leapAfter)
          << month;
    }
  }
}

// Leap months of published calendars, and the months that have none.
TEST(CnCalendarGoldenTest, LeapMonths) {
  const struct {
    int year, leapAfter;
  } rows[] = {{1903, 5}, {1917, 2}, {1984, 10}, {2014, 9}, {2017, 6},
              {2020, 4}, {2023, 2}, {2033, 11}, {2047, 5}};
  const CnCalendar calendar;
  for (const auto& row : rows) {
    for (int month = 1; month <= 12; ++month) {
      EXPECT_EQ(HasLeapMonth(calendar, row.year, month), month == row.leapAfter)
          << row.year << " " << month;
    }
  }
}

// The animal follows the lunar year, in either script; simplified unless
// asked.
TEST(CnCalendarNamesTest, ZodiacInBothScripts) {
  const CnCalendar calendar;
  const struct {
    int year;
    const char *simplified, *traditional;
  } animals[] = {{1901, "牛", "牛"}, {1984, "鼠", "鼠"}, {2023, "兔", "兔"},
                 {2024, "龙", "龍"}, {2026, "马", "馬"}, {2029, "鸡", "雞"},
                 {2031, "猪", "豬"}, {2033, "牛", "牛"}, {2047, "兔", "兔"},
                 {2100, "猴", "猴"}};
  for (const auto& row : animals) {
    SCOPED_TRACE(row.year);
    EXPECT_EQ(calendar.ZodiacAnimal(row.year), row.simplified);
    EXPECT_EQ(calendar.ZodiacAnimal(row.year, Script::kSimplified),
              row.simplified);
    EXPECT_EQ(calendar.ZodiacAnimal(row.year, Script::kTraditional),
              row.traditional);
  }
}

// The notes of 2024 on their published days, in both scripts.
TEST(CnCalendarNamesTest, NotesInBothScripts) {
  const CnCalendar calendar;
  const struct {
    chr::year_month_day day;
    const char *simplified, *traditional;
  } notes[] = {
      {2024y / 3 / 5, "惊蛰", "驚蟄"},  {2024y / 4 / 19, "谷雨", "穀雨"},
      {2024y / 5 / 20, "小满", "小滿"}, {2024y / 6 / 5, "芒种", "芒種"},
      {2024y / 8 / 22, "处暑", "處暑"}, {2024y / 9 / 7, "白露", "白露"},
      {2024y / 10 / 8, "寒露", "寒露"}, {2024y / 10 / 23, "霜降", "霜降"},
      {2024y / 11 / 7, "立冬", "立冬"}, {2024y / 12 / 21, "冬至", "冬至"},
      {2025y / 1 / 28, "除夕", "除夕"}, {2024y / 3 / 1, "", ""},
  };
  for (const auto& row : notes) {
    const LunarDate d = LunarOf(calendar, chr::sys_days{row.day});
    EXPECT_EQ(calendar.LunarDateNote(d.year, d.month, d.day, d.isLeapMonth),
              row.simplified);
    EXPECT_EQ(calendar.LunarDateNote(d.year, d.month, d.day, d.isLeapMonth,
                                     Script::kTraditional),
              row.traditional)
        << row.simplified;
  }
}

// Every term's note in the traditional script, on its day of 2061, a year
// whose new year hides none of them.
TEST(CnCalendarNamesTest, EveryTermInTraditionalScript) {
  constexpr std::array<const char*, 24> kTraditional = {
      "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨",
      "立夏", "小滿", "芒種", "夏至", "小暑", "大暑", "立秋", "處暑",
      "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
  const CnCalendar calendar;
  const auto terms = calendar.SolarTerms(2061);
  for (std::size_t k = 0; k < terms.size(); ++k) {
    const LunarDate d =
        LunarOf(calendar, chr::floor<chr::days>(terms[k].instant + 8h));
    EXPECT_EQ(calendar.LunarDateNote(d.year, d.month, d.day, d.isLeapMonth,
                                     Script::kTraditional),
              kTraditional[k]);
    EXPECT_EQ(terms[k].name, kSolarTermNames[k]);
    const int term = static_cast<int>(k);
    EXPECT_EQ(calendar.SolarTermName(term, Script::kTraditional),
              kTraditional[k]);
    EXPECT_EQ(calendar.SolarTermName(term), kSolarTermNames[k]);
  }
}

TEST(CnCalendarNamesTest, SexagenaryCycle) {
  const struct {
    int index;
    const char* name;
  } rows[] = {{1, "甲子"},  {2, "乙丑"},  {11, "甲戌"}, {13, "丙子"},
              {38, "辛丑"}, {41, "甲辰"}, {59, "壬戌"}, {60, "癸亥"}};
  const CnCalendar calendar;
  for (const auto& row : rows) {
    EXPECT_EQ(calendar.SexagenaryName(row.index), row.name) << row.index;
  }
}

// Equinoxes and solstices as the US Naval Observatory publishes them, in UT
// to the minute; the tables hold them to the second.
TEST(CnCalendarSolarTermsTest, MatchPublishedInstants) {
  const struct {
    int year;
    std::size_t term;  // 5 春分, 11 夏至, 17 秋分, 23 冬至
    chr::sys_days day;
    int hour, minute;
  } rows[] = {
      {2000, 5, 2000y / 3 / 20, 7, 35},    {2000, 11, 2000y / 6 / 21, 1, 48},
      {2000, 17, 2000y / 9 / 22, 17, 27},  {2000, 23, 2000y / 12 / 21, 13, 37},
      {2021, 23, 2021y / 12 / 21, 15, 59}, {2024, 5, 2024y / 3 / 20, 3, 6},
      {2024, 11, 2024y / 6 / 20, 20, 51},  {2024, 17, 2024y / 9 / 22, 12, 44},
      {2024, 23, 2024y / 12 / 21, 9, 20},
  };
  const CnCalendar calendar;
  for (const auto& row : rows) {
    const SolarTerm term = calendar.SolarTerms(row.year)[row.term];
    const chr::sys_seconds published =
        row.day + chr::hours{row.hour} + chr::minutes{row.minute};
    EXPECT_LE(chr::abs(term.instant - published), 90s)
        << row.year << " " << term.name;
  }
}

// Every year's terms come in order, 小寒 first, each about 15.2 days after
// the last (14.7 to 15.8 days, the Sun being fastest in January), term k in
// month k / 2 + 1 of its year; 冬至 leads to the next year's 小寒.
TEST(CnCalendarSolarTermsTest, InOrderEveryYear) {
  const CnCalendar calendar;
  std::optional<chr::sys_seconds> previous;
  for (int year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
    const auto terms = calendar.SolarTerms(year);
    for (std::size_t k = 0; k < terms.size(); ++k) {
      EXPECT_EQ(terms[k].name, kSolarTermNames[k]);
      const chr::year_month_day day{
          chr::floor<chr::days>(terms[k].instant + 8h)};
      EXPECT_EQ(day.year(), chr::year{year});
      EXPECT_EQ(static_cast<unsigned>(day.month()), k / 2 + 1) << year;
      if (previous) {
        const auto gap = terms[k].instant - *previous;
        EXPECT_GT(gap, 14 * 24h + 16h) << year << " " << terms[k].name;
        EXPECT_LT(gap, 15 * 24h + 20h) << year << " " << terms[k].name;
      }
      previous = terms[k].instant;
    }
  }
}

// The months whose first day hangs on a new moon within a minute or two of
// midnight are the three that the Hong Kong Observatory's conversion tables
// warn may be a day out: the new moons of 28 September 2057, 4 September 2089
// and 7 August 2097 (UTC+8). Each begins on the day warned of or the next.
TEST(CnCalendarUncertainTest, OnlyThePublishedThreeMonths) {
  const CnCalendar calendar;
  std::vector<chr::sys_days> uncertain;
  for (LunarDate month{kFirstLunarYear, 1, 1, false};
       month.year <= kLastLunarYear; month = NextMonth(calendar, month)) {
    if (calendar.MonthStartUncertain(month.year, month.month,
                                     month.isLeapMonth)) {
      uncertain.push_back(chr::sys_days{calendar.LunarToGregorian(
          month.year, month.month, 1, month.isLeapMonth)});
    }
  }
  const chr::sys_days warned[] = {2057y / 9 / 28, 2089y / 9 / 4, 2097y / 8 / 7};
  ASSERT_EQ(uncertain.size(), std::size(warned));
  for (std::size_t i = 0; i < uncertain.size(); ++i) {
    EXPECT_TRUE(uncertain[i] == warned[i] ||
                uncertain[i] == warned[i] + chr::days{1})
        << Text(uncertain[i]);
  }
  EXPECT_FALSE(calendar.MonthStartUncertain(2018, 10, false));  // 00:02
}

// Each rejected argument throws, naming the argument in the message.
TEST(CnCalendarErrorsTest, RejectsArgumentsOutsideTheRange) {
  const CnCalendar c;
  const struct {
    std::function<void()> call;
    bool outOfRange;  // else std::invalid_argument
    const char* named;
  } rows[] = {
      {[&] { c.GregorianToLunar(1901, 2, 18); }, true, "date 1901-02-18"},
      {[&] { c.GregorianToLunar(1901, 1, 1); }, true, "date 1901-01-01"},
      {[&] { c.GregorianToLunar(1900, 12, 31); }, true, "year 1900"},
      {[&] { c.GregorianToLunar(2101, 1, 1); }, true, "year 2101"},
      {[&] { c.GregorianToLunar(2024, 13, 1); }, true, "month 13"},
      {[&] { c.GregorianToLunar(2024, 0, 1); }, true, "month 0"},
      {[&] { c.GregorianToLunar(2023, 2, 29); }, true, "day 29"},
      {[&] { c.GregorianToLunar(2024, 4, 0); }, true, "day 0"},
      {[&] { c.LunarMonthDays(1900, 1, false); }, true, "year 1900"},
      {[&] { c.LunarMonthDays(2024, 13, false); }, true, "month 13"},
      {[&] { c.LunarMonthDays(2024, 5, true); }, false, "isLeapMonth"},
      {[&] { c.LunarDateNote(2024, 12, 30, false); }, true, "day 30"},
      {[&] { c.LunarDateNote(2023, 3, 1, true); }, false, "isLeapMonth"},
      {[&] { c.LunarDateNote(2101, 1, 1, false); }, true, "year 2101"},
      {[&] { c.LunarMonthDays(2101, 1, false); }, true, "year 2101"},
      {[&] { c.ZodiacAnimal(1900); }, true, "year 1900"},
      {[&] { c.ZodiacAnimal(2101, Script::kTraditional); }, true, "year 2101"},
      {[&] { c.LunarToGregorian(1900, 12, 1, false); }, true, "year 1900"},
      {[&] { c.LunarToGregorian(2101, 1, 1, false); }, true, "year 2101"},
      {[&] { c.LunarToGregorian(2024, 0, 1, false); }, true, "month 0"},
      {[&] { c.LunarToGregorian(2024, 13, 1, false); }, true, "month 13"},
      {[&] { c.LunarToGregorian(2024, 1, 0, false); }, true, "day 0"},
      {[&] { c.LunarToGregorian(2024, 12, 30, false); }, true, "day 30"},
      {[&] { c.LunarToGregorian(2023, 2, 30, true); }, true, "day 30"},
      {[&] { c.LunarToGregorian(2024, 5, 1, true); }, false, "isLeapMonth"},
      {[&] { c.LunarToGregorian(2099, 3, 1, true); }, false, "isLeapMonth"},
      {[&] { c.SolarTerms(1900); }, true, "gregorianYear 1900"},
      {[&] { c.SolarTerms(2101); }, true, "gregorianYear 2101"},
      {[&] { c.SolarTermName(-1); }, true, "term -1"},
      {[&] { c.SolarTermName(24, Script::kTraditional); }, true, "term 24"},
      {[&] { c.MonthStartUncertain(2057, 13, false); }, true, "month 13"},
      {[&] { c.MonthStartUncertain(2057, 9, true); }, false, "isLeapMonth"},
      {[&] { c.SexagenaryName(0); }, true, "index 0"},
      {[&] { c.SexagenaryName(61); }, true, "index 61"},
  };
  for (const auto& row : rows) {
    try {
      row.call();
      ADD_FAILURE() << "no exception for " << row.named;
    } catch (const std::out_of_range& e) {
      EXPECT_TRUE(row.outOfRange) << row.named;
      EXPECT_NE(std::string{e.what()}.find(row.named), std::string::npos)
          << e.what();
    } catch (const std::invalid_argument& e) {
      EXPECT_FALSE(row.outOfRange) << row.named;
      EXPECT_NE(std::string{e.what()}.find(row.named), std::string::npos)
          << e.what();
    }
  }
}

}  // namespace
}  // namespace quillet
