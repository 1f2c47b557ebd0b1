#include "lunar/astronomy/lunar_reckoning.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "lunar/astronomy/astronomy.h"

namespace quillet::reckoning {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;
using namespace std::chrono_literals;

// The published calendar reckoned at the Beijing meridian (116 deg 24' E,
// 14 min 24 s behind UTC+8) until 1929. In these three months of our range a
// new moon fell in the first minutes after midnight in UTC+8 but before
// midnight at Beijing, so the month began a day earlier than the modern rule
// gives. Nothing else departs from the rule.
struct HistoricalCorrection {
  year_month_day dayUtc8;    // the new moon's day by the modern rule
  year_month_day published;  // the first day of the month as published
};
constexpr HistoricalCorrection kHistoricalCorrections[] = {
    {1914y / 11 / 18, 1914y / 11 / 17},  // new moon 1914-11-18 00:02 UTC+8
    {1916y / 2 / 4, 1916y / 2 / 3},      // 00:05 UTC+8; new year of 1916
    {1920y / 11 / 11, 1920y / 11 / 10},  // new moon 1920-11-11 00:05 UTC+8
};
constexpr std::chrono::seconds kBeijingBehindUtc8 = 14min + 24s;

// The day of the instant as rounded to the second, so that the day and the
// time written for it never disagree.
sys_days DayUtc8(double jdTT) {
  return std::chrono::floor<days>(Utc8Time(jdTT));
}

// Signed distance from the nearest midnight.
std::chrono::seconds FromMidnight(std::chrono::sys_seconds time) {
  const auto sinceMidnight = time - std::chrono::floor<days>(time);
  return sinceMidnight <= std::chrono::hours{12} ? sinceMidnight
                                                 : sinceMidnight - days{1};
}

std::vector<SolarTermInstant> ComputeSolarTerms(int firstYear, int lastYear) {
  std::vector<SolarTermInstant> terms;
  for (int year = firstYear; year <= lastYear; ++year) {
    const sys_days january6{std::chrono::year{year} / 1 / 6};
    for (int term = 0; term < kSolarTermsPerYear; ++term) {
      // 小寒 comes near 6 January, each further term about 15.2 days later.
      const double guess = astro::JulianDayOf(january6) + 15.2184 * term;
      const double jdTT =
          astro::SolarLongitudeInstantTT(SolarTermLongitude(term), guess);
      const sys_days day = DayUtc8(jdTT);
      const year_month_day date{day};
      if (date.year() != std::chrono::year{year} ||
          static_cast<unsigned>(date.month()) !=
              static_cast<unsigned>(term / 2 + 1)) {
        throw std::runtime_error("solar term " + std::to_string(term) + " of " +
                                 std::to_string(year) +
                                 " falls outside its month");
      }
      terms.push_back({year, term, jdTT, day});
    }
  }
  return terms;
}

std::vector<NewMoonInstant> ComputeNewMoons(sys_days from, sys_days to) {
  std::vector<NewMoonInstant> moons;
  const int first = astro::LunationNear(astro::JulianDayOf(from)) - 1;
  const int last = astro::LunationNear(astro::JulianDayOf(to)) + 1;
  for (int k = first; k <= last; ++k) {
    const double jdTT = astro::NewMoonTT(k);
    const auto time = Utc8Time(jdTT);
    const sys_days day = std::chrono::floor<days>(time);
    const int year = static_cast<int>(year_month_day{day}.year());
    moons.push_back(
        {k, jdTT, day, day,
         std::chrono::abs(FromMidnight(time)) <= StartUncertainty(year)});
  }
  for (const HistoricalCorrection& correction : kHistoricalCorrections) {
    const auto moon = std::ranges::find(moons, sys_days{correction.dayUtc8},
                                        &NewMoonInstant::dayUtc8);
    if (moon == moons.end() ||
        Utc8Time(moon->jdTT) - moon->dayUtc8 >= kBeijingBehindUtc8) {
      throw std::runtime_error(
          "a historical correction matches no new moon just after midnight");
    }
    moon->monthStart = sys_days{correction.published};
  }
  return moons;
}

struct LunarMonth {
  sys_days start;
  int length;
  int number;  // 1 .. 12
  bool isLeap;
  bool startUncertain;
};

// Numbers the months of each year from one month 11 (the month holding
// 冬至) to the next: with 13 months there, the first without a principal
// term is the leap month and repeats the number of the month before it.
std::vector<LunarMonth> NumberMonths(const Reckoning& reckoning) {
  std::vector<sys_days> principalDays;
  std::vector<std::size_t> monthElevens;  // index into newMoons, by year
  for (const SolarTermInstant& term : reckoning.solarTerms) {
    if (term.term % 2 == 1) principalDays.push_back(term.dayUtc8);
    if (term.term != kWinterSolsticeTerm) continue;
    const auto after = std::ranges::upper_bound(
        reckoning.newMoons, term.dayUtc8, {}, &NewMoonInstant::monthStart);
    monthElevens.push_back(
        static_cast<std::size_t>(after - reckoning.newMoons.begin()) - 1);
  }
  const auto start = [&](std::size_t i) {
    return reckoning.newMoons.at(i).monthStart;
  };
  const auto hasPrincipalTerm = [&](std::size_t i) {
    const auto it = std::ranges::lower_bound(principalDays, start(i));
    return it != principalDays.end() && *it < start(i + 1);
  };
  std::vector<LunarMonth> months;
  for (std::size_t y = 0; y + 1 < monthElevens.size(); ++y) {
    const std::size_t first = monthElevens[y];
    const std::size_t end = monthElevens[y + 1];
    std::optional<std::size_t> leap;
    if (end - first == 13) {
      for (std::size_t i = first; i < end && !leap; ++i) {
        if (!hasPrincipalTerm(i)) leap = i;
      }
      if (!leap) throw std::runtime_error("13 months without a leap month");
    } else if (end - first != 12) {
      throw std::runtime_error("a year of neither 12 nor 13 months");
    }
    for (std::size_t i = first; i < end; ++i) {
      const int length = (start(i + 1) - start(i)).count();
      const bool uncertain = reckoning.newMoons.at(i).startUncertain;
      if (i == first) {
        months.push_back({start(i), length, 11, false, uncertain});
      } else if (leap == i) {
        months.push_back(
            {start(i), length, months.back().number, true, uncertain});
      } else {
        months.push_back({start(i), length, months.back().number % 12 + 1,
                          false, uncertain});
      }
    }
  }
  return months;
}

std::vector<LunarYear> GroupYears(const std::vector<LunarMonth>& months) {
  std::vector<LunarYear> years;
  LunarYear* open = nullptr;
  for (const LunarMonth& month : months) {
    if (month.number == 1 && !month.isLeap) {
      const year_month_day newYear{month.start};
      const int year = static_cast<int>(newYear.year());
      if (year > kLastReckonedLunarYear + 1) break;
      open = nullptr;
      if (year < kFirstReckonedYear || year > kLastReckonedLunarYear) continue;
      years.push_back({year, newYear, "", 0});
      open = &years.back();
    }
    if (open == nullptr) continue;
    if (month.length != 29 && month.length != 30) {
      throw std::runtime_error("a month of neither 29 nor 30 days");
    }
    const char letter = month.length == 30 ? 'L' : 'S';
    open->monthLengths +=
        month.startUncertain ? static_cast<char>(letter - 'A' + 'a') : letter;
    if (month.isLeap) open->leapAfter = month.number;
  }
  if (years.size() != kLastReckonedLunarYear - kFirstReckonedYear + 1 ||
      open != nullptr) {
    throw std::runtime_error("the reckoning does not span its years");
  }
  return years;
}

// Every phase of the Moon whose instant, UTC+8, falls in the Gregorian years
// firstYear .. lastYear, by year, from the same series as the new moons.
std::vector<MoonPhaseTimes> ComputeMoonPhases(int firstYear, int lastYear) {
  const sys_days from{std::chrono::year{firstYear} / 1 / 1};
  const sys_days to{std::chrono::year{lastYear} / 12 / 31};
  const int first = astro::LunationNear(astro::JulianDayOf(from)) - 1;
  const int last = astro::LunationNear(astro::JulianDayOf(to)) + 1;
  std::vector<MoonPhaseTimes> years;
  auto previous = std::chrono::sys_seconds::min();
  for (int k = first; k <= last; ++k) {
    for (int phase = 0; phase < kMoonPhasesPerLunation; ++phase) {
      const auto time = std::chrono::floor<std::chrono::minutes>(
          Utc8Time(astro::LunarPhaseTT(k, phase)));
      if (time <= previous) {
        throw std::runtime_error("the phases of the Moon out of order");
      }
      previous = time;
      const int year = static_cast<int>(
          year_month_day{std::chrono::floor<days>(time)}.year());
      if (year < firstYear || year > lastYear) continue;
      if (years.empty() || years.back().year != year) {
        years.push_back({year, phase, {}});
      }
      years.back().utc8.push_back(time);
    }
  }
  if (years.size() != static_cast<std::size_t>(lastYear - firstYear + 1)) {
    throw std::runtime_error("the phases of the Moon do not span their years");
  }
  return years;
}

}  // namespace

// Two errors could move a new moon across midnight. Meeus's series for the
// true new moon, truncated as it is, stays within about half a minute of the
// full lunar theory. And Delta T is observed only up to the present
// (kLastObservedDeltaTYear); after that the Espenak-Meeus polynomial is a
// forecast, and forecasts disagree more the further they reach: for 2100
// they run from about 70 s (today's value held) through 203 s (this
// polynomial) to 231 s (the long-term parabola -20 + 32 u^2), some 160 s
// apart after 75 years. So the margin grows by 2 s for every year past the
// last observed one: 94 s in 2057, 158 s in 2089, 174 s in 2097. Three new
// moons of the range fall that close: 2057-09-28 23:59:58, 2089-09-04
// 23:57:36 and 2097-08-07 23:59:40 (UTC+8). Their months begin, like every
// month, on the day of the computed instant; the tables mark them uncertain.
std::chrono::seconds StartUncertainty(int year) {
  constexpr int kLastObservedDeltaTYear = 2025;
  constexpr std::chrono::seconds kSeriesError = 30s;
  constexpr std::chrono::seconds kDeltaTDriftPerYear = 2s;
  return kSeriesError +
         kDeltaTDriftPerYear * std::max(0, year - kLastObservedDeltaTYear);
}

double SolarTermLongitude(int term) {
  return astro::NormalizeRadians(astro::DegreesToRadians(285.0 + 15.0 * term));
}

std::chrono::sys_seconds Utc8Time(double jdTT) {
  const double secondsUt =
      (astro::JulianDayUtFromTT(jdTT) - astro::kJulianDayOfSysDaysEpoch) *
      astro::kSecondsPerDay;
  return std::chrono::sys_seconds{
             std::chrono::seconds{std::llround(secondsUt)}} +
         kChinaStandardTimeOffset;
}

Reckoning ReckonCalendar() {
  Reckoning reckoning;
  // From 冬至 1900, which opens the year holding the new year of 1901, to
  // 冬至 2101, which closes the year holding the new year of 2101.
  reckoning.solarTerms =
      ComputeSolarTerms(kFirstReckonedYear - 1, kLastSolarTermYear);
  reckoning.newMoons = ComputeNewMoons(
      sys_days{std::chrono::year{kFirstReckonedYear - 1} / 11 / 1},
      sys_days{std::chrono::year{kLastSolarTermYear + 1} / 1 / 31});
  reckoning.years = GroupYears(NumberMonths(reckoning));
  reckoning.moonPhaseTimes =
      ComputeMoonPhases(kFirstReckonedYear, kLastMoonPhaseYear);
  for (const SolarTermInstant& term : reckoning.solarTerms) {
    if (term.year < kFirstReckonedYear) continue;
    if (reckoning.solarTermTimes.empty() ||
        reckoning.solarTermTimes.back().year != term.year) {
      reckoning.solarTermTimes.push_back({term.year, {}});
    }
    reckoning.solarTermTimes.back().utc8[static_cast<std::size_t>(term.term)] =
        Utc8Time(term.jdTT);
  }
  return reckoning;
}

}  // namespace quillet::reckoning
