// The lunar calendar component: Chinese calendar dates in both directions,
// month lengths, notes (solar terms, New Year's Eve), the instants of the solar
// terms, the stem-branch names of year, month and day, and the days lunar
// anniversaries recur on, answered from compact tables that
// tools/lunar_tablegen derives from astronomy. The names themselves live in
// lunar_names.h.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

namespace quillet {

struct LunarDate {
  int year;   // the Gregorian year in which this lunar year begins
  int month;  // 1..12; a leap month carries the number of the month it follows
  int day;    // 1..30
  bool isLeapMonth;
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The script of the texts: simplified (龙, 惊蛰, 腊月) or traditional (龍,
// 驚蟄, 臘月).
enum class Script { kSimplified, kTraditional };

struct SolarTerm {
  std::string name;                  // simplified, e.g. "清明"
  std::chrono::sys_seconds instant;  // UTC, to the second
};

// A solar term that falls on a given day: its place in the year's order
// (0 小寒 .. 23 冬至) and the term.
struct SolarTermOnDay {
  int index;
  SolarTerm term;
};

// The calendar's days and months begin at midnight in China Standard Time,
// UTC+8: the meridian of 120°E on which the calendar has been reckoned since
// its reform of 1929 (before that, Beijing's local time, UTC+7:46, was used;
// the tables keep to UTC+8 throughout, as the published calendars for the
// whole range do). Instants here are UTC; add this to read them in UTC+8.
inline constexpr std::chrono::hours kChinaStandardTimeOffset{8};

// Where the stem-branch year begins. The national standard for the lunar
// calendar, and the title line, count it from 正月初一 (the lunar new year);
// the month's stem and the horoscopes count it from 立春, the solar year's
// start. The zodiac animal of a day follows the same choice (the animal of
// the cycle place, names::ZodiacOfCycle).
enum class YearStart { kLunarNewYear, kSpringBegins };

// How a lunar date is kept in another lunar year (a lunar birthday, a
// memorial day), where that year does not have it as it stands.
//
// A date in a leap month: kLeapWhenPresent takes the leap month of that
// number where the year has one, else the ordinary month of that number (the
// common custom); kOrdinaryMonth always takes the ordinary month; kLeapOnly
// keeps it only in the years that have that leap month.
enum class LeapMonthRule { kLeapWhenPresent, kOrdinaryMonth, kLeapOnly };
// Day 30 in a year whose month of that number has 29 days: kLastDay takes
// the 29th, the month's last day (the common custom, as 除夕 is kept on the
// last day); kSkip gives no occurrence that year.
enum class MissingDayRule { kLastDay, kSkip };

// Gregorian days kFirstServedDay .. kLastServedDay are served: from the new
// year of lunar year 1901 to the end of 2100, the range over which the
// tables were derived and checked. They fall in the lunar years 1901 .. 2100,
// every date of which the lunar operations accept (the last months of lunar
// year 2100 run into 2101). SolarTerms takes the Gregorian years
// 1901 .. 2100. Every operation that takes a Gregorian day takes exactly the
// served days. Arguments outside these ranges (and days a month does not
// have) throw std::out_of_range naming the argument; isLeapMonth for a month
// that has no leap month throws std::invalid_argument.
inline constexpr std::chrono::year_month_day kFirstServedDay{
    std::chrono::year{1901}, std::chrono::February, std::chrono::day{19}};
inline constexpr std::chrono::year_month_day kLastServedDay{
    std::chrono::year{2100}, std::chrono::December, std::chrono::day{31}};
// The first and last Gregorian years served whole.
inline constexpr int kFirstGregorianYear = 1902;
inline constexpr int kLastGregorianYear = 2100;
inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2100;
inline constexpr int kFirstSolarTermYear = 1901;
inline constexpr int kLastSolarTermYear = 2100;

class CnCalendar {
 public:
  LunarDate GregorianToLunar(int year, int month, int day) const;
  // The Gregorian day of a lunar date; throws for a date the lunar year does
  // not have.
  std::chrono::year_month_day LunarToGregorian(int year, int month, int day,
                                               bool isLeapMonth) const;
  // 29 or 30.
  int LunarMonthDays(int year, int month, bool isLeapMonth) const;
  // "除夕", a solar term's name, or "" when the date carries no note.
  std::string LunarDateNote(int year, int month, int day, bool isLeapMonth,
                            Script script = Script::kSimplified) const;
  // e.g. "龙" (traditional "龍") for 2024.
  std::string ZodiacAnimal(int year, Script script = Script::kSimplified) const;
  // index 1..60, 1 being 甲子 (names::Sexagenary).
  std::string SexagenaryName(int index) const;
  // The 24 solar terms of a Gregorian year in order, 小寒 first.
  std::array<SolarTerm, 24> SolarTerms(int gregorianYear) const;
  // The name of solar term 0..23 in SolarTerms' order (0 小寒, 23 冬至).
  std::string SolarTermName(int term,
                            Script script = Script::kSimplified) const;
  // The day's place 1..60 in the sexagenary cycle of days, 1 being 甲子.
  // The cycle of days has run unbroken through every calendar reform:
  // 1949-10-01 was a 甲子 day. Days run from midnight, UTC+8 (the custom that
  // a day begins at 23:00, 子初, is not applied).
  int SexagenaryDay(int year, int month, int day) const;
  // The stem-branch month 1..60 of a Gregorian day. The branch changes on the
  // day (UTC+8) that holds one of the twelve 节 (立春 begins 寅, 惊蛰 卯 …
  // 大雪 子, 小寒 丑), not at the lunar month, and the stem follows the stem
  // of the year that begins at 立春: 甲 and 己 years begin with 丙寅, 乙 and 庚
  // with 戊寅, 丙 and 辛 with 庚寅, 丁 and 壬 with 壬寅, 戊 and 癸 with 甲寅.
  // 2008-12-07, the day of 大雪, began a 甲子 month.
  int SexagenaryMonth(int year, int month, int day) const;
  // The same at an instant (UTC), changing at the instant of the 节 itself.
  // Its day, in UTC+8, must be served.
  int SexagenaryMonth(std::chrono::sys_seconds instant) const;
  // The stem-branch year 1..60 of a Gregorian day, counted from 正月初一 (the
  // default) or from 立春.
  int SexagenaryYear(int year, int month, int day,
                     YearStart start = YearStart::kLunarNewYear) const;

  // The solar term whose instant falls on the Gregorian day, in UTC+8.
  std::optional<SolarTermOnDay> SolarTermOn(int year, int month, int day) const;

  // The Gregorian day on which the lunar date `date` recurs in lunar year
  // `lunarYear` (1901 .. 2100), or std::nullopt where the rules give none.
  // Only the month, the day and the leap flag of `date` count, so the date
  // of a birth gives its anniversaries in every year. `date.day` of 30 in a
  // month that has 29 days that year follows `missing`; a leap-month date in
  // a year without that leap month follows `leap` (see the rules above). The
  // last months of lunar year 2100 run into 2101, and so may the answer.
  std::optional<std::chrono::year_month_day> Anniversary(
      const LunarDate& date, int lunarYear,
      LeapMonthRule leap = LeapMonthRule::kLeapWhenPresent,
      MissingDayRule missing = MissingDayRule::kLastDay) const;

  // Whether the month's first day hangs on a new moon so near midnight
  // (UTC+8) that the uncertainty of the computation, mostly that of the
  // Earth's rotation decades ahead, could move it to the other day: within
  // 30 s of midnight up to 2025, and 2 s more for every year after. Only
  // three months of the range are: those starting 2057-09-28, 2089-09-04 and
  // 2097-08-07 (see README).
  bool MonthStartUncertain(int year, int month, bool isLeapMonth) const;
};

}  // namespace quillet
