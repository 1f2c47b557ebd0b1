#include "monthview/day_label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "monthview/gbk.h"
#include "monthview/month_view.h"
#include "tests/monthview/recording_canvas.h"

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
      {2024, 3, 10, "二月大", kViolet, -18, "month of 30 days"},
      {2023, 3, 22, "闰二月小", kViolet, -24, "leap month of 29 days"},
      {2020, 5, 23, "闰四月小", kViolet, -24, "leap month of 29 days"},
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

// Gregorian rows hold in every year; on the days where a solar term can
// fall, the term's note wins.
TEST(DayLabelTest, FixedDatesInEveryYear) {
  const struct {
    int month, day;
    const char* festival;
    Rgb color;
    const char* possibleNote;  // "" when no term can fall that day
  } cases[] = {
      {1, 1, "元旦", kRed, ""},
      {5, 20, "母亲节", kGreen, "小满"},
      {6, 5, "世界环境保护日", kGreen, "芒种"},
      {6, 6, "全国爱眼日", kGreen, "芒种"},
      {12, 20, "澳门回归", kGreen, ""},
      {7, 1, "香港回归中共诞辰", kGreen, ""},
  };
  for (const auto& c : cases) {
    int festivalYears = 0;
    for (int year = 1902; year <= 2047; ++year) {
      const DrawnDay d = DrawDays(year, c.month)[c.day - 1];
      if (d.label.color == kBlue && d.label.text == c.possibleNote) {
        EXPECT_EQ(d.label.x, d.cellX - 12);
        continue;
      }
      ++festivalYears;
      EXPECT_EQ(d.label.text, c.festival) << year;
      EXPECT_EQ(d.label.color, c.color) << year;
    }
    EXPECT_GT(festivalYears, 40) << c.festival;
  }
}

// Every month of the range: one number and one label per day, each label
// non-empty, in one of the six colours, at the place its kind gives.
TEST(DayLabelTest, WholeRangeSweep) {
  const std::set<std::string> dayNames = {
      "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九",
      "初十", "十一", "十二", "十三", "十四", "十五", "十六", "十七",
      "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四", "廿五",
      "廿六", "廿七", "廿八", "廿九", "三十"};
  int leapMonthNames = 0;
  for (int year = 1902; year <= 2047; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (const DrawnDay& d : DrawDays(year, month)) {
        const Write& label = d.label;
        ASSERT_FALSE(label.text.empty()) << year << "-" << month;
        EXPECT_EQ(label.y, d.number.y + 30);
        EXPECT_EQ(label.font, (CanvasFont{"宋体", 9, false}));
        const int bytes = static_cast<int>(GbkByteLength(label.text));
        if (label.color == kBlack) {
          EXPECT_TRUE(dayNames.contains(label.text)) << label.text;
          EXPECT_EQ(label.x, d.cellX - 12);
        } else if (label.color == kViolet) {
          EXPECT_TRUE(label.text.ends_with("月大") ||
                      label.text.ends_with("月小"))
              << label.text;
          EXPECT_EQ(label.x, d.cellX - 3 * bytes);
          leapMonthNames += label.text.starts_with("闰");
        } else if (label.color == kRed || label.color == kGreen) {
          EXPECT_EQ(label.x, d.cellX - 3 * (bytes + 1)) << label.text;
        } else {
          ASSERT_EQ(label.color, kBlue) << label.text;
          // A note at the fixed place, or a category-3 festival.
          EXPECT_TRUE(label.x == d.cellX - 12 ||
                      label.x == d.cellX - 3 * (bytes + 1))
              << label.text;
        }
        EXPECT_EQ(label.text.find_first_of("0123456789"), std::string::npos)
            << "no category digit is ever shown: " << label.text;
      }
    }
  }
  // About seven leap months in nineteen years; some fall in the first three
  // days of a year's first month and some elsewhere, but most show.
  EXPECT_GT(leapMonthNames, 30);
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
    EXPECT_EQ(LunarMonthName(m.month, m.leap, m.days), m.name);
  }
  EXPECT_EQ(GbkByteLength(LunarMonthName(11, true, 29)), 10u);
}

}  // namespace
}  // namespace quillet
