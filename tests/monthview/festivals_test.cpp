#include "monthview/festivals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iterator>
#include <set>
#include <string>

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

}  // namespace
}  // namespace quillet
