// 休 and 班: what every notice keeps, the days where the rules changed, and
// files of later notices.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

#include "lunar/official_days.h"
#include "tests/support/further_year.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

using Kind = OfficialDayKind;
using Source = OfficialDaySource;

chr::sys_days Day(int year, int month, int day) {
  return chr::sys_days{chr::year{year} / month / day};
}

bool IsWeekend(chr::sys_days day) {
  const unsigned weekday = chr::weekday{day}.c_encoding();
  return weekday == 0 || weekday == 6;
}

// What every notice keeps, walked over the whole table: a make-up day is a
// Saturday or Sunday; no two rows share a day; every row lies in its notice
// year or the December before; every year has its holidays.
TEST(OfficialDaysTable, EveryRowKeepsWhatNoticesKeep) {
  std::map<chr::sys_days, int> rowsOfDay;
  std::map<int, std::string> holidaysOfYear;
  for (const OfficialSpan& row : OfficialDays::BuiltIn().Rows()) {
    SCOPED_TRACE(std::to_string(row.noticeYear) + " " + row.holiday);
    EXPECT_LE(row.first, row.last);
    EXPECT_GE(row.first, Day(row.noticeYear - 1, 12, 1));
    EXPECT_LE(row.last, Day(row.noticeYear, 12, 31));
    EXPECT_LE((row.last - row.first).count(), 9);  // 2020's 春节 had 10 days
    for (chr::sys_days day = row.first; day <= row.last; ++day) {
      EXPECT_EQ(++rowsOfDay[day], 1) << "shared day";
      if (row.kind == Kind::kWork) {
        EXPECT_TRUE(IsWeekend(day));
      }
    }
    if (row.kind == Kind::kRest) holidaysOfYear[row.noticeYear] += row.holiday;
  }
  for (int year = kFirstNoticeYear; year <= kLastNoticeYear; ++year) {
    SCOPED_TRACE(year);
    for (const char* holiday : {"元旦", "春节", "劳动节", "国庆节"}) {
      EXPECT_NE(holidaysOfYear[year].find(holiday), std::string::npos)
          << holiday;
    }
    if (year < 2008) continue;
    for (const char* holiday : {"清明节", "端午节", "中秋节"}) {
      EXPECT_NE(holidaysOfYear[year].find(holiday), std::string::npos)
          << holiday;
    }
  }
}

// Every statutory day of a notice's year lies in a span of its holiday, and
// the year has as many as its rules give: 元旦 1, 春节 3 (4 from 2025),
// 劳动节 3 before 2008, 1, then 2 from 2025, 国庆节 3, and from 2008 清明节,
// 端午节 and 中秋节 one each, less one where 中秋节 falls on 1 to 3 October,
// and 2015's 3 September.
TEST(OfficialDaysTable, StatutoryDaysLieInTheirSpans) {
  const std::map<int, int> kMidAutumnInOctober = {{2009, 1}, {2020, 1}};
  for (int year = kFirstNoticeYear; year <= kLastNoticeYear; ++year) {
    SCOPED_TRACE(year);
    for (const StatutoryDay& statutory : StatutoryDaysOf(year)) {
      const std::optional<OfficialDay> day =
          OfficialDays::BuiltIn().On(statutory.day);
      ASSERT_TRUE(day.has_value());
      EXPECT_EQ(day->kind, Kind::kRest);
      EXPECT_TRUE(day->statutory);
      const std::string first =
          statutory.holiday.substr(0, statutory.holiday.find("、"));
      EXPECT_NE(day->holiday.find(first), std::string::npos);
    }
    int flagged = 0;
    for (chr::sys_days day = Day(year, 1, 1); day <= Day(year, 12, 31); ++day) {
      const auto official = OfficialDays::BuiltIn().On(day);
      flagged += official && official->statutory;
    }
    const int expected = year < 2008 ? 10 : year < 2025 ? 11 : 13;
    const auto overlap = kMidAutumnInOctober.find(year);
    EXPECT_EQ(flagged, expected + (year == 2015) -
                           (overlap == kMidAutumnInOctober.end() ? 0 : 1));
  }
}

struct Golden {
  const char* why;
  chr::sys_days day;
  std::optional<OfficialDay> official;
  std::optional<bool> workday;
};

OfficialDay Notice(Kind kind, const char* holiday, bool statutory) {
  return {kind, holiday, statutory, Source::kNotice};
}
OfficialDay Rules(const char* holiday) {
  return {Kind::kRest, holiday, true, Source::kRules};
}

TEST(OfficialDayOn, WhereTheRulesAndNoticesTurn) {
  const Golden kRows[] = {
      {"除夕 statutory until 2013", Day(2013, 2, 9),
       Notice(Kind::kRest, "春节", true), false},
      {"初一 to 初三 from 2014: 除夕 a plain workday", Day(2014, 1, 30),
       std::nullopt, true},
      {"初三, statutory from 2014", Day(2014, 2, 2),
       Notice(Kind::kRest, "春节", true), false},
      {"初四, a moved weekend", Day(2014, 2, 3),
       Notice(Kind::kRest, "春节", false), false},
      {"除夕 statutory again from 2025", Day(2025, 1, 28),
       Notice(Kind::kRest, "春节", true), false},
      {"2 May statutory from 2025", Day(2025, 5, 2),
       Notice(Kind::kRest, "劳动节", true), false},
      {"2 May not statutory in 2024", Day(2024, 5, 2),
       Notice(Kind::kRest, "劳动节", false), false},
      {"3 May statutory before 2008", Day(2007, 5, 3),
       Notice(Kind::kRest, "劳动节", true), false},
      {"a day off of its own", Day(2015, 9, 3),
       Notice(Kind::kRest, "抗战胜利纪念日", true), false},
      {"its moved day", Day(2015, 9, 4),
       Notice(Kind::kRest, "抗战胜利纪念日", false), false},
      {"its make-up Sunday", Day(2015, 9, 6),
       Notice(Kind::kWork, "抗战胜利纪念日", false), true},
      {"元旦 2024 began in 2023", Day(2023, 12, 30),
       Notice(Kind::kRest, "元旦", false), false},
      {"worked for 元旦 2007", Day(2006, 12, 30),
       Notice(Kind::kWork, "元旦", false), true},
      {"worked for 元旦 2006, the first notice", Day(2005, 12, 31),
       Notice(Kind::kWork, "元旦", false), true},
      {"before the first notice", Day(2005, 12, 30), std::nullopt,
       std::nullopt},
      {"a Saturday in February worked", Day(2026, 2, 14),
       Notice(Kind::kWork, "春节", false), true},
      {"made free by the extension of 2020", Day(2020, 2, 1),
       Notice(Kind::kRest, "春节", false), false},
      {"the 2019 change of 劳动节", Day(2019, 5, 4),
       Notice(Kind::kRest, "劳动节", false), false},
      {"a Saturday the notice leaves out (1月1日放假，1月2日补休)",
       Day(2016, 12, 31), std::nullopt, false},
      {"a plain Monday", Day(2026, 10, 12), std::nullopt, true},
      {"a plain Sunday", Day(2026, 10, 11), std::nullopt, false},
      {"the last day of the data", Day(2026, 12, 31), std::nullopt, true},
      {"除夕 of a year no notice covers", Day(2027, 2, 5), Rules("春节"),
       false},
      {"not known", Day(2027, 2, 4), std::nullopt, std::nullopt},
      {"中秋节 on 3 October", Day(2028, 10, 3), Rules("中秋节、国庆节"), false},
      {"the last served day", Day(2100, 12, 31), std::nullopt, std::nullopt},
  };
  for (const Golden& row : kRows) {
    SCOPED_TRACE(row.why);
    const chr::year_month_day date{row.day};
    const int y = static_cast<int>(date.year());
    const int m = static_cast<int>(static_cast<unsigned>(date.month()));
    const int d = static_cast<int>(static_cast<unsigned>(date.day()));
    EXPECT_EQ(OfficialDayOn(y, m, d), row.official);
    EXPECT_EQ(IsWorkday(y, m, d), row.workday);
  }
  const OfficialSpan* span = OfficialDays::BuiltIn().RowOn(Day(2023, 12, 31));
  ASSERT_NE(span, nullptr);
  EXPECT_EQ(span->noticeYear, 2024);
  EXPECT_EQ(span->first, Day(2023, 12, 30));
  EXPECT_EQ(span->last, Day(2024, 1, 1));
}

TEST(OfficialDayOn, RefusesDaysOutsideTheServedRange) {
  for (const auto& [y, m, d] :
       {std::array{1901, 2, 18}, std::array{2101, 1, 1},
        std::array{2023, 2, 29}, std::array{2024, 13, 1}}) {
    EXPECT_THROW(OfficialDayOn(y, m, d), std::out_of_range);
    EXPECT_THROW(IsWorkday(y, m, d), std::out_of_range);
  }
  try {
    IsWorkday(2023, 2, 29);
    FAIL();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "IsWorkday: day 29 is outside 1..28");
  }
}

// A file of the next year's notice as a user would write it, with a comment
// ending in CR LF and a blank line before the rows.
const std::string kNextYear =
    std::string{"# notice_year\tholiday\tkind\tfirst\tlast\r\n\n"} +
    testing::kFurther2027;

TEST(OfficialDaysFile, AddsTheYearsAfterTheBuiltInTable) {
  const auto read = OfficialDays::WithFurtherYears(kNextYear);
  ASSERT_TRUE(std::holds_alternative<OfficialDays>(read))
      << std::get<OfficialDaysFault>(read).message;
  const OfficialDays& table = std::get<OfficialDays>(read);
  EXPECT_EQ(table.lastYear(), 2027);
  EXPECT_EQ(table.On(Day(2027, 2, 5)), Notice(Kind::kRest, "春节", true));
  EXPECT_EQ(table.On(Day(2027, 2, 11)), Notice(Kind::kRest, "春节", false));
  EXPECT_EQ(table.IsWorkday(Day(2027, 1, 31)), true);
  EXPECT_EQ(table.IsWorkday(Day(2027, 2, 4)), true);
  EXPECT_EQ(table.On(Day(2028, 1, 1)), Rules("元旦"));
  EXPECT_EQ(table.IsWorkday(Day(2028, 1, 4)), std::nullopt);
  // The built-in answers stay as they were.
  EXPECT_EQ(OfficialDays::BuiltIn().IsWorkday(Day(2027, 2, 4)), std::nullopt);
  EXPECT_EQ(table.On(Day(2026, 2, 14)),
            OfficialDays::BuiltIn().On(Day(2026, 2, 14)));
}

TEST(OfficialDaysFile, RefusesAFileWholeNamingTheLine) {
  const std::string kRest = "2027\t春节\trest\t2027-02-05\t2027-02-11\n";
  const struct {
    std::string text;
    int line;
    const char* says;
  } kRows[] = {
      {"2026\t元旦\trest\t2026-01-01\t2026-01-03\n", 1, "Quillet's own data"},
      {"2028\t元旦\trest\t2028-01-01\t2028-01-01\n", 1, "out of order"},
      {"2027 元旦 rest 2027-01-01 2027-01-03\n", 1, "found 1"},
      {"# x\n2027\t春节\tholiday\t2027-02-05\t2027-02-11\n", 2,
       "neither rest nor work"},
      {"2027\t春节\trest\t2027-02-30\t2027-02-11\n", 1, "not a date"},
      {"2027\t春节\trest\t2027-02-11\t2027-02-05\n", 1, "not a span"},
      {"2027\t春节\trest\t2026-11-30\t2026-12-02\n", 1, "not a span"},
      {"2027\t春节\twork\t2027-02-01\t2027-02-01\n", 1,
       "2027-02-01 is not a Saturday or Sunday"},
      {"2027\t\xff\trest\t2027-02-05\t2027-02-11\n", 1, "bad holiday"},
      {kRest + kRest, 2, "2027-02-05 is already in line 1"},
      {kRest, 1, "2027-01-01 (元旦) of 2027 is in no span"},
      {"2027\t元旦\trest\t2026-12-31\t2027-01-01\n", 1, "in no span"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.text);
    const auto read = OfficialDays::WithFurtherYears(row.text);
    ASSERT_TRUE(std::holds_alternative<OfficialDaysFault>(read));
    const OfficialDaysFault& fault = std::get<OfficialDaysFault>(read);
    EXPECT_EQ(fault.line, row.line);
    EXPECT_NE(fault.message.find(row.says), std::string::npos) << fault.message;
  }
}

}  // namespace
}  // namespace quillet
