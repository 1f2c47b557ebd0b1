// The phases of the Moon: published instants, and properties over every year
// and every served day, the calendar's own months among them.
#include "lunar/moon_phases.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "lunar/cn_calendar.h"
#include "lunar/date_text.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;

chr::sys_days Utc8Day(chr::sys_seconds instant) {
  return chr::floor<chr::days>(instant + kChinaStandardTimeOffset);
}

std::vector<MoonPhaseInstant> EveryPhase() {
  std::vector<MoonPhaseInstant> all;
  for (int year = kFirstMoonPhaseYear; year <= kLastMoonPhaseYear; ++year) {
    const std::vector<MoonPhaseInstant> phases = MoonPhases(year);
    all.insert(all.end(), phases.begin(), phases.end());
  }
  return all;
}

struct PublishedPhase {
  chr::year_month_day date;  // UTC+8
  int hour, minute;          // UTC+8, as published to the minute
  MoonPhase phase;
  const char* source;
};

// Published instants, converted to UTC+8 where given in UT. The table drops
// the seconds where the publications round them, so it may read a minute
// earlier; it must never be further off than that.
TEST(MoonPhasesTest, MatchPublishedInstantsToTheMinute) {
  const PublishedPhase rows[] = {
      // US Naval Observatory, phases of the Moon (UT): new moon 2000-01-06
      // 18:14, 2018-11-07 16:02 and 2024-02-09 22:59.
      {2000y / 1 / 7, 2, 14, MoonPhase::kNew, "USNO, lunation k = 0"},
      {2018y / 11 / 8, 0, 2, MoonPhase::kNew,
       "USNO, two minutes past midnight"},
      {2024y / 2 / 10, 6, 59, MoonPhase::kNew, "USNO, the 2024 new year"},
      // Hong Kong Observatory, its moon-watching notes for the Mid-Autumn
      // Festival (Hong Kong Time, UTC+8).
      {2007y / 9 / 27, 3, 45, MoonPhase::kFull, "HKO, 11 September 2007"},
      {2008y / 9 / 15, 17, 13, MoonPhase::kFull, "HKO, 12 September 2008"},
      {2012y / 9 / 30, 11, 19, MoonPhase::kFull, "HKO, 13 September 2012"},
      {2014y / 9 / 9, 9, 38, MoonPhase::kFull, "HKO, 26 August 2014"},
      {2020y / 10 / 2, 5, 5, MoonPhase::kFull, "HKO, 17 September 2020"},
      {2023y / 9 / 29, 17, 57, MoonPhase::kFull, "HKO, September 2023"},
  };
  for (const PublishedPhase& row : rows) {
    const auto found =
        MoonPhaseOn(static_cast<int>(row.date.year()),
                    static_cast<int>(static_cast<unsigned>(row.date.month())),
                    static_cast<int>(static_cast<unsigned>(row.date.day())));
    ASSERT_TRUE(found.has_value()) << row.source;
    EXPECT_EQ(found->phase, row.phase) << row.source;
    const chr::sys_seconds published = chr::sys_days{row.date} +
                                       chr::hours{row.hour} +
                                       chr::minutes{row.minute};
    EXPECT_LE(chr::abs(found->instant + kChinaStandardTimeOffset - published),
              1min)
        << row.source;
  }
}

// 朔, 上弦, 望, 下弦 in turn without a gap from 1901 to 2100, each 6.5 to 8.5
// days after the one before (the quarter of a synodic month, 7.38 days,
// stretched and shrunk by the Moon's elliptic orbit); 49 or 50 a year.
TEST(MoonPhasesTest, FollowInTurnAtAQuarterOfAMonth) {
  const std::vector<MoonPhaseInstant> all = EveryPhase();
  ASSERT_FALSE(all.empty());
  for (std::size_t i = 1; i < all.size(); ++i) {
    const MoonPhaseInstant& before = all[i - 1];
    const MoonPhaseInstant& phase = all[i];
    EXPECT_EQ(static_cast<int>(phase.phase),
              (static_cast<int>(before.phase) + 1) % 4)
        << i;
    const auto gap = phase.instant - before.instant;
    EXPECT_GE(gap, chr::hours{6 * 24 + 12}) << i;
    EXPECT_LE(gap, chr::hours{8 * 24 + 12}) << i;
    EXPECT_EQ(phase.instant, chr::floor<chr::minutes>(phase.instant)) << i;
  }
  for (int year = kFirstMoonPhaseYear; year <= kLastMoonPhaseYear; ++year) {
    const std::vector<MoonPhaseInstant> phases = MoonPhases(year);
    ASSERT_FALSE(phases.empty()) << year;
    EXPECT_GE(phases.size(), 49u) << year;
    EXPECT_LE(phases.size(), 50u) << year;
    EXPECT_EQ(chr::year_month_day{Utc8Day(phases.front().instant)}.year(),
              chr::year{year});
    EXPECT_EQ(chr::year_month_day{Utc8Day(phases.back().instant)}.year(),
              chr::year{year});
  }
}

// Every served day: MoonPhaseOn gives the phase whose instant falls on it in
// UTC+8, and nothing on the days between.
TEST(MoonPhasesTest, EveryServedDayHasItsPhaseOrNone) {
  const std::vector<MoonPhaseInstant> all = EveryPhase();
  auto next = all.begin();
  for (chr::sys_days d{kFirstServedDay}; d <= chr::sys_days{kLastServedDay};
       ++d) {
    const chr::year_month_day date{d};
    const auto phase =
        MoonPhaseOn(static_cast<int>(date.year()),
                    static_cast<int>(static_cast<unsigned>(date.month())),
                    static_cast<int>(static_cast<unsigned>(date.day())));
    while (next != all.end() && Utc8Day(next->instant) < d) ++next;
    if (next != all.end() && Utc8Day(next->instant) == d) {
      ASSERT_TRUE(phase.has_value()) << DateText(date);
      EXPECT_EQ(*phase, *next) << DateText(date);
    } else {
      EXPECT_FALSE(phase.has_value()) << DateText(date);
    }
  }
}

// Each 朔 falls on the first day of a lunar month, and each month begins on
// the day of a 朔, by the calendar's own month tables: all but three months,
// which the published calendar, reckoned at the Beijing meridian (14 min 24 s
// behind UTC+8) until 1929, began the day before their 朔 of the first
// minutes after midnight, UTC+8. A month whose start the calendar marks
// uncertain has its 朔 within three minutes of midnight.
TEST(MoonPhasesTest, NewMoonsAreTheFirstDaysOfTheLunarMonths) {
  // The first days of those three months as published.
  const std::set<chr::sys_days> kBeijingMonthStarts = {
      chr::sys_days{1914y / 11 / 17}, chr::sys_days{1916y / 2 / 3},
      chr::sys_days{1920y / 11 / 10}};
  const CnCalendar calendar;
  std::set<chr::sys_days> newMoonDays;
  for (const MoonPhaseInstant& phase : EveryPhase()) {
    if (phase.phase != MoonPhase::kNew) continue;
    const auto utc8 = phase.instant + kChinaStandardTimeOffset;
    const chr::sys_days utc8Day = chr::floor<chr::days>(utc8);
    const bool beijing = kBeijingMonthStarts.contains(utc8Day - chr::days{1});
    if (beijing) {
      EXPECT_LT(utc8 - utc8Day, 14min + 24s) << DateText(utc8Day);
    }
    const chr::sys_days day = beijing ? utc8Day - chr::days{1} : utc8Day;
    if (day < chr::sys_days{kFirstServedDay}) continue;
    newMoonDays.insert(day);
    const chr::year_month_day date{day};
    const LunarDate lunar = calendar.GregorianToLunar(
        static_cast<int>(date.year()),
        static_cast<int>(static_cast<unsigned>(date.month())),
        static_cast<int>(static_cast<unsigned>(date.day())));
    EXPECT_EQ(lunar.day, 1) << DateText(date);
    if (calendar.MonthStartUncertain(lunar.year, lunar.month,
                                     lunar.isLeapMonth)) {
      const auto fromMidnight = utc8 - utc8Day;
      EXPECT_TRUE(fromMidnight <= 3min || fromMidnight >= 24h - 3min)
          << DateText(date);
    }
  }
  std::set<chr::sys_days> monthStarts;
  for (chr::sys_days d{kFirstServedDay}; d <= chr::sys_days{kLastServedDay};
       ++d) {
    const chr::year_month_day date{d};
    if (calendar
            .GregorianToLunar(
                static_cast<int>(date.year()),
                static_cast<int>(static_cast<unsigned>(date.month())),
                static_cast<int>(static_cast<unsigned>(date.day())))
            .day == 1) {
      monthStarts.insert(d);
    }
  }
  EXPECT_EQ(newMoonDays.size(), monthStarts.size());
  EXPECT_TRUE(newMoonDays == monthStarts);
}

TEST(MoonPhasesTest, RefusesDaysAndYearsOutsideTheTable) {
  const struct {
    int year, month, day;
    const char* argument;
  } days[] = {
      {1901, 2, 18, "date"},  {2101, 1, 1, "year"}, {1900, 6, 1, "year"},
      {2024, 13, 1, "month"}, {2023, 2, 29, "day"}, {2024, 4, 0, "day"},
  };
  for (const auto& row : days) {
    try {
      MoonPhaseOn(row.year, row.month, row.day);
      ADD_FAILURE() << row.year << "-" << row.month << "-" << row.day;
    } catch (const std::out_of_range& error) {
      const std::string what = error.what();
      EXPECT_NE(what.find("MoonPhaseOn"), std::string::npos) << what;
      EXPECT_NE(what.find(row.argument), std::string::npos) << what;
    }
  }
  EXPECT_NO_THROW(MoonPhaseOn(1901, 2, 19));
  EXPECT_NO_THROW(MoonPhaseOn(2100, 12, 31));
  for (const int year : {1900, 2101}) {
    try {
      MoonPhases(year);
      ADD_FAILURE() << year;
    } catch (const std::out_of_range& error) {
      EXPECT_NE(std::string{error.what()}.find("gregorianYear"),
                std::string::npos);
    }
  }
  // The whole first year, before the calendar's first served day too.
  EXPECT_EQ(
      chr::year_month_day{Utc8Day(MoonPhases(1901).front().instant)}.month(),
      chr::January);
}

TEST(MoonPhasesTest, NamesAreTheSameInBothScripts) {
  const struct {
    MoonPhase phase;
    const char* name;
  } rows[] = {{MoonPhase::kNew, "朔"},
              {MoonPhase::kFirstQuarter, "上弦"},
              {MoonPhase::kFull, "望"},
              {MoonPhase::kLastQuarter, "下弦"}};
  for (const auto& row : rows) {
    EXPECT_EQ(MoonPhaseName(row.phase), row.name);
    EXPECT_EQ(MoonPhaseName(row.phase, Script::kTraditional), row.name);
  }
}

}  // namespace
}  // namespace quillet
