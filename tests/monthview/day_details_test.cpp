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
      // The new moon of the new year at 22:59 UT on the 9th (USNO), 06:59 in
      // UTC+8. 立春 on the 4th began 东风解冻, and five days on 蛰虫始振; the
      // 51st day from 冬至 2023-12-22 is 六九's sixth. In the 寅 month a 辰
      // day is 满; a Saturday, so a 土 mansion: 氐; 甲辰 覆灯火; 辰 clashes
      // with 戌 (狗) and, of 申子辰, has its 煞 in the south.
      {2024, 2, 10,
       "2024年2月10日 星期六\n"
       "农历甲辰年正月初一（小月，29天）\n"
       "甲辰年 丙寅月 甲辰日 属龙\n"
       "春节\n"
       "春节 休 第1天 法定假日\n"
       "蛰虫始振 六九第6天 朔 06:59\n"
       "满 氐土貉 覆灯火 冲狗煞南 甲不开仓 辰不哭泣"},
      // 立春 2024 at 16:27 Beijing time, six days before the new year: the
      // month is already 丙寅, the first of a 甲 year; 腊月 had 30 days
      // (from 11 January, its 三十 the eve). A Sunday worked for 春节.
      // 立春 begins 东风解冻 and the 寅 month, and the officer of the day
      // before, 成, comes again. 冬至 2023-12-22 + 44 days: 五九's ninth.
      {2024, 2, 4,
       "2024年2月4日 星期日\n"
       "农历癸卯年腊月廿五（大月，30天）\n"
       "癸卯年 丙寅月 戊戌日 属兔（按立春算为甲辰年）\n"
       "立春 16:27（北京时间）\n"
       "春节调休 上班\n"
       "东风解冻 五九第9天\n"
       "成 星日马 平地木 冲龙煞北 戊不受田 戌不吃犬"},
      {2024, 2, 9,
       "2024年2月9日 星期五\n"
       "农历癸卯年腊月三十（大月，30天）\n"
       "癸卯年 丙寅月 癸卯日 属兔（按立春算为甲辰年）\n"
       "除夕\n"
       "蛰虫始振 六九第5天\n"
       "除 亢金龙 金箔金 冲鸡煞西 癸不词讼 卯不穿井"},
      // 2023's leap second month began on 22 March and had 29 days (三月初一
      // was 20 April); 惊蛰 had begun the 乙卯 month. Its new moon at 17:23
      // UT on 21 March (USNO), 01:23 in UTC+8; 春分 on the 21st began 玄鸟至;
      // the nines ended on 12 March. A Wednesday (水): 壁水貐.
      {2023, 3, 22,
       "2023年3月22日 星期三\n"
       "农历癸卯年闰二月初一（小月，29天）\n"
       "癸卯年 乙卯月 己卯日 属兔\n"
       "玄鸟至 朔 01:23\n"
       "建 壁水貐 城头土 冲鸡煞西 己不破券 卯不穿井"},
      // National Day and the mid-autumn festival fell on one day in 2020; the
      // grid's label shows only the first. The notice named the days off
      // of 1 to 8 October after both. The full moon came the next morning
      // (05:05, HKO); 秋分 on 22 September, nine days before: its second
      // pentad. A 丑 day in the 酉 month: 定.
      {2020, 10, 1,
       "2020年10月1日 星期四\n"
       "农历庚子年八月十五（大月，30天）\n"
       "庚子年 乙酉月 丁丑日 属鼠\n"
       "国庆节、中秋节\n"
       "国庆节、中秋节 休 第1天 法定假日\n"
       "蛰虫坯户\n"
       "定 斗木獬 涧下水 冲羊煞东 丁不剃头 丑不冠带"},
      // 冬至 2021 at 23:59 Beijing time: its minute, never rounded into the
      // next day. 冬至 begins 蚯蚓结 and 一九; a Tuesday (火): 尾火虎.
      {2021, 12, 21,
       "2021年12月21日 星期二\n"
       "农历辛丑年冬月十八（大月，30天）\n"
       "辛丑年 庚子月 癸卯日 属牛\n"
       "冬至 23:59（北京时间）\n"
       "蚯蚓结 一九第1天\n"
       "平 尾火虎 金箔金 冲鸡煞西 癸不词讼 卯不穿井"},
  };
  const CnCalendar calendar;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    EXPECT_EQ(DayDetailsText(calendar, c.year, c.month, c.day), c.text);
  }
}

// The seasons and the almanac, which end the details of these days, worked
// out from the days of the solar terms (2024: 小寒 1-06, 芒种 6-05, 小暑 7-06,
// 立秋 8-07, 处暑 8-22; 冬至 2023-12-22; 白露 2008-09-07), the stem and branch
// of each day, and the officers counted from the month the 节 begin.
TEST(DayDetailsTest, SeasonsAndAlmanac) {
  const struct {
    int year, month, day;
    const char* seasons;
    const char* almanac;
  } cases[] = {
      // 23 days from 冬至 across the year's end: 三九's fifth. 小寒 + 7 days:
      // the second pentad. A 子 day in the 丑 month is 闭.
      {2024, 1, 13, "鹊始巢 三九第5天",
       "闭 氐土貉 涧下水 冲马煞南 丙不修灶 子不问卜"},
      // 芒种 was a 庚子 day; the first 丙 day after it, 丙午, 入梅.
      {2024, 6, 11, "鵙始鸣 入梅",
       "建 室火猪 天河水 冲鼠煞北 丙不修灶 午不苫盖"},
      // 小暑, a 辛未 day and a 节: 出梅 on the term's own day, and the 未
      // month makes it 建 again after 7-05's 建. 六月初一, whose new moon
      // came at 22:57 UT on the 5th (USNO), 06:57 in UTC+8.
      {2024, 7, 6, "温风至 出梅 朔 06:57",
       "建 女土蝠 路旁土 冲牛煞西 辛不合酱 未不服药"},
      // 夏至 6-21 (丙子): the third 庚 day from it, 庚寅 7-15, is 入伏. A
      // 壬 day: 壬不汲水, as lunar_names.cpp reads it (some printings have
      // 泱水 or 决水).
      {2024, 7, 17, "鹰始挚 初伏第3天",
       "闭 参水猿 杨柳木 冲鼠煞北 壬不汲水 午不苫盖"},
      // The full moon at 10:17 UT (USNO), 18:17 in UTC+8.
      {2024, 7, 21, "鹰始挚 初伏第7天 望 18:17",
       "平 星日马 屋上土 冲龙煞北 丙不修灶 戌不吃犬"},
      // 末伏 from 庚戌 8-14, ten days, so 8-24 is 出伏; 处暑 + 2 days.
      {2024, 8, 24, "鹰乃祭鸟 出伏",
       "建 氐土貉 石榴木 冲虎煞南 庚不经络 申不安床"},
      // The full moon of 17:13 (HKO), the day after 中秋 2008.
      {2008, 9, 15, "玄鸟归 望 17:13",
       "收 心月狐 天上火 冲鼠煞北 戊不受田 午不苫盖"},
  };
  const CnCalendar calendar;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    const auto lines = Lines(DayDetailsText(calendar, c.year, c.month, c.day));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.end()[-2], c.seasons);
    EXPECT_EQ(lines.end()[-1], c.almanac);
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

// The line of 休 or 班 and the note of a year no notice covers, which come
// before the seasons and the almanac, against the notices as published (春节
// 2026 off 15 to 23 February, its statutory days 除夕 to 初三 the 16th to the
// 19th; 国庆节、中秋节 2025 off 1 to 8 October; 春节 2020 extended to 2
// February) and a file that adds 2027.
TEST(DayDetailsTest, OfficialLines) {
  static const OfficialDays with2027 = std::get<OfficialDays>(
      OfficialDays::WithFurtherYears(testing::kFurther2027));
  const OfficialDays& builtIn = OfficialDays::BuiltIn();
  const struct {
    const OfficialDays& table;
    int year, month, day;
    std::vector<std::string> lines;  // the lines before the seasons'
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
    // The seasons and the almanac come last on these days.
    ASSERT_GT(lines.size(), c.lines.size() + 2);
    const auto end = lines.end() - 2;
    const auto tail = end - static_cast<long>(c.lines.size());
    EXPECT_EQ(std::vector<std::string>(tail, end), c.lines);
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
