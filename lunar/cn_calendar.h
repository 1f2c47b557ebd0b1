// The lunar calendar component: Chinese calendar dates, month lengths, notes
// (solar terms, New Year's Eve) and the names of lunar years, answered from
// compact tables that tools/lunar_tablegen derives from astronomy.
#pragma once

#include <string>

namespace quillet {

struct LunarDate {
  int year;   // the Gregorian year in which this lunar year begins
  int month;  // 1..12; a leap month carries the number of the month it follows
  int day;    // 1..30
  bool isLeapMonth;
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// Gregorian days 1902-01-01 .. 2047-12-31 are served; they fall in the lunar
// years 1901 .. 2047, every date of which the lunar operations accept.
// Arguments outside these ranges (and days a month does not have) throw
// std::out_of_range naming the argument; isLeapMonth for a month that has no
// leap month throws std::invalid_argument.
inline constexpr int kFirstGregorianYear = 1902;
inline constexpr int kLastGregorianYear = 2047;
inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2047;

class CnCalendar {
 public:
  LunarDate GregorianToLunar(int year, int month, int day) const;
  // 29 or 30.
  int LunarMonthDays(int year, int month, bool isLeapMonth) const;
  // "除夕", a solar term's name, or "" when the date carries no note.
  std::string LunarDateNote(int year, int month, int day,
                            bool isLeapMonth) const;
  // e.g. "龙" for 2024.
  std::string ZodiacAnimal(int year) const;
  // index 1..60, 1 being 甲子.
  std::string SexagenaryName(int index) const;
};

}  // namespace quillet
