// The lines a person reads and the tab-separated rows a script reads: one
// day, a day's row, a lunar date's Gregorian day, a solar term's row.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "lunar/cn_calendar.h"
#include "lunar/official_days.h"

namespace quillet::lunar_cli {

LunarDate LunarOf(const CnCalendar& calendar, std::chrono::year_month_day date);

// "2024-03-01 甲辰年 正月廿一\n", the note last where the day has one.
std::string DayLine(const CnCalendar& calendar,
                    std::chrono::year_month_day date, Script script);

inline constexpr std::string_view kDayRowsHeader =
    "gregorian\tlunar_year\tlunar_month\tis_leap\tlunar_day\tnote\t"
    "official\tholiday\tworkday\n";
// "2024-02-09\t2023\t12\t0\t30\t除夕\trest\t春节\t0\n": official is rest,
// work or empty, holiday the name of its holiday, workday 1, 0 or empty
// where no notice in the table covers the day's year.
void AppendDayRow(std::string& rows, const CnCalendar& calendar,
                  std::chrono::year_month_day date, Script script,
                  const OfficialDays& official);

// "2024-02-10\n" for lunar 2024-1-1; a day or leap month the lunar year does
// not have is a UsageError.
std::string GregorianLine(const CnCalendar& calendar, int year, int month,
                          int day, bool isLeap);

inline constexpr std::string_view kTermRowsHeader =
    "date\tname\tinstant_utc8\n";
// "2024-03-20\t春分\t2024-03-20 11:06:23\n": term `index` (0 小寒) of the year.
std::string TermRow(const CnCalendar& calendar, const SolarTerm& term,
                    int index, Script script);

}  // namespace quillet::lunar_cli
