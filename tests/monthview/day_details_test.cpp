// The details of a day, against published dates: the new year and the eve
// of 2024, 立春 2024 at 16:27 Beijing time, the leap second month of 2023,
// National Day and 中秋 on one day in 2020, 冬至 2021 a minute before
// midnight, and one of the months whose first day may be a day out.
#include "monthview/day_details.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "tests/support/further_year.h"
#include "tests/support/served_days.h"
#include "tests/support/sexagenary.h"

namespace quillet {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(DayDetailsTest, PublishedDays) {
  const struct {
    int year, month, day;
    const char* text;
  } cases[] = {
      // Lunar new year 2024 on a Saturday; 正月 ran to 9 March (二月初一 was
      // 10 March), 29 days. A 甲辰 day: days count on from the 甲子 of
      // 1949-10-01. The first of the eight days off, 10 to 17 February.
      {2024, 2, 10,
       "2024年2月10日 星期六\n"
       "农历甲辰年正月初一（小月，29天）\n"
       "甲辰年 丙寅月 甲辰日 属龙\n"
       "春节\n"
       "春节 休 第1天 法定假日"},
      // 立春 2024 at 16:27 Beijing time, six days before the new year: the
      // month is already 丙寅, the first of a 甲 year; 腊月 had 30 days
      // (from 11 January, its 三十 the eve). A Sunday worked for 春节.
      {2024, 2, 4,
       "2024年2月4日 星期日\n"
       "农历癸卯年腊月廿五（大月，30天）\n"
       "癸卯年 丙寅月 戊戌日 属兔（按立春算为甲辰年）\n"
       "立春 16:27（北京时间）\n"
       "春节调休 上班"},
      {2024, 2, 9,
       "2024年2月9日 星期五\n"
       "农历癸卯年腊月三十（大月，30天）\n"
       "癸卯年 丙寅月 癸卯日 属兔（按立春算为甲辰年）\n"
       "除夕"},
      // 2023's leap second month began on 22 March and had 29 days (三月初一
      // was 20 April); 惊蛰 had begun the 乙卯 month.
      {2023, 3, 22,
       "2023年3月22日 星期三\n"
       "农历癸卯年闰二月初一（小月，29天）\n"
       "癸卯年 乙卯月 己卯日 属兔"},
      // National Day and the mid-autumn festival fell on one day in 2020; the
      // grid's label shows only the first. The notice named the days off
      // of 1 to 8 October after both.
      {2020, 10, 1,
       "2020年10月1日 星期四\n"
       "农历庚子年八月十五（大月，30天）\n"
       "庚子年 乙酉月 丁丑日 属鼠\n"
       "国庆节、中秋节\n"
       "国庆节、中秋节 休 第1天 法定假日"},
      // 冬至 2021 at 23:59 Beijing time: its minute, never rounded into the
      // next day.
      {2021, 12, 21,
       "2021年12月21日 星期二\n"
       "农历辛丑年冬月十八（大月，30天）\n"
       "辛丑年 庚子月 癸卯日 属牛\n"
       "冬至 23:59（北京时间）"},
  };
  const CnCalendar calendar;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    EXPECT_EQ(DayDetailsText(calendar, c.year, c.month, c.day), c.text);
  }
}

// The month that begins on 2057-09-28 hangs on a new moon two seconds
// before midnight: its days say so, the days before it do not.
TEST(DayDetailsTest, AnUncertainMonthSaysSo) {
  const std::string kNote = "注：九月初一的新月临近午夜，此月的日子可能差一天";
  const struct {
    int month, day;
    bool noted;
  } cases[] = {{9, 27, false}, {9, 28, true}, {10, 10, true}};
  const CnCalendar calendar;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.day);
    const auto lines = Lines(DayDetailsText(calendar, 2057, c.month, c.day));
    EXPECT_EQ(lines.back() == kNote, c.noted);
  }
  const auto first = Lines(DayDetailsText(calendar, 2057, 9, 28));
  ASSERT_GE(first.size(), 2u);
  EXPECT_EQ(first[0], "2057年9月28日 星期五");
  EXPECT_EQ(first[1].rfind("农历丁丑年九月初一（", 0), 0u) << first[1];
}

// The line of 休 or 班 and the note of a year no notice covers, which end
// the details of these days, against the notices as published (春节 2026
// off 15 to 23 February, its statutory days 除夕 to 初三 the 16th to the
// 19th; 国庆节、中秋节 2025 off 1 to 8 October; 春节 2020 extended to 2
// February) and a file that adds 2027.
TEST(DayDetailsTest, OfficialLines) {
  static const OfficialDays with2027 = std::get<OfficialDays>(
      OfficialDays::WithFurtherYears(testing::kFurther2027));
  const OfficialDays& builtIn = OfficialDays::BuiltIn();
  const struct {
    const OfficialDays& table;
    int year, month, day;
    std::vector<std::string> lines;  // the last lines of the text
  } cases[] = {
      {builtIn, 2026, 2, 17, {"春节 休 第3天 法定假日"}},
      {builtIn, 2026, 2, 20, {"春节 休 第6天"}},
      {builtIn, 2025, 9, 28, {"国庆节、中秋节调休 上班"}},
      {builtIn, 2020, 2, 2, {"春节 休 第10天"}},
      {builtIn, 2027, 2, 6, {"春节 休 法定假日", "2027年调休安排尚未收录"}},
      {builtIn, 2027, 3, 1, {"2027年调休安排尚未收录"}},
      {builtIn, 2005, 10, 1, {}},
      {with2027, 2027, 2, 6, {"春节 休 第2天 法定假日"}},
      {with2027, 2027, 3, 1, {}},
      {with2027, 2028, 1, 1, {"元旦 休 法定假日", "2028年调休安排尚未收录"}},
  };
  const CnCalendar calendar;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    const auto lines =
        Lines(DayDetailsText(calendar, c.year, c.month, c.day, c.table));
    ASSERT_GT(lines.size(), c.lines.size());
    const auto tail = lines.end() - static_cast<long>(c.lines.size());
    EXPECT_EQ(std::vector<std::string>(tail, lines.end()), c.lines);
    // Nothing more of the kind before them.
    for (const char* word : {"休", "班", "收录"}) {
      EXPECT_EQ(tail[-1].find(word), std::string::npos) << tail[-1];
    }
  }
}

TEST(DayDetailsTest, OnlyServedDays) {
  const CnCalendar calendar;
  EXPECT_THROW(DayDetailsText(calendar, 1901, 2, 18), std::out_of_range);
  EXPECT_THROW(DayDetailsText(calendar, 2101, 1, 1), std::out_of_range);
  EXPECT_NO_THROW(DayDetailsText(calendar, 1901, 2, 19));
  EXPECT_NO_THROW(DayDetailsText(calendar, 2100, 12, 31));
}

// Every day the window shows: the first line by a weekday of its own
// reckoning (Zeller's congruence), the day's stem and branch by its Julian
// day number, and lines that are never empty.
TEST(DayDetailsTest, EveryShownDay) {
  static const char* const kWeekdays[] = {
      "星期六", "星期日", "星期一", "星期二", "星期三", "星期四", "星期五"};
  const CnCalendar calendar;
  for (auto d = testing::kFirstShownDay; d <= testing::kLastShownDay;
       d += std::chrono::days{1}) {
    const auto [y, m, day] = testing::Civil(d);
    const int zy = m < 3 ? y - 1 : y, zm = m < 3 ? m + 12 : m;
    const int zeller = (day + 13 * (zm + 1) / 5 + zy % 100 + zy % 100 / 4 +
                        zy / 400 - 2 * (zy / 100) + 700) %
                       7;
    const long cycle = (testing::JulianDayNumber(y, m, day) - 11) % 60 + 1;
    const auto lines = Lines(DayDetailsText(calendar, y, m, day));
    ASSERT_GE(lines.size(), 3u);
    ASSERT_EQ(lines[0], std::to_string(y) + "年" + std::to_string(m) + "月" +
                            std::to_string(day) + "日 " + kWeekdays[zeller]);
    ASSERT_EQ(lines[1].rfind("农历", 0), 0u) << lines[1];
    const std::string dayName =
        testing::CycleName(static_cast<int>(cycle)) + "日";
    ASSERT_NE(lines[2].find(" " + dayName + " "), std::string::npos)
        << lines[0] << " " << lines[2];
    for (const auto& line : lines) ASSERT_FALSE(line.empty()) << lines[0];
  }
}

}  // namespace
}  // namespace quillet
