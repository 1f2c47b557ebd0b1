// The almanac of a day: officers, mansions, 纳音, 冲 and 煞, 彭祖百忌 and the
// double hours, from days worked out by hand, the classical verses, and
// every served day walked against the solar terms and the weekdays.
#include "lunar/almanac.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "lunar/lunar_names.h"
#include "tests/support/refusals.h"
#include "tests/support/served_days.h"
#include "tests/support/sexagenary.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;
using testing::Civil;
using testing::CycleName;
using testing::Text;

constexpr chr::sys_days kFirst{kFirstServedDay};
constexpr chr::sys_days kLast{kLastServedDay};

AlmanacDay On(chr::sys_days day, YearStart start = YearStart::kLunarNewYear) {
  const auto c = Civil(day);
  return AlmanacOn(c.year, c.month, c.day, start);
}

// Days worked out by hand from their stem-branch names and the days of the
// 节: 2024-01-01 is a 甲子 day in the 甲子 month (大雪 2023-12-07), so 建;
// 立春 2024-02-04 (戊戌) repeats 2-03's 成; 大雪 2008-12-07 (辛巳) repeats
// 12-06's 执. Mansions: 2000-09-03 and 2024-02-04 are Sundays, 2024-01-01 a
// Monday and a 甲子 day of the third 元 (毕).
TEST(AlmanacOnTest, HandWorkedDays) {
  const struct {
    chr::year_month_day date;
    const char* officer;
    const char* mansion;
    const char* clash;
    const char* dayNayin;
  } cases[] = {
      {2024y / 1 / 1, "建", "毕月乌", "冲马煞南", "海中金"},
      {2024y / 2 / 3, "成", "柳土獐", "冲兔煞东", "山下火"},
      {2024y / 2 / 4, "成", "星日马", "冲龙煞北", "平地木"},
      {2024y / 2 / 5, "收", "张月鹿", "冲蛇煞西", "平地木"},
      {2008y / 12 / 6, "执", "氐土貉", "冲狗煞南", "白蜡金"},
      {2008y / 12 / 7, "执", "房日兔", "冲猪煞东", "白蜡金"},
      {2000y / 9 / 3, "定", "虚日鼠", "冲马煞南", "海中金"},
      {2019y / 1 / 21, "执", "心月狐", "冲鼠煞北", "天上火"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Text(chr::sys_days{c.date}));
    const AlmanacDay a = On(chr::sys_days{c.date});
    EXPECT_EQ(names::Officer(a.officer), c.officer);
    EXPECT_EQ(names::MansionFull(a.mansion), c.mansion);
    EXPECT_EQ(ClashText(a), c.clash);
    EXPECT_EQ(names::Nayin(a.day), c.dayNayin);
  }
  // 2019-01-21, a 戊午 day, reads 戊不受田 and 午不苫盖.
  EXPECT_EQ(PengzuText(On(chr::sys_days{2019y / 1 / 21})),
            "戊不受田田主不祥 午不苫盖屋主更张");
  EXPECT_EQ(PengzuText(On(chr::sys_days{2024y / 1 / 1}), Script::kTraditional),
            "甲不開倉財物耗散 子不問卜自惹禍殃");
  EXPECT_EQ(ClashText(On(chr::sys_days{2024y / 1 / 1}), Script::kTraditional),
            "沖馬煞南");
}

// The year's 纳音 as each reckoning of the year gives it: 1984 甲子 海中金;
// 2024-02-05 lies after 立春 but before the new year (2-10), so 癸卯 金箔金
// by the lunar year, 甲辰 覆灯火 by 立春. The month of 2024-01-01 is 甲子.
TEST(AlmanacOnTest, YearAndMonthNayin) {
  EXPECT_EQ(names::Nayin(On(chr::sys_days{1984y / 6 / 1}).year), "海中金");
  EXPECT_EQ(names::Nayin(On(chr::sys_days{2024y / 2 / 5}).year), "金箔金");
  EXPECT_EQ(
      names::Nayin(
          On(chr::sys_days{2024y / 2 / 5}, YearStart::kSpringBegins).year),
      "覆灯火");
  EXPECT_EQ(names::Nayin(On(chr::sys_days{2024y / 1 / 1}).month), "海中金");
}

// Every served day: the officer steps on by one, except on the day of a 节,
// where it repeats; 建 falls exactly where the day's branch is the month's.
// The mansion steps on by one and keeps its luminary's weekday; a 甲子 day
// begins its 元 with the mansion of the verse 一元虚张室轸遊，二元奎亢胃房求，
// 三毕尾参求觅斗，四鬼女星危月求，五翼壁角娄金狗，六氐昴觜火猴，七箕井畔牛
// 边柳: the first of each 元's four (on 甲子), by the 甲子 day's weekday.
TEST(AlmanacOnTest, EveryServedDayFollowsTheJieAndTheWeek) {
  const CnCalendar calendar;
  std::set<chr::sys_days> jieDays;
  for (int year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
    const auto terms = calendar.SolarTerms(year);
    for (std::size_t k = 0; k < terms.size(); k += 2) {
      jieDays.insert(chr::floor<chr::days>(terms[k].instant + 8h));
    }
  }
  // The luminaries 木 金 土 日 月 火 水 of mansions 0..6 (and every seventh
  // after) fall on Thursday .. Wednesday (chr::weekday's c_encoding).
  constexpr unsigned kWeekdayOfLuminary[] = {4, 5, 6, 0, 1, 2, 3};
  // The first mansion of each 元 (on its 甲子 day), by the 甲子 day's weekday.
  const std::map<unsigned, const char*> kYuanHead = {
      {0, "虚"}, {4, "奎"}, {1, "毕"}, {5, "鬼"},
      {2, "翼"}, {6, "氐"}, {3, "箕"}};
  AlmanacDay previous = On(kFirst);
  for (chr::sys_days day = kFirst + chr::days{1}; day <= kLast; ++day) {
    const AlmanacDay a = On(day);
    const auto c = Civil(day);
    const int expectedOfficer =
        jieDays.contains(day) ? previous.officer : (previous.officer + 1) % 12;
    ASSERT_EQ(a.officer, expectedOfficer) << Text(day);
    ASSERT_EQ(a.officer == 0,
              (a.day - 1) % 12 ==
                  (calendar.SexagenaryMonth(c.year, c.month, c.day) - 1) % 12)
        << Text(day);
    ASSERT_EQ(a.mansion, (previous.mansion + 1) % 28) << Text(day);
    const unsigned weekday = chr::weekday{day}.c_encoding();
    ASSERT_EQ(kWeekdayOfLuminary[a.mansion % 7], weekday) << Text(day);
    if (a.day == 1) {
      ASSERT_EQ(names::Mansion(a.mansion), kYuanHead.at(weekday)) << Text(day);
    }
    ASSERT_EQ(a.day, calendar.SexagenaryDay(c.year, c.month, c.day));
    ASSERT_EQ(a.clash, ((a.day - 1) % 12 + 6) % 12);
    previous = a;
  }
}

// 五鼠遁 with the day at 23:00 read both ways: 2024-01-01 is 甲子, 01-02 乙丑;
// 2019-01-21 戊午, 01-22 己未; 2100-12-31 丁未, and the day after it 戊申.
TEST(HourPillarTest, HandWorkedHours) {
  const struct {
    chr::year_month_day date;
    int hour;
    DayBoundary boundary;
    const char* shichen;
    const char* hourPillar;
    const char* dayPillar;
    bool lateRat;
  } cases[] = {
      {2024y / 1 / 1, 0, DayBoundary::kMidnight, "子", "甲子", "甲子", false},
      {2024y / 1 / 1, 1, DayBoundary::kMidnight, "丑", "乙丑", "甲子", false},
      {2024y / 1 / 1, 12, DayBoundary::kMidnight, "午", "庚午", "甲子", false},
      {2024y / 1 / 1, 22, DayBoundary::kMidnight, "亥", "乙亥", "甲子", false},
      {2024y / 1 / 1, 23, DayBoundary::kMidnight, "子", "丙子", "甲子", true},
      {2024y / 1 / 1, 23, DayBoundary::kRatHour, "子", "丙子", "乙丑", false},
      {2024y / 1 / 2, 0, DayBoundary::kRatHour, "子", "丙子", "乙丑", false},
      {2019y / 1 / 21, 0, DayBoundary::kMidnight, "子", "壬子", "戊午", false},
      {2019y / 1 / 21, 23, DayBoundary::kMidnight, "子", "甲子", "戊午", true},
      {2019y / 1 / 21, 23, DayBoundary::kRatHour, "子", "甲子", "己未", false},
      {2100y / 12 / 31, 23, DayBoundary::kRatHour, "子", "壬子", "戊申", false},
  };
  for (const auto& c : cases) {
    const auto d = Civil(chr::sys_days{c.date});
    SCOPED_TRACE(Text(chr::sys_days{c.date}) + " " + std::to_string(c.hour));
    const HourPillar p =
        HourPillarAt(d.year, d.month, d.day, c.hour, c.boundary);
    EXPECT_EQ(names::Branch(p.branch), c.shichen);
    EXPECT_EQ(CycleName(p.hour), c.hourPillar);
    EXPECT_EQ(CycleName(p.day), c.dayPillar);
    EXPECT_EQ(p.lateRat, c.lateRat);
  }
}

// The hours' stems and branches run unbroken through every served day: each
// double hour is the next place in the cycle, across midnight too, and the
// 子 hour at 00:00 has the stem the verse gives the day's stem (甲己还加甲，
// 乙庚丙作初，丙辛从戊起，丁壬庚子居，戊癸何方发，壬子是真途).
TEST(HourPillarTest, EveryServedDayRunsUnbroken) {
  const char* const kRatStem[] = {"甲", "丙", "戊", "庚", "壬",
                                  "甲", "丙", "戊", "庚", "壬"};
  // The 子 hour that begins the first day.
  int previous = HourPillarAt(1901, 2, 19, 0).hour;
  for (chr::sys_days day = kFirst; day <= kLast; ++day) {
    const auto c = Civil(day);
    const HourPillar rat = HourPillarAt(c.year, c.month, c.day, 0);
    // The 子 hour after midnight is the one that began at 23:00.
    ASSERT_EQ(rat.hour, previous) << Text(day);
    ASSERT_EQ(CycleName(rat.hour).substr(0, 3), kRatStem[(rat.day - 1) % 10])
        << Text(day);
    for (int hour = 1; hour <= 23; hour += 2) {
      const HourPillar p = HourPillarAt(c.year, c.month, c.day, hour);
      ASSERT_EQ(p.hour, previous % 60 + 1) << Text(day) << " " << hour;
      ASSERT_EQ(p.branch, (hour + 1) / 2 % 12);
      if (hour < 23) {
        // Both hours of a double hour.
        ASSERT_EQ(HourPillarAt(c.year, c.month, c.day, hour + 1).hour, p.hour);
      }
      previous = p.hour;
    }
  }
}

TEST(AlmanacTest, OutsideTheRangeThrowsNamingTheArgument) {
  const testing::Refusal cases[] = {
      {[] { AlmanacOn(1901, 2, 18); }, "1901-02-18"},
      {[] { AlmanacOn(2101, 1, 1); }, "year 2101"},
      {[] { AlmanacOn(2024, 4, 31); }, "day 31"},
      {[] { HourPillarAt(2024, 1, 1, 24); }, "hour 24"},
      {[] { HourPillarAt(2024, 1, 1, -1); }, "hour -1"},
      {[] { HourPillarAt(2024, 0, 1, 0); }, "month 0"},
      {[] { names::Mansion(28); }, "28"},
      {[] { names::Officer(12); }, "12"},
      {[] { names::Nayin(0); }, "0"},
      {[] { names::PengzuBranch(12); }, "12"},
  };
  testing::ExpectRefusals(cases);
}

}  // namespace
}  // namespace quillet
