#include "monthview/festivals.h"

#include <gtest/gtest.h>

#include <chrono>

#include "lunar/cn_calendar.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

TEST(FestivalTextTest, TableShape) {
  const auto rows = FestivalRows();
  ASSERT_EQ(rows.size(), 54u);
  int categoryCounts[4] = {};
  for (const FestivalRow& row : rows) {
    ASSERT_FALSE(row.text.empty());
    ASSERT_TRUE(row.text[0] >= '1' && row.text[0] <= '3') << row.text;
    ++categoryCounts[row.text[0] - '0'];
    EXPECT_TRUE(row.lastDay == row.firstDay || row.lastDay == row.firstDay + 2)
        << row.text;
  }
  EXPECT_EQ(categoryCounts[1], 4);
  EXPECT_EQ(categoryCounts[2], 41);
  EXPECT_EQ(categoryCounts[3], 9);
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

// Walks every day of the range with the component's own lunar dates: the
// first three days of the year are 春节 and the fifth of the fifth month is
// 端午节, leap month or not, unless a Gregorian row holds that day; the last
// day of the lunar year has no lunar row.
TEST(FestivalTextTest, LunarRowsOverTheRange) {
  const CnCalendar calendar;
  const auto lunarOf = [&](chr::sys_days day) {
    const chr::year_month_day ymd{day};
    return calendar.GregorianToLunar(
        static_cast<int>(ymd.year()),
        static_cast<int>(static_cast<unsigned>(ymd.month())),
        static_cast<int>(static_cast<unsigned>(ymd.day())));
  };
  int springFestivalDays = 0, leapDuanwu = 0, newYearsEves = 0;
  for (chr::sys_days day = chr::sys_days{chr::year{1902} / 1 / 1};
       day <= chr::sys_days{chr::year{2047} / 12 / 31}; day += chr::days{1}) {
    const chr::year_month_day ymd{day};
    const int y = static_cast<int>(ymd.year());
    const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
    const LunarDate lunar = lunarOf(day);
    const std::string text = FestivalText(y * 10000 + m * 100 + d);
    const bool gregorianRow = !FestivalTextFor(m, d, 0, 0).empty();
    SCOPED_TRACE(std::to_string(y * 10000 + m * 100 + d));
    if (lunar.month == 1 && lunar.day <= 3 && !gregorianRow) {
      EXPECT_EQ(text, "1春节");
      ++springFestivalDays;
    }
    if (lunar.month == 5 && lunar.day == 5 && !gregorianRow) {
      EXPECT_EQ(text, "3端午节");
      leapDuanwu += lunar.isLeapMonth;
    }
    const bool lastDay = day == chr::sys_days{chr::year{2047} / 12 / 31};
    if (!lastDay && lunarOf(day + chr::days{1}).year != lunar.year) {
      ++newYearsEves;
      EXPECT_TRUE(text.empty() || text[0] != '3') << text;
    }
  }
  EXPECT_GT(springFestivalDays, 400);
  EXPECT_GT(leapDuanwu, 0) << "some year of the range has a leap 5th month";
  EXPECT_EQ(newYearsEves, 146);  // lunar years 1901 .. 2046 end in range
}

}  // namespace
}  // namespace quillet
