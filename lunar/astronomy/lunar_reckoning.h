// The rules of the Chinese calendar (GB/T 33661-2017) applied to the
// astronomical core: new moons and solar terms become lunar months and years.
// tools/lunar_tablegen writes the committed tables from this reckoning, and a
// test reruns it to compare them.
#pragma once

#include <array>
#include <chrono>
#include <string>
#include <vector>

namespace quillet::reckoning {

// The calendar reckons days in China Standard Time, UTC+8, the time of the
// 120th meridian east, whatever the machine's time zone. Before 1929 the
// published calendar reckoned at the Beijing meridian (about UTC+7:46); the
// months where that mattered are listed in lunar_reckoning.cpp.
inline constexpr std::chrono::minutes kChinaStandardTimeOffset{8 * 60};

// Solar term k of a Gregorian year, k = 0 (小寒, 285 degrees) .. 23 (冬至,
// 270 degrees), at 15-degree steps; odd k are the principal terms.
inline constexpr int kSolarTermsPerYear = 24;
inline constexpr int kWinterSolsticeTerm = 23;
double SolarTermLongitude(int term);  // radians

struct SolarTermInstant {
  int year;  // Gregorian
  int term;  // 0 .. 23
  double jdTT;
  std::chrono::sys_days dayUtc8;
};

struct NewMoonInstant {
  int lunation;  // Meeus's k
  double jdTT;
  std::chrono::sys_days dayUtc8;     // as computed
  std::chrono::sys_days monthStart;  // after the historical corrections
};

struct LunarYear {
  int year;  // Gregorian year of its new year's day
  std::chrono::year_month_day newYear;
  std::string monthLengths;  // 'S' 29 days, 'L' 30 days, leap month included
  int leapAfter;             // the leap month's number, 0 when none
  friend bool operator==(const LunarYear&, const LunarYear&) = default;
};

struct SolarTermDays {
  int year;
  // Day of the month of term k; term k falls in month k / 2 + 1.
  std::array<int, kSolarTermsPerYear> dayOfMonth;
  friend bool operator==(const SolarTermDays&, const SolarTermDays&) = default;
};

struct Reckoning {
  std::vector<LunarYear> years;              // 1901 .. 2047
  std::vector<SolarTermDays> solarTermDays;  // 1901 .. 2048
  std::vector<SolarTermInstant> solarTerms;  // every instant used
  std::vector<NewMoonInstant> newMoons;      // every instant used
};

inline constexpr int kFirstReckonedYear = 1901;
inline constexpr int kLastReckonedLunarYear = 2047;
inline constexpr int kLastSolarTermYear = 2048;

// Runs the astronomical core over the whole range (about a second).
Reckoning ReckonCalendar();

// The civil day and time in UTC+8 of an instant, to the second.
std::chrono::sys_seconds Utc8Time(double jdTT);

}  // namespace quillet::reckoning
