#include "monthview/day_label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "monthview/gbk.h"
#include "monthview/month_view.h"
#include "tests/monthview/recording_canvas.h"
#include "tests/support/festival_rows.h"

namespace quillet {
namespace {

using testing::FakeControls;
using testing::Write;

constexpr Rgb kRed{0xFF, 0, 0};
constexpr Rgb kGreen{0, 0xFF, 0};
constexpr Rgb kBlue{0, 0, 0xFF};
constexpr Rgb kViolet{0x90, 0, 0xFF};
constexpr Rgb kBlack{0, 0, 0};

struct DrawnDay {
  Write number;
  Write label;
  int cellX;
};

// Draws the month of `year`-`month` and returns each day's number and label.
std::vector<DrawnDay> DrawDays(int year, int month) {
  FakeControls controls(std::to_string(year), std::to_string(month));
  DrawMonth(controls);
  const auto& writes = controls.canvas.writes;
  std::vector<DrawnDay> days;
  for (size_t i = 1; i + 1 < writes.size(); i += 2) {
    const Write& number = writes[i];
    const int cellX = number.x + (number.text.size() == 1 ? 8 : 16);
    days.push_back({number, writes[i + 1], cellX});
  }
  return days;
}

struct LabelCase {
  int year, month, day;
  const char* text;
  Rgb color;
  int leftOffset;  // from the column's centre line
  const char* why;
};

TEST(DayLabelTest, LabelsOfWholeMonths) {
  const LabelCase cases[] = {
      {2025, 1, 1, "元旦", kRed, -15, "festival of 5 bytes"},
      {2024, 7, 1, "香港回归中共诞辰", kGreen, -51, "17 bytes"},
      {2024, 2, 9, "除夕", kBlue, -12, "new year's eve"},
      {2024, 2, 10, "春节", kRed, -15, "lunar new year's day"},
      {2024, 2, 11, "春节", kRed, -15, "second day"},
      {2024, 2, 12, "春节", kRed, -15, "third day"},
      {2024, 2, 13, "初四", kBlack, -12, "spring festival is over"},
      {2010, 2, 14, "春节", kRed, -15, "new year on valentine's day"},
      {2015, 2, 19, "春节", kRed, -15, "雨水 on new year's day: no note"},
      {2020, 10, 1, "国庆节", kRed, -21, "national day on mid-autumn"},
      {2025, 10, 6, "老人节", kGreen, -21, "Gregorian rows before 中秋节"},
      {2024, 9, 17, "中秋节", kBlue, -21, "category 3 is blue"},
      {2024, 6, 10, "端午节", kBlue, -21, "lunar 5-5"},
      {2009, 6, 27, "端午节", kBlue, -21, "the fifth of a leap fifth month"},
      {2041, 2, 3, "春节", kRed, -15, "立春 on the third day gives way"},
      {2024, 3, 10, "二月大", kViolet, -18, "month of 30 days"},
      {2023, 3, 22, "闰二月小", kViolet, -24, "leap month of 29 days"},
      {2020, 5, 23, "闰四月小", kViolet, -30,
       "a Saturday: moved 6 pixels left, off the canvas's edge"},
      {2024, 12, 31, "十二月小", kViolet, -24, "month of 29 days"},
      {2024, 3, 19, "初十", kBlack, -12, "day 10"},
      {2024, 5, 18, "十一", kBlack, -12, "day 11"},
      {2024, 3, 28, "十九", kBlack, -12, "day 19"},
      {2024, 3, 29, "二十", kBlack, -12, "day 20"},
      {2024, 3, 30, "廿一", kBlack, -12, "day 21"},
      {2024, 3, 9, "廿九", kBlack, -12, "day 29"},
      {2024, 4, 8, "三十", kBlack, -12, "day 30"},
  };
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + ": " + c.why);
    const auto days = DrawDays(c.year, c.month);
    ASSERT_GE(days.size(), static_cast<size_t>(c.day));
    const DrawnDay& d = days[c.day - 1];
    EXPECT_EQ(d.label.text, c.text);
    EXPECT_EQ(d.label.color, c.color);
    EXPECT_EQ(d.label.x, d.cellX + c.leftOffset);
    EXPECT_EQ(d.label.y, d.number.y + 30);
  }
}

// What a day's label is, worked out here from the lunar component (its
// dates, notes and month lengths) and the literal festival rows: its text,
// its colour and where the rule puts its left edge.
struct ExpectedLabel {
  std::string text;
  Rgb color;
  int leftOffset;
};

ExpectedLabel Expect(const CnCalendar& calendar, int year, int month, int day) {
  static const char* const kNumerals[] = {"一", "二", "三",   "四",
                                          "五", "六", "七",   "八",
                                          "九", "十", "十一", "十二"};
  static const char* const kDayNames[] = {
      "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九",
      "初十", "十一", "十二", "十三", "十四", "十五", "十六", "十七",
      "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四", "廿五",
      "廿六", "廿七", "廿八", "廿九", "三十"};
  // Every text here is Chinese characters only: three UTF-8 bytes, two GBK.
  const auto gbkBytes = [](const std::string& text) {
    return 2 * static_cast<int>(text.size() / 3);
  };
  const LunarDate lunar = calendar.GregorianToLunar(year, month, day);
  const std::string note = calendar.LunarDateNote(lunar.year, lunar.month,
                                                  lunar.day, lunar.isLeapMonth);
  if (!note.empty()) return {note, kBlue, -12};
  const std::string festival =
      testing::ExpectedFestival({year, month, day}, lunar);
  if (!festival.empty()) {
    const std::string name = festival.substr(1);
    const Rgb color = festival[0] == '1'   ? kRed
                      : festival[0] == '2' ? kGreen
                                           : kBlue;
    return {name, color, -3 * (gbkBytes(name) + 1)};
  }
  if (lunar.day == 1) {
    const int days =
        calendar.LunarMonthDays(lunar.year, lunar.month, lunar.isLeapMonth);
    const std::string name = std::string(lunar.isLeapMonth ? "闰" : "") +
                             kNumerals[lunar.month - 1] +
                             (days == 30 ? "月大" : "月小");
    return {name, kViolet, -3 * gbkBytes(name)};
  }
  return {kDayNames[lunar.day - 2], kBlack, -12};
}

struct Box {
  int left, right;
};

// Every day of every month of the range: the label the day should have, in
// its colour and font, 30 pixels under its number; inside the canvas and
// apart from the labels beside it; where its place by the rule is inside the
// canvas and apart from its neighbours' places, written there whole; a
// condensed one keeps at least 60 % and is condensed only where the room its
// neighbours leave could not hold it whole.
TEST(DayLabelTest, WholeRangeSweep) {
  const CnCalendar calendar;
  int moved = 0, condensed = 0, leapMonthNames = 0, leapMonthFestivals = 0;
  double leastShare = 1;
  for (int year = 1902; year <= 2047; ++year) {
    for (int month = 1; month <= 12; ++month) {
      SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month));
      const std::vector<DrawnDay> days = DrawDays(year, month);
      std::vector<Box> rule, drawn;
      for (std::size_t i = 0; i < days.size(); ++i) {
        const DrawnDay& d = days[i];
        const ExpectedLabel expected =
            Expect(calendar, year, month, static_cast<int>(i) + 1);
        ASSERT_EQ(d.label.text, expected.text) << "day " << i + 1;
        ASSERT_EQ(d.label.color, expected.color) << expected.text;
        EXPECT_EQ(d.label.y, d.number.y + 30);
        EXPECT_EQ(d.label.font, (CanvasFont{"宋体", 9, false}));
        leapMonthNames += expected.text.starts_with("闰");
        leapMonthFestivals +=
            expected.text == "端午节" &&
            calendar.GregorianToLunar(year, month, static_cast<int>(i) + 1)
                .isLeapMonth;
        const int whole = 12 * static_cast<int>(expected.text.size() / 3);
        const int left = d.cellX + expected.leftOffset;
        rule.push_back({left, left + whole});
        drawn.push_back(
            {d.label.x, d.label.x + d.label.within.value_or(whole)});
      }
      for (std::size_t i = 0; i < days.size(); ++i) {
        const Write& label = days[i].label;
        // The neighbours: the days before and after in the same row.
        const bool hasPrev = i > 0 && days[i - 1].label.y == label.y;
        const bool hasNext =
            i + 1 < days.size() && days[i + 1].label.y == label.y;
        EXPECT_GE(drawn[i].left, 0) << label.text;
        EXPECT_LE(drawn[i].right, 440) << label.text;
        if (hasNext) {
          EXPECT_LE(drawn[i].right, drawn[i + 1].left) << label.text;
        }
        const bool fitted = rule[i].left >= 0 && rule[i].right <= 440 &&
                            (!hasPrev || rule[i - 1].right <= rule[i].left) &&
                            (!hasNext || rule[i].right <= rule[i + 1].left);
        if (fitted) {
          EXPECT_EQ(label.x, rule[i].left) << label.text;
          EXPECT_EQ(label.within, std::nullopt) << label.text;
          continue;
        }
        const int whole = rule[i].right - rule[i].left;
        if (!label.within) {
          ++moved;
          continue;
        }
        ++condensed;
        const double share = static_cast<double>(*label.within) / whole;
        leastShare = std::min(leastShare, share);
        EXPECT_GE(*label.within * 10, whole * 6) << label.text;
        EXPECT_LT(*label.within, whole) << label.text;
        // Condensed only where it could not stand whole between what its
        // neighbours (4 pixels off) and the canvas's edges leave it.
        const int roomLeft = hasPrev ? drawn[i - 1].right + 4 : 0;
        const int roomRight = hasNext ? drawn[i + 1].left - 4 : 440;
        EXPECT_GT(whole, roomRight - roomLeft) << label.text;
      }
    }
  }
  // About seven leap months in nineteen years; some fall in the first three
  // days of a year's first month and some elsewhere, but most show.
  EXPECT_GT(leapMonthNames, 30);
  EXPECT_GT(leapMonthFestivals, 0) << "端午节 in a leap fifth month";
  EXPECT_GT(moved, 0);
  EXPECT_GT(condensed, 0);
  std::printf("labels moved %d, condensed %d, least share %.3f\n", moved,
              condensed, leastShare);
}

// The months that showed labels cut off at the canvas's edge or run into
// each other, each day's label as it is written now.
TEST(DayLabelTest, CrowdedLabels) {
  const struct {
    int year, month, day;
    const char* text;
    int x;
    std::optional<int> within;
    const char* why;
  } cases[] = {
      {2026, 12, 5, "国际志愿人员日", 374, 66,
       "a Saturday: 84 pixels condensed into 374..440"},
      {2026, 12, 4, "廿六", 346, std::nullopt, "its neighbour stays"},
      {2026, 12, 26, "毛泽东诞辰", 380, std::nullopt,
       "a Saturday: whole, moved 9 left, 4 right of 圣诞节"},
      {2026, 12, 25, "圣诞节", 337, std::nullopt, "fits as it is"},
      {2018, 7, 1, "香港回归中共诞辰", 0, 86,
       "a Sunday: condensed into 0..86, 4 left of 十九"},
      {1902, 6, 5, "世界环境保护日", 246, std::nullopt,
       "over 全国爱眼日: 3 left, all the room there is"},
      {1902, 6, 6, "全国爱眼日", 334, std::nullopt, "9 right"},
      {2002, 12, 4, "十一月大", 202, std::nullopt,
       "over 国际志愿人员日: the two share 9 pixels, 4 left"},
      {2002, 12, 5, "国际志愿人员日", 254, std::nullopt, "5 right"},
      {1904, 6, 5, "世界环境保护日", 0, std::nullopt,
       "a Sunday: starts at -7, moved 7 right"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + ": " + c.why);
    const auto days = DrawDays(c.year, c.month);
    ASSERT_GE(days.size(), static_cast<size_t>(c.day));
    const Write& label = days[c.day - 1].label;
    EXPECT_EQ(label.text, c.text);
    EXPECT_EQ(label.x, c.x);
    EXPECT_EQ(label.within, c.within);
  }
}

TEST(DayLabelTest, MonthAndDayNames) {
  const struct {
    int month;
    bool leap;
    int days;
    const char* name;
  } months[] = {{1, false, 30, "一月大"},    {3, false, 30, "三月大"},
                {10, false, 29, "十月小"},   {11, true, 29, "闰十一月小"},
                {12, false, 30, "十二月大"}, {4, true, 30, "闰四月大"}};
  for (const auto& m : months) {
    EXPECT_EQ(LunarMonthLabel(m.month, m.leap, m.days), m.name);
  }
  EXPECT_EQ(GbkByteLength(LunarMonthLabel(11, true, 29)), 10u);
}

// The label in either script: the same choice, with the note and a leap
// month's 闰 in the script asked for; festival names have one form.
TEST(DayLabelTest, LabelsInEitherScript) {
  const CnCalendar calendar;
  const struct {
    int year, month, day;
    Script script;
    DayLabelKind kind;
    const char* text;
  } rows[] = {
      {2024, 3, 5, Script::kSimplified, DayLabelKind::kNote, "惊蛰"},
      {2024, 3, 5, Script::kTraditional, DayLabelKind::kNote, "驚蟄"},
      // 闰二月 of 2023 began on 22 March and had 29 days.
      {2023, 3, 22, Script::kSimplified, DayLabelKind::kMonthName, "闰二月小"},
      {2023, 3, 22, Script::kTraditional, DayLabelKind::kMonthName, "閏二月小"},
      {2025, 10, 1, Script::kTraditional, DayLabelKind::kFestival, "国庆节"},
      {2027, 2, 5, Script::kTraditional, DayLabelKind::kNote, "除夕"},
  };
  for (const auto& r : rows) {
    const DayLabel label = ChooseDayLabel(
        calendar, r.year * 10000 + r.month * 100 + r.day, r.script);
    EXPECT_EQ(label.kind, r.kind) << r.text;
    EXPECT_EQ(label.text, r.text);
  }
}

// Every served day has a label, 1901-02-19 to 2100-12-31, beyond the
// window's years; the days either side of the range are refused.
TEST(DayLabelTest, EveryServedDay) {
  namespace chr = std::chrono;
  const CnCalendar calendar;
  int days = 0;
  for (chr::sys_days d{kFirstServedDay}; d <= chr::sys_days{kLastServedDay};
       ++d, ++days) {
    const chr::year_month_day date{d};
    const int key = static_cast<int>(date.year()) * 10000 +
                    static_cast<int>(unsigned{date.month()}) * 100 +
                    static_cast<int>(unsigned{date.day()});
    const DayLabel label = ChooseDayLabel(calendar, key);
    ASSERT_FALSE(label.text.empty()) << key;
    ASSERT_EQ(label.lunar, calendar.GregorianToLunar(
                               static_cast<int>(date.year()),
                               static_cast<int>(unsigned{date.month()}),
                               static_cast<int>(unsigned{date.day()})));
  }
  EXPECT_EQ(days, 73000);
  // 1901-02-19 is 正月初一 of 1901: 春节.
  EXPECT_EQ(ChooseDayLabel(calendar, 19010219).text, "春节");
  EXPECT_THROW(ChooseDayLabel(calendar, 19010218), std::out_of_range);
  EXPECT_THROW(ChooseDayLabel(calendar, 21010101), std::out_of_range);
}

}  // namespace
}  // namespace quillet
