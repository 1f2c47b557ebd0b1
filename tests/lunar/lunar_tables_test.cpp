// The committed tables against a fresh run of the computation that
// tools/lunar_tablegen writes them from.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "lunar/astronomy/lunar_reckoning.h"
#include "lunar/lunar_tables.h"
#include "lunar/seasons.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

const reckoning::Reckoning& Computed() {
  static const reckoning::Reckoning computed = reckoning::ReckonCalendar();
  return computed;
}

TEST(LunarTablesTest, EveryLunarYearRowMatchesTheComputation) {
  const auto& years = Computed().years;
  ASSERT_EQ(years.size(), lunar_tables::kLunarYears.size());
  for (std::size_t i = 0; i < years.size(); ++i) {
    const auto& row = lunar_tables::kLunarYears[i];
    const chr::year_month_day newYear{
        chr::year{row.newYear.year},
        chr::month{static_cast<unsigned>(row.newYear.month)},
        chr::day{static_cast<unsigned>(row.newYear.day)}};
    EXPECT_EQ(row.year, years[i].year);
    EXPECT_EQ(newYear, years[i].newYear) << row.year;
    EXPECT_EQ(row.monthLengths, years[i].monthLengths) << row.year;
    EXPECT_EQ(row.leapAfter, years[i].leapAfter) << row.year;
  }
}

// Every instant to the second, decoded from the table's day'hh'mm'ss form.
TEST(LunarTablesTest, EverySolarTermRowMatchesTheComputation) {
  const auto& terms = Computed().solarTermTimes;
  ASSERT_EQ(terms.size(), lunar_tables::kSolarTerms.size());
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const auto& row = lunar_tables::kSolarTerms[i];
    EXPECT_EQ(row.year, terms[i].year);
    for (std::size_t k = 0; k < row.dayTime.size(); ++k) {
      const auto time = lunar_tables::DecodeTermTime(row.dayTime[k]);
      const chr::sys_days day{chr::year{row.year} /
                              chr::month{static_cast<unsigned>(k / 2 + 1)} /
                              chr::day{static_cast<unsigned>(time.day)}};
      EXPECT_EQ(day + chr::hours{time.hours} + chr::minutes{time.minutes} +
                    chr::seconds{time.seconds},
                terms[i].utc8[k])
          << row.year << " term " << k;
    }
  }
}

// Every phase of the Moon to the minute, decoded from the table's
// month'day'hh'mm form, and nothing after a year's last phase.
TEST(LunarTablesTest, EveryMoonPhaseRowMatchesTheComputation) {
  const auto& years = Computed().moonPhaseTimes;
  ASSERT_EQ(years.size(), lunar_tables::kMoonPhases.size());
  for (std::size_t i = 0; i < years.size(); ++i) {
    const auto& row = lunar_tables::kMoonPhases[i];
    EXPECT_EQ(row.year, years[i].year);
    EXPECT_EQ(row.firstPhase, years[i].firstPhase) << row.year;
    ASSERT_LE(years[i].utc8.size(), row.monthDayTime.size()) << row.year;
    for (std::size_t k = 0; k < row.monthDayTime.size(); ++k) {
      if (k >= years[i].utc8.size()) {
        EXPECT_EQ(row.monthDayTime[k], 0) << row.year << " entry " << k;
        continue;
      }
      const auto time = lunar_tables::DecodePhaseTime(row.monthDayTime[k]);
      const chr::sys_days day{chr::year{row.year} /
                              chr::month{static_cast<unsigned>(time.month)} /
                              chr::day{static_cast<unsigned>(time.day)}};
      EXPECT_EQ(day + chr::hours{time.hours} + chr::minutes{time.minutes},
                years[i].utc8[k])
          << row.year << " entry " << k;
    }
  }
}

// The three months that the Beijing meridian moved before 1929 begin on
// their published days; the modern rule alone would start them a day later.
TEST(LunarTablesTest, HistoricalCorrectionsApplyToTheirNewMoonsOnly) {
  int corrected = 0;
  for (const auto& moon : Computed().newMoons) {
    if (moon.monthStart == moon.dayUtc8) continue;
    ++corrected;
    EXPECT_EQ(moon.monthStart, moon.dayUtc8 - chr::days{1});
    EXPECT_LT(chr::year_month_day{moon.dayUtc8}.year(), chr::year{1929});
  }
  EXPECT_EQ(corrected, 3);
}

// The winter solstice of 1900 lies before the tables' first year, but its
// nines reach the first served days: the day the seasons take for it is the
// one the computation gives.
TEST(LunarTablesTest, WinterSolsticeOf1900MatchesTheComputation) {
  int found = 0;
  for (const auto& term : Computed().solarTerms) {
    if (term.year != 1900 || term.term != reckoning::kWinterSolsticeTerm) {
      continue;
    }
    ++found;
    EXPECT_EQ(NinesBegin(1900), term.dayUtc8);
  }
  EXPECT_EQ(found, 1);
}

}  // namespace
}  // namespace quillet
