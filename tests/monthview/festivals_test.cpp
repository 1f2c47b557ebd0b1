#include "monthview/festivals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "lunar/cn_calendar.h"
#include "tests/support/festival_rows.h"
#include "tests/support/served_days.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

// Every day of the range against the literal rows: every row's text, day
// span and place in the order shows on some day, and lunar rows hold in
// leap months.
TEST(FestivalTextTest, EveryDayAgainstTheRows) {
  const CnCalendar calendar;
  std::set<std::string> seen;
  int leapMonthFestivals = 0;
  for (auto day = testing::kFirstShownDay; day <= testing::kLastShownDay;
       day += chr::days{1}) {
    const testing::CivilDay civil = testing::Civil(day);
    const LunarDate lunar = testing::LunarOf(calendar, day);
    const std::string expected = testing::ExpectedFestival(civil, lunar);
    ASSERT_EQ(FestivalText(civil.Key()), expected) << testing::Text(day);
    seen.insert(expected);
    leapMonthFestivals += lunar.isLeapMonth && expected.starts_with("3");
  }
  EXPECT_EQ(seen.size(), 54u + 1u) << "every row, and days without one";
  EXPECT_GT(leapMonthFestivals, 0);
}

TEST(FestivalTextTest, GregorianDays) {
  const struct {
    int dayKey;
    const char* text;
  } cases[] = {
      {20240501, "1劳动节"},
      {20240502, "1劳动节"},
      {20240503, "1劳动节"},
      {20240504, "2青年节"},
      {20241001, "1国庆节"},
      {20241003, "1国庆节"},
      {20241120, "2彝族年"},
      {20241122, "2彝族年"},
      {20240625, "2全国土地日"},
      {20240909, "2毛泽东逝世"},
      {20240908, "2国际扫盲日"},
      {20190520, "2母亲节"},
      {19020630, "2父亲节"},
      {20470730, "2被奴国周"},
      {19301124, "2感恩节"},
      {19501220, "2澳门回归"},
      {19020701, "2香港回归中共诞辰"},
      {20240214, "2情人节"},
      {20100214, "1春节"},    // lunar new year wins over 14 February
      {20201001, "1国庆节"},  // national day wins over mid-autumn
      {20240626, ""},
      {20240102, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FestivalText(c.dayKey), c.text) << c.dayKey;
  }
}

// Every served day against the literal rows: all the rows that hold, in
// order, each with the category its digit names.
TEST(FestivalsOnTest, EveryServedDayAgainstTheRows) {
  const CnCalendar calendar;
  const FestivalCategory kByDigit[] = {FestivalCategory::kPublicHoliday,
                                       FestivalCategory::kCommemorative,
                                       FestivalCategory::kLunarFestival};
  int doubled = 0;
  for (chr::sys_days day{kFirstServedDay}; day <= chr::sys_days{kLastServedDay};
       day += chr::days{1}) {
    const testing::CivilDay civil = testing::Civil(day);
    const LunarDate lunar = testing::LunarOf(calendar, day);
    std::vector<Festival> expected;
    for (const testing::LiteralRow& row : testing::ExpectedRows(civil, lunar)) {
      expected.push_back(
          {std::string{row.text + 1}, kByDigit[row.text[0] - '1']});
    }
    ASSERT_EQ(FestivalsOn(civil.year, civil.month, civil.day), expected)
        << testing::Text(day);
    doubled += expected.size() > 1;
  }
  EXPECT_GT(doubled, 0) << "some days hold two festivals";
}

TEST(FestivalsOnTest, DaysWithTwoFestivals) {
  const auto names = [](int y, int m, int d) {
    std::vector<std::string> out;
    for (const Festival& f : FestivalsOn(y, m, d)) out.push_back(f.name);
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(names(2001, 10, 1), (V{"国庆节", "中秋节"}));
  EXPECT_EQ(names(2010, 2, 14), (V{"春节", "情人节"}));
  EXPECT_EQ(names(2024, 9, 17), (V{"中秋节"}));
  EXPECT_EQ(names(2024, 6, 26), V{});
  EXPECT_EQ(FestivalsOn(2001, 10, 1).front().category,
            FestivalCategory::kPublicHoliday);
  EXPECT_THROW(FestivalsOn(1901, 2, 18), std::out_of_range);
  EXPECT_THROW(FestivalsOn(2101, 1, 1), std::out_of_range);
}

TEST(FestivalDaysTest, NamedFestivalInAYear) {
  using namespace std::chrono_literals;
  using Days = std::vector<chr::year_month_day>;
  const struct {
    const char* name;
    int year;
    Days expected;
  } cases[] = {
      {"中秋节", 2023, {2023y / 9 / 29}},
      {"春节", 2024, {2024y / 2 / 10, 2024y / 2 / 11, 2024y / 2 / 12}},
      {"春节", 1901, {1901y / 2 / 19, 1901y / 2 / 20, 1901y / 2 / 21}},
      // 2009 had a leap fifth month: 端午 on 初五 of both.
      {"端午节", 2009, {2009y / 5 / 28, 2009y / 6 / 27}},
      // 腊八 of lunar 2023 falls in January 2024, that of lunar 2024 in 2025.
      {"腊八节", 2024, {2024y / 1 / 18}},
      {"国庆节", 2030, {2030y / 10 / 1, 2030y / 10 / 2, 2030y / 10 / 3}},
      {"元旦", 1901, {}},  // before the first day served
      {"除夕", 2024, {}},  // a note of the calendar, not a festival row
      {"", 2024, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FestivalDays(c.name, c.year), c.expected)
        << c.name << " " << c.year;
  }
  EXPECT_THROW(FestivalDays("春节", 2101), std::out_of_range);
}

}  // namespace
}  // namespace quillet
