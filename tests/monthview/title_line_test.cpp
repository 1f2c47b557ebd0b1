#include "monthview/title_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lunar/cn_calendar.h"

#include "tests/monthview/recording_canvas.h"

namespace quillet {
namespace {

TEST(EraPrefixTest, EraBoundaries) {
  const struct {
    int year;
    const char* era;
  } cases[] = {
      {1902, "◆光绪28"},  {1908, "◆光绪34"},   {1909, "◆宣统元"},
      {1910, "◆宣统2"},   {1911, "◆宣统3"},    {1912, "◆民国元"},
      {1913, "◆民国2"},   {1949, "◆民国38"},   {1950, "◆共和国元"},
      {1951, "◆共和国2"}, {2024, "◆共和国75"}, {2047, "◆共和国98"},
  };
  for (const auto& c : cases) EXPECT_EQ(EraPrefix(c.year), c.era) << c.year;
}

TEST(TitleTextTest, WorkedValues) {
  // The lunar year is that of the month's first day; the era follows the
  // Gregorian year.
  const struct {
    int year, month;
    const char* title;
  } cases[] = {
      {1902, 1, "◆光绪28年◆ 农历 辛丑年〖牛〗"},
      {1909, 1, "◆宣统元年◆ 农历 戊申年〖猴〗"},
      {1909, 3, "◆宣统元年◆ 农历 己酉年〖鸡〗"},
      {1949, 3, "◆民国38年◆ 农历 己丑年〖牛〗"},
      {1950, 1, "◆共和国元年◆ 农历 己丑年〖牛〗"},
      {1950, 3, "◆共和国元年◆ 农历 庚寅年〖虎〗"},
      {2024, 1, "◆共和国75年◆ 农历 癸卯年〖兔〗"},
      {2024, 2, "◆共和国75年◆ 农历 癸卯年〖兔〗"},  // new year on 10 Feb
      {2024, 3, "◆共和国75年◆ 农历 甲辰年〖龙〗"},
      {2047, 12, "◆共和国98年◆ 农历 丁卯年〖兔〗"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TitleText(c.year, c.month), c.title) << c.year << "-" << c.month;
  }
}

// A calendar that answers with fixed names and notes the order of the calls.
class CallOrderCalendar {
 public:
  LunarDate GregorianToLunar(int year, int month, int day) const {
    calls.push_back("GregorianToLunar " + std::to_string(year) + "-" +
                    std::to_string(month) + "-" + std::to_string(day));
    return {1984, 1, 1, false};
  }
  std::string SexagenaryName(int index) const {
    calls.push_back("SexagenaryName " + std::to_string(index));
    return "甲子";
  }
  std::string ZodiacAnimal(int year) const {
    calls.push_back("ZodiacAnimal " + std::to_string(year));
    return "鼠";
  }
  mutable std::vector<std::string> calls;
};

TEST(TitleTextTest, AsksTheCalendarInOrder) {
  const CallOrderCalendar calendar;
  EXPECT_EQ(TitleTextFrom(calendar, 1984, 3), "◆共和国35年◆ 农历 甲子年〖鼠〗");
  const std::vector<std::string> expected = {
      "GregorianToLunar 1984-3-1", "SexagenaryName 1", "ZodiacAnimal 1984"};
  EXPECT_EQ(calendar.calls, expected);
}

TEST(TitleTextTest, DrawMonthWritesTheTitleAndTwoAsciiSpaces) {
  testing::FakeControls controls("2024", "3");
  DrawMonth(controls);
  EXPECT_EQ(controls.title, "◆共和国75年◆ 农历 甲辰年〖龙〗");
  EXPECT_EQ(std::count(controls.title.begin(), controls.title.end(), ' '), 2);
}

}  // namespace
}  // namespace quillet
