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

constexpr double kMinutesPerDay = 24.0 * 60.0;

sys_days DayUtc8(double jdTT) {
  const double jdUtc8 =
      astro::JulianDayUtFromTT(jdTT) +
      static_cast<double>(kChinaStandardTimeOffset.count()) / kMinutesPerDay;
  return astro::DayContaining(jdUtc8);
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
    const sys_days day = DayUtc8(jdTT);
    moons.push_back({k, jdTT, day, day});
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
      if (i == first) {
        months.push_back({start(i), length, 11, false});
      } else if (leap == i) {
        months.push_back({start(i), length, months.back().number, true});
      } else {
        months.push_back(
            {start(i), length, months.back().number % 12 + 1, false});
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
    open->monthLengths += month.length == 30 ? 'L' : 'S';
    if (month.isLeap) open->leapAfter = month.number;
  }
  if (years.size() != kLastReckonedLunarYear - kFirstReckonedYear + 1 ||
      open != nullptr) {
    throw std::runtime_error("the reckoning does not span its years");
  }
  return years;
}

}  // namespace

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
  // 冬至 2048, which closes the year holding the new year of 2048.
  reckoning.solarTerms =
      ComputeSolarTerms(kFirstReckonedYear - 1, kLastSolarTermYear);
  reckoning.newMoons = ComputeNewMoons(
      sys_days{std::chrono::year{kFirstReckonedYear - 1} / 11 / 1},
      sys_days{std::chrono::year{kLastSolarTermYear + 1} / 1 / 31});
  reckoning.years = GroupYears(NumberMonths(reckoning));
  for (const SolarTermInstant& term : reckoning.solarTerms) {
    if (term.year < kFirstReckonedYear) continue;
    if (reckoning.solarTermDays.empty() ||
        reckoning.solarTermDays.back().year != term.year) {
      reckoning.solarTermDays.push_back({term.year, {}});
    }
    reckoning.solarTermDays.back().dayOfMonth[term.term] = static_cast<int>(
        static_cast<unsigned>(year_month_day{term.dayUtc8}.day()));
  }
  return reckoning;
}

}  // namespace quillet::reckoning
