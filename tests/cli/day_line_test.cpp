// The day line and the rows, called directly. Expected dates are published
// facts: the lunar new years and leap months of the Chinese calendar as the
// Purple Mountain Observatory publishes it.
#include "cli/day_line.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/arguments.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;

TEST(DayLineTest, RowsOfDays) {
  const CnCalendar calendar;
  const struct {
    chr::year_month_day date;
    Script script;
    const char* line;
    const char* row;
  } rows[] = {
      {2024y / 2 / 9, Script::kSimplified, "2024-02-09 癸卯年 腊月三十 除夕",
       "2024-02-09\t2023\t12\t0\t30\t除夕\t\t\t1"},
      {2024y / 2 / 10, Script::kTraditional, "2024-02-10 甲辰年 正月初一",
       "2024-02-10\t2024\t1\t0\t1\t\trest\t春节\t0"},
      {2023y / 3 / 22, Script::kTraditional, "2023-03-22 癸卯年 閏二月初一",
       "2023-03-22\t2023\t2\t1\t1\t\t\t\t1"},
      {2020y / 6 / 21, Script::kSimplified, "2020-06-21 庚子年 五月初一 夏至",
       "2020-06-21\t2020\t5\t0\t1\t夏至\t\t\t0"},
      {2020y / 6 / 20, Script::kSimplified, "2020-06-20 庚子年 闰四月廿九",
       "2020-06-20\t2020\t4\t1\t29\t\t\t\t0"},
      {2024y / 3 / 5, Script::kTraditional, "2024-03-05 甲辰年 正月廿五 驚蟄",
       "2024-03-05\t2024\t1\t0\t25\t驚蟄\t\t\t1"},
      // 班 of 春节 2024 (the notice of 2024), a Sunday worked; a day of
      // 2027, whose notice is not in the data.
      {2024y / 2 / 18, Script::kSimplified, "2024-02-18 甲辰年 正月初九",
       "2024-02-18\t2024\t1\t0\t9\t\twork\t春节\t1"},
      {2027y / 2 / 4, Script::kSimplified, "2027-02-04 丙午年 腊月廿八 立春",
       "2027-02-04\t2026\t12\t0\t28\t立春\t\t\t"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(DayLine(calendar, row.date, row.script),
              std::string{row.line} + "\n");
    std::string rows_text;
    AppendDayRow(rows_text, calendar, row.date, row.script,
                 OfficialDays::BuiltIn());
    EXPECT_EQ(rows_text, std::string{row.row} + "\n");
  }
}

TEST(DayLineTest, GregorianOfLunarDates) {
  const CnCalendar calendar;
  EXPECT_EQ(GregorianLine(calendar, 2024, 1, 1, false), "2024-02-10\n");
  EXPECT_EQ(GregorianLine(calendar, 2020, 4, 1, true), "2020-05-23\n");
  EXPECT_THROW(GregorianLine(calendar, 2024, 4, 1, true), UsageError);
  EXPECT_THROW(GregorianLine(calendar, 2024, 1, 30, false), UsageError);
}

}  // namespace
}  // namespace quillet::lunar_cli
