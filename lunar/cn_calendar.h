// The lunar calendar component: Chinese calendar dates in both directions,
// month lengths, notes (solar terms, New Year's Eve), the instants of the solar
// terms and the names of lunar years, answered from compact tables that
// tools/lunar_tablegen derives from astronomy.
#pragma once

#include <array>
#include <chrono>
#include <string>

namespace quillet {

struct LunarDate {
  int year;   // the Gregorian year in which this lunar year begins
  int month;  // 1..12; a leap month carries the number of the month it follows
  int day;    // 1..30
  bool isLeapMonth;
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The script of the texts: simplified (龙, 惊蛰) or traditional (龍, 驚蟄).
enum class Script { kSimplified, kTraditional };

struct SolarTerm {
  std::string name;                  // simplified, e.g. "清明"
  std::chrono::sys_seconds instant;  // UTC, to the second
};

// Gregorian days kFirstServedDay .. kLastServedDay are served: from the new
// year of lunar year 1901 to the end of 2100. They fall in the lunar years
// 1901 .. 2100, every date of which the lunar operations accept (the last
// months of lunar year 2100 run into 2101). SolarTerms takes the Gregorian
// years 1901 .. 2100. Arguments outside these ranges (and days a month does
// not have) throw std::out_of_range naming the argument; isLeapMonth for a
// month that has no leap month throws std::invalid_argument.
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
  // index 1..60, 1 being 甲子.
  std::string SexagenaryName(int index) const;
  // The 24 solar terms of a Gregorian year in order, 小寒 first.
  std::array<SolarTerm, 24> SolarTerms(int gregorianYear) const;
  // The name of solar term 0..23 in SolarTerms' order (0 小寒, 23 冬至).
  std::string SolarTermName(int term,
                            Script script = Script::kSimplified) const;
  // Whether the month's first day hangs on a new moon so near midnight
  // (UTC+8) that the uncertainty of the computation, mostly that of the
  // Earth's rotation decades ahead, could move it to the other day: within
  // 30 s of midnight up to 2025, and 2 s more for every year after. Only
  // three months of the range are: those starting 2057-09-28, 2089-09-04 and
  // 2097-08-07 (see README).
  bool MonthStartUncertain(int year, int month, bool isLeapMonth) const;
};

}  // namespace quillet
