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
  std::chrono::sys_days dayUtc8;  // the day of Utc8Time(jdTT)
};

struct NewMoonInstant {
  int lunation;  // Meeus's k
  double jdTT;
  std::chrono::sys_days dayUtc8;     // the day of Utc8Time(jdTT)
  std::chrono::sys_days monthStart;  // after the historical corrections
  // Within StartUncertainty() of midnight, UTC+8: the month's first day
  // hangs on the last seconds of the computation.
  bool startUncertain;
};

struct LunarYear {
  int year;  // Gregorian year of its new year's day
  std::chrono::year_month_day newYear;
  // The months in order, leap month included: 'S' 29 days, 'L' 30 days;
  // lower case ('s', 'l') for a month whose start is uncertain.
  std::string monthLengths;
  int leapAfter;  // the leap month's number, 0 when none
  friend bool operator==(const LunarYear&, const LunarYear&) = default;
};

struct SolarTermTimes {
  int year;
  // The instant of term k in UTC+8, to the second; term k falls in month
  // k / 2 + 1 of `year`.
  std::array<std::chrono::sys_seconds, kSolarTermsPerYear> utc8;
  friend bool operator==(const SolarTermTimes&,
                         const SolarTermTimes&) = default;
};

// The Moon's phases (朔, 上弦, 望, 下弦) of a Gregorian year in order, their
// instants in UTC+8 to the minute. The seconds are dropped rather than
// rounded, so that a phase's day is always the day of its instant, as a
// month's first day is the day of its new moon: a new moon at 23:59:40 is
// written 23:59, not 00:00 of the next day.
struct MoonPhaseTimes {
  int year;
  int firstPhase;  // of utc8[0]: 0 new moon, 1 first quarter, 2 full, 3 last
  std::vector<std::chrono::sys_seconds> utc8;  // phase (firstPhase + i) % 4
  friend bool operator==(const MoonPhaseTimes&,
                         const MoonPhaseTimes&) = default;
};

struct Reckoning {
  std::vector<LunarYear> years;                // 1901 .. 2100
  std::vector<SolarTermTimes> solarTermTimes;  // 1901 .. 2101
  std::vector<SolarTermInstant> solarTerms;    // every instant used
  std::vector<NewMoonInstant> newMoons;        // every instant used
  std::vector<MoonPhaseTimes> moonPhaseTimes;  // 1901 .. 2100
};

// Lunar years 1901 .. 2100. The solar terms run a year further, to 2101,
// because the last months of lunar year 2100 reach into it.
inline constexpr int kFirstReckonedYear = 1901;
inline constexpr int kLastReckonedLunarYear = 2100;
inline constexpr int kLastSolarTermYear = 2101;
inline constexpr int kLastMoonPhaseYear = 2100;
inline constexpr int kMoonPhasesPerLunation = 4;

// How close to midnight (UTC+8) a new moon must fall for the day it gives to
// be in doubt: the error of the new-moon series plus the uncertainty of
// Delta T in that year (see lunar_reckoning.cpp).
std::chrono::seconds StartUncertainty(int year);

// Runs the astronomical core over the whole range (about a second).
Reckoning ReckonCalendar();

// The civil day and time in UTC+8 of an instant, to the second.
std::chrono::sys_seconds Utc8Time(double jdTT);

}  // namespace quillet::reckoning
