// The month grids of `cal`, laid out without a process. Widths are counted
// here by a rule of the test's own: ASCII takes one column, and the only
// other characters a grid may hold are CJK symbols, ideographs and
// full-width forms (East Asian Width W or F), two columns each; anything
// else fails the test.
#include "cli/cal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;

// Columns of a plain (uncoloured) line, or nullopt if it holds a character
// the rule above does not know.
std::optional<int> Columns(std::string_view line) {
  int columns = 0;
  for (std::size_t i = 0; i < line.size();) {
    const auto lead = static_cast<unsigned char>(line[i]);
    if (lead >= 0x20 && lead < 0x7F) {
      ++columns;
      ++i;
      continue;
    }
    if (lead < 0xE3 || lead > 0xEF || i + 2 >= line.size()) return {};
    const unsigned codepoint =
        ((lead & 0x0Fu) << 12) |
        ((static_cast<unsigned char>(line[i + 1]) & 0x3Fu) << 6) |
        (static_cast<unsigned char>(line[i + 2]) & 0x3Fu);
    const bool wide = (codepoint >= 0x3000 && codepoint <= 0x303E) ||
                      (codepoint >= 0x4E00 && codepoint <= 0x9FFF) ||
                      (codepoint >= 0xFF01 && codepoint <= 0xFF60);
    if (!wide) return {};
    columns += 2;
    i += 3;
  }
  return columns;
}

// The text that stands in columns [from, from + count) of a plain line.
std::string ColumnsOf(std::string_view line, int from, int count) {
  std::string text;
  int column = 0;
  for (std::size_t i = 0; i < line.size();) {
    const bool ascii = static_cast<unsigned char>(line[i]) < 0x80;
    const std::size_t length = ascii ? 1 : 3;
    const int width = ascii ? 1 : 2;
    if (column >= from && column + width <= from + count) {
      text += line.substr(i, length);
    }
    column += width;
    i += length;
  }
  return text;
}

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

// Every month of the range, in both scripts and with either first weekday,
// 休 and 班 marked: every line is exactly seven cells wide, every day's
// number stands in its weekday's column with nothing or a mark after it and
// a label under it, and every label cut short is listed whole under the
// grid.
TEST(CalTest, EveryMonthAligned) {
  const CnCalendar calendar;
  int months = 0;
  for (const Script script : {Script::kSimplified, Script::kTraditional}) {
    for (const bool monday : {false, true}) {
      const CalStyle style{.mondayFirst = monday,
                           .script = script,
                           .today = std::nullopt,
                           .official = &OfficialDays::BuiltIn(),
                           .seasons = true};
      for (chr::year_month month = kFirstCalMonth; month <= kLastCalMonth;
           month += chr::months{1}) {
        ++months;
        const MonthBlock block = LayOutMonth(calendar, month, style);
        std::vector<std::string> lines = block.grid;
        lines.insert(lines.end(), block.longNames.begin(),
                     block.longNames.end());
        lines.insert(lines.end(), block.seasons.begin(), block.seasons.end());
        lines.insert(lines.end(), block.holidays.begin(), block.holidays.end());
        for (const std::string& line : lines) {
          ASSERT_EQ(Columns(line), std::optional<int>{35})
              << static_cast<int>(month.year()) << "-"
              << unsigned{month.month()} << ": '" << line << "'";
        }
        const std::string listed = [&] {
          std::string all;
          for (const std::string& line : block.longNames) all += line + "  ";
          return all;
        }();
        const int lead =
            (static_cast<int>(
                 chr::weekday{chr::sys_days{month / 1}}.c_encoding()) +
             7 - (monday ? 1 : 0)) %
            7;
        const int days = static_cast<int>(unsigned{(month / chr::last).day()});
        for (int d = 1; d <= days; ++d) {
          const int cell = lead + d - 1;
          const std::size_t row = 2 + 2 * static_cast<std::size_t>(cell / 7);
          ASSERT_LT(row + 1, block.grid.size());
          const int column = (cell % 7) * 5;
          EXPECT_EQ(Trimmed(ColumnsOf(block.grid[row], column, 3)),
                    std::to_string(d));
          const std::string mark = ColumnsOf(block.grid[row], column + 3, 2);
          EXPECT_TRUE(mark == "  " || mark == "休" || mark == "班") << mark;
          const std::string label = ColumnsOf(block.grid[row + 1], column, 5);
          ASSERT_GE(label.size(), 6u) << d;  // two characters at least
          if (label.find('*') != std::string::npos) {
            const std::string entry = std::to_string(unsigned{month.month()}) +
                                      "月" + std::to_string(d) + "日 " +
                                      label.substr(0, 6);
            EXPECT_NE(listed.find(entry), std::string::npos)
                << entry << " in " << listed;
          }
        }
      }
    }
  }
  EXPECT_EQ(months, 4 * (200 * 12 - 2));
}

// A month in full: the leap second month of 2023 begins on 22 March (the
// Purple Mountain Observatory's calendar), 惊蛰 falls on the 6th and 春分 on
// the 21st; the festivals are the program's Gregorian ones.
TEST(CalTest, OneMonthInTraditionalScript) {
  const CalRequest request{.year = 2023, .month = 3};
  const CalStyle style{.script = Script::kTraditional, .today = std::nullopt};
  EXPECT_EQ(CalendarText(CnCalendar{}, request, style),
            "        2023年3月 癸卯年 兔        \n"
            " 日   一   二   三   四   五   六  \n"
            "                 1    2    3    4  \n"
            "               初十 十一 十二 十三 \n"
            "  5    6    7    8    9   10   11  \n"
            "学雷*驚蟄 十六 妇女*十八 十九 二十 \n"
            " 12   13   14   15   16   17   18  \n"
            "植树*廿二 廿三 消费*廿五 廿六 廿七 \n"
            " 19   20   21   22   23   24   25  \n"
            "廿八 廿九 春分 閏二*初二 初三 初四 \n"
            " 26   27   28   29   30   31       \n"
            "初五 初六 初七 初八 初九 初十      \n"
            "3月5日 学雷锋  3月8日 妇女节       \n"
            "3月12日 植树节                     \n"
            "3月15日 消费者权益日               \n"
            "3月22日 閏二月小                   \n");
}

// October 2025 as the notice of 2025 arranges it: 1 to 8 October off, the
// Sundays 28 September and 11 October worked; the grid and the list under
// it.
TEST(CalTest, MonthWithDaysOffAndWorked) {
  const CalRequest request{.year = 2025, .month = 10};
  const CalStyle style{.today = std::nullopt,
                       .official = &OfficialDays::BuiltIn()};
  const std::string text = CalendarText(CnCalendar{}, request, style);
  const std::string grid =
      "       2025年10月 乙巳年 蛇        \n"
      " 日   一   二   三   四   五   六  \n"
      "                 1休  2休  3休  4休\n"
      "               国庆*国庆*国庆*十三 \n"
      "  5休  6休  7休  8休  9   10   11班\n";
  EXPECT_EQ(text.substr(0, grid.size()), grid);
  const std::string list =
      "国庆节、中秋节 休 10月1日至8日 8天 \n"
      "  班 9月28日、10月11日             \n";
  ASSERT_GE(text.size(), list.size());
  EXPECT_EQ(text.substr(text.size() - list.size()), list);
  // Without a table, no marks and no list.
  const std::string plain = CalendarText(CnCalendar{}, request, {});
  EXPECT_EQ(plain.find("休"), std::string::npos);
  EXPECT_EQ(plain.find("班"), std::string::npos);
}

// The holidays under a month's grid: each with all its days off and days
// worked, those outside the month too; in a year no notice covers, the
// statutory days (春节 2027: 除夕 5 February to 初三 8 February) and that
// the rest is not known.
TEST(CalTest, HolidaysListed) {
  const struct {
    chr::year_month month;
    std::vector<const char*> lines;
  } rows[] = {
      {2025y / 1,
       {"元旦 休 1月1日 1天", "春节 休 1月28日至2月4日 8天",
        "  班 1月26日、2月8日"}},
      {2025y / 9,
       {"国庆节、中秋节 休 10月1日至8日 8天", "  班 9月28日、10月11日"}},
      {2026y / 9,
       {"中秋节 休 9月25日至27日 3天", "国庆节 休 10月1日至7日 7天",
        "  班 9月20日、10月10日"}},
      {2025y / 3, {}},
      {2027y / 2, {"春节 法定假日 2月5日至8日", "2027年调休安排尚未收录"}},
      {2027y / 3, {"2027年调休安排尚未收录"}},
      {1999y / 10, {}},
  };
  for (const auto& row : rows) {
    std::vector<std::string> lines =
        HolidayLines(row.month, OfficialDays::BuiltIn());
    for (std::string& line : lines) {
      EXPECT_EQ(Columns(line), std::optional<int>{35}) << line;
      line = line.substr(0, line.find_last_not_of(' ') + 1);
    }
    EXPECT_EQ(lines,
              std::vector<std::string>(row.lines.begin(), row.lines.end()))
        << static_cast<int>(row.month.year()) << "-"
        << unsigned{row.month.month()};
  }
}

// The line with the minute of its full moon one less ("望 09:08" -> "望
// 09:07"; none of the times here ends in :00).
std::string MinuteEarlier(std::string line) {
  const std::size_t at = line.find("望 ");
  if (at == std::string::npos) return line;
  char& last = line[at + std::string_view{"望 "}.size() + 4];
  if (last > '0') --last;
  return line;
}

// The seasons under a month's grid. 2024: 芒种 6月5日 (庚子), so 入梅 on
// the first 丙 day, 6月11日; 小暑 7月6日 is itself a 未 day (辛未), 出梅; the
// dog days as the weather services published them, 入伏 7月15日 and 中伏
// 7月25日; 冬至 12月21日 begins 一九, 二九 nine days later. The full moons, UT
// + 8 h: 22 June 01:08, 21 July 10:17, 15 December 09:02 UT. Those minutes
// are rounded, and the table's instants drop the seconds, so a time may
// also read a minute earlier.
TEST(CalTest, SeasonsListed) {
  const struct {
    chr::year_month month;
    std::vector<std::string> lines;
  } rows[] = {
      {2024y / 6, {"6月11日 入梅  6月22日 望 09:08"}},
      {2024y / 7,
       {"7月6日 出梅  7月15日 入伏", "7月21日 望 18:17  7月25日 中伏"}},
      {2024y / 12, {"12月15日 望 17:02  12月21日 一九", "12月30日 二九"}},
  };
  for (const auto& row : rows) {
    const std::vector<std::string> lines = SeasonLines(row.month);
    ASSERT_EQ(lines.size(), row.lines.size()) << unsigned{row.month.month()};
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(Columns(lines[i]), std::optional<int>{35}) << lines[i];
      const std::string line =
          lines[i].substr(0, lines[i].find_last_not_of(' ') + 1);
      EXPECT_TRUE(line == row.lines[i] || line == MinuteEarlier(row.lines[i]))
          << line << " for " << row.lines[i];
    }
  }
}

TEST(CalTest, MonthsShown) {
  const CnCalendar calendar;
  const struct {
    CalRequest request;
    std::vector<const char*> titles;
  } rows[] = {
      {{.year = 2026, .month = 2, .withNeighbours = true},
       {"2026年1月 乙巳年 蛇", "2026年2月 乙巳年 蛇", "2026年3月 丙午年 马"}},
      {{.year = 1901, .month = 3, .withNeighbours = true},
       {"1901年3月 辛丑年 牛", "1901年4月 辛丑年 牛"}},
      {{.year = 2100, .month = 12, .withNeighbours = true},
       {"2100年11月 庚申年 猴", "2100年12月 庚申年 猴"}},
      {{.year = 1901}, {"1901年3月", "1901年12月"}},
      {{.year = 2026}, {"2026年1月", "2026年6月", "2026年12月"}},
  };
  for (const auto& row : rows) {
    const std::string text = CalendarText(calendar, row.request, {});
    for (const char* title : row.titles) {
      EXPECT_NE(text.find(title), std::string::npos) << title;
    }
  }
  // 1901 has its months from March; a year is four rows of three.
  const std::string year1901 = CalendarText(calendar, {.year = 1901}, {});
  EXPECT_EQ(year1901.find("1901年2月"), std::string::npos);
  const std::string year2026 = CalendarText(calendar, {.year = 2026}, {});
  std::size_t titles = 0;
  for (std::size_t at = 0;
       (at = year2026.find("2026年", at)) != std::string::npos; ++at) {
    ++titles;
  }
  EXPECT_EQ(titles, 12u);
  const std::string firstLine = year2026.substr(0, year2026.find('\n'));
  EXPECT_NE(firstLine.find("2026年3月"), std::string::npos);
  EXPECT_EQ(firstLine.find("2026年4月"), std::string::npos);
}

// Colours only when asked for: today in reverse video, weekend numbers red,
// labels in the window's colours on the terminal's palette.
TEST(CalTest, Colours) {
  const CnCalendar calendar;
  const CalRequest october{.year = 2024, .month = 10};
  const CalStyle plain{.today = 2024y / 10 / 9,
                       .official = &OfficialDays::BuiltIn()};
  EXPECT_EQ(CalendarText(calendar, october, plain).find('\x1b'),
            std::string::npos);
  CalStyle colored = plain;
  colored.color = true;
  const struct {
    int month;
    const char* painted;
    const char* why;
  } rows[] = {
      {10, "\x1b[7m 9\x1b[0m", "today, reversed"},
      {10, "\x1b[31m 5\x1b[0m", "a Saturday"},
      {10, "\x1b[31m 6\x1b[0m", "a Sunday"},
      {10, "\x1b[31m国庆\x1b[0m*", "a public holiday, red"},
      {10, "\x1b[32m老人\x1b[0m*", "a commemorative day, green"},
      {10, "\x1b[34m重阳\x1b[0m*", "a lunar festival, blue (2024-10-11)"},
      {10, "\x1b[34m寒露\x1b[0m", "a solar term, blue (2024-10-08)"},
      {10, "\x1b[0m*十五 十六 十七 \n", "lunar days, uncoloured"},
      {11, "\x1b[35m十月\x1b[0m*", "a lunar month's first day (2024-11-01)"},
      {10, "\x1b[31m 7\x1b[0m\x1b[31m休\x1b[0m", "a day off, 休 red"},
      {10, " 12班", "a Saturday worked, neither red"},
      {9, "\x1b[31m17\x1b[0m\x1b[31m休\x1b[0m", "中秋节, 2024-09-17"},
  };
  for (const auto& row : rows) {
    const std::string text =
        CalendarText(calendar, {.year = 2024, .month = row.month}, colored);
    EXPECT_NE(text.find(row.painted), std::string::npos) << row.why;
    EXPECT_EQ(text.find("\x1b[7m 8"), std::string::npos);
  }
}

}  // namespace
}  // namespace quillet::lunar_cli
