// The lunar calendar component through its five operations.
#include "lunar/cn_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
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
using testing::LunarOf;
using testing::Text;

constexpr std::array<const char*, 24> kSolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

LunarDate NextMonth(const CnCalendar& calendar, const LunarDate& date) {
  const bool leapFollows = !date.isLeapMonth && date.month < 12 && [&] {
    try {
      calendar.LunarMonthDays(date.year, date.month, true);
      return true;
    } catch (const std::invalid_argument&) {
      return false;
    }
  }();
  if (leapFollows) return {date.year, date.month, 1, true};
  if (date.month == 12) return {date.year + 1, 1, 1, false};
  return {date.year, date.month + 1, 1, false};
}

// Every served day: the next day is the next lunar day or day 1 of the next
// month; month lengths agree with LunarMonthDays; every lunar year has 12 or
// 13 months, at most one leap month, right after its namesake, and begins
// between 21 January and 20 February.
TEST(CnCalendarDailyTest, EveryDayFollowsTheDayBefore) {
  const CnCalendar calendar;
  const chr::sys_days first{1902y / 1 / 1};
  const chr::sys_days last{2047y / 12 / 31};
  LunarDate previous = LunarOf(calendar, first);
  EXPECT_EQ(previous.year, 1901);
  int monthsInYear = 0;
  int leapMonthsInYear = 0;
  for (chr::sys_days day = first + chr::days{1}; day <= last; ++day) {
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
        if (date.year > 1902) {  // the first whole year seen is 1902
          EXPECT_TRUE(monthsInYear == 12 + leapMonthsInYear &&
                      leapMonthsInYear <= 1)
              << date.year - 1;
        }
        monthsInYear = leapMonthsInYear = 0;
      }
    }
    previous = date;
  }
  EXPECT_EQ(previous.year, kLastLunarYear);
}

// Every lunar month of 1901 .. 2047 has 29 or 30 days, and a year has 353 to
// 355 days, or 383 to 385 with a leap month.
TEST(CnCalendarDailyTest, MonthAndYearLengths) {
  const CnCalendar calendar;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    int days = 0;
    int leapMonths = 0;
    for (int month = 1; month <= 12; ++month) {
      for (bool leap : {false, true}) {
        int length = 0;
        try {
          length = calendar.LunarMonthDays(year, month, leap);
        } catch (const std::invalid_argument&) {
          ASSERT_TRUE(leap);
          continue;
        }
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
// apart, and missing only where 除夕 or the first three days of the year take
// the day.
TEST(CnCalendarDailyTest, NotesMarkNewYearsEveAndSolarTerms) {
  const CnCalendar calendar;
  std::vector<int> termsSeen;
  std::optional<chr::sys_days> lastTermDay;
  int year = 1902;
  const chr::sys_days last{2047y / 12 / 31};
  for (chr::sys_days day{1902y / 1 / 1}; day <= last; ++day) {
    const LunarDate date = LunarOf(calendar, day);
    const std::string note = calendar.LunarDateNote(date.year, date.month,
                                                    date.day, date.isLeapMonth);
    const bool isEve =
        day < last && LunarOf(calendar, day + chr::days{1}).year != date.year;
    EXPECT_EQ(note == "除夕", isEve) << Text(day);
    if (static_cast<int>(chr::year_month_day{day}.year()) != year) {
      EXPECT_GE(termsSeen.size(), 22u) << year;
      termsSeen.clear();
      ++year;
    }
    if (note.empty() || isEve) continue;
    const auto* term = std::ranges::find(kSolarTermNames, note);
    ASSERT_NE(term, kSolarTermNames.end()) << note;
    const int index = static_cast<int>(term - kSolarTermNames.begin());
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
    const LunarDate lunar = LunarOf(calendar, chr::sys_days{row.gregorian});
    EXPECT_EQ(lunar, row.lunar)
        << Text(chr::sys_days{row.gregorian}) << ": " << row.why;
    EXPECT_EQ(calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                     lunar.isLeapMonth),
              row.note)
        << Text(chr::sys_days{row.gregorian}) << ": " << row.why;
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
      if (month == row.leapAfter) {
        EXPECT_NO_THROW(calendar.LunarMonthDays(row.year, month, true));
      } else {
        EXPECT_THROW(calendar.LunarMonthDays(row.year, month, true),
                     std::invalid_argument)
            << row.year << " " << month;
      }
    }
  }
}

TEST(CnCalendarNamesTest, ZodiacFollowsTheLunarYear) {
  const struct {
    int year;
    const char* animal;
  } rows[] = {{1901, "牛"}, {1984, "鼠"}, {2023, "兔"},
              {2024, "龙"}, {2031, "猪"}, {2047, "兔"}};
  const CnCalendar calendar;
  for (const auto& row : rows) {
    EXPECT_EQ(calendar.ZodiacAnimal(row.year), row.animal) << row.year;
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

// Each rejected argument throws, naming the argument in the message.
TEST(CnCalendarErrorsTest, RejectsArgumentsOutsideTheRange) {
  const CnCalendar c;
  const struct {
    std::function<void()> call;
    bool outOfRange;  // else std::invalid_argument
    const char* named;
  } rows[] = {
      {[&] { c.GregorianToLunar(1901, 12, 31); }, true, "year 1901"},
      {[&] { c.GregorianToLunar(2048, 1, 1); }, true, "year 2048"},
      {[&] { c.GregorianToLunar(2024, 13, 1); }, true, "month 13"},
      {[&] { c.GregorianToLunar(2024, 0, 1); }, true, "month 0"},
      {[&] { c.GregorianToLunar(2023, 2, 29); }, true, "day 29"},
      {[&] { c.GregorianToLunar(2024, 4, 0); }, true, "day 0"},
      {[&] { c.LunarMonthDays(1900, 1, false); }, true, "year 1900"},
      {[&] { c.LunarMonthDays(2024, 13, false); }, true, "month 13"},
      {[&] { c.LunarMonthDays(2024, 5, true); }, false, "isLeapMonth"},
      {[&] { c.LunarDateNote(2024, 12, 30, false); }, true, "day 30"},
      {[&] { c.LunarDateNote(2023, 3, 1, true); }, false, "isLeapMonth"},
      {[&] { c.LunarDateNote(2048, 1, 1, false); }, true, "year 2048"},
      {[&] { c.ZodiacAnimal(1900); }, true, "year 1900"},
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
