#include "cli/day_line.h"

#include <charconv>
#include <optional>

#include "cli/arguments.h"
#include "cli/day_text.h"
#include "lunar/date_text.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;

std::string Note(const CnCalendar& calendar, const LunarDate& lunar,
                 Script script) {
  return calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                lunar.isLeapMonth, script);
}

void AppendNumber(std::string& text, int value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, end);
}

}  // namespace

LunarDate LunarOf(const CnCalendar& calendar, chr::year_month_day date) {
  return calendar.GregorianToLunar(static_cast<int>(date.year()),
                                   static_cast<int>(unsigned{date.month()}),
                                   static_cast<int>(unsigned{date.day()}));
}

std::string DayLine(const CnCalendar& calendar, chr::year_month_day date,
                    Script script) {
  return DateText(date) + " " + LunarLineOf(calendar, date, script) + "\n";
}

void AppendDayRow(std::string& rows, const CnCalendar& calendar,
                  chr::year_month_day date, Script script,
                  const OfficialDays& official) {
  const LunarDate lunar = LunarOf(calendar, date);
  rows += DateText(date);
  rows += '\t';
  AppendNumber(rows, lunar.year);
  rows += '\t';
  AppendNumber(rows, lunar.month);
  rows += lunar.isLeapMonth ? "\t1\t" : "\t0\t";
  AppendNumber(rows, lunar.day);
  rows += '\t';
  rows += Note(calendar, lunar, script);
  rows += '\t';
  const chr::sys_days day{date};
  if (const std::optional<OfficialDay> arranged = official.On(day)) {
    rows += arranged->kind == OfficialDayKind::kRest ? "rest\t" : "work\t";
    rows += arranged->holiday;
  } else {
    rows += '\t';
  }
  const std::optional<bool> workday = official.IsWorkday(day);
  rows += !workday ? "\t\n" : *workday ? "\t1\n" : "\t0\n";
}

std::string GregorianLine(const CnCalendar& calendar, int year, int month,
                          int day, bool isLeap) {
  int length = 0;
  try {
    length = calendar.LunarMonthDays(year, month, isLeap);
  } catch (const std::invalid_argument&) {
    throw UsageError("lunar year " + std::to_string(year) +
                     " has no leap month " + std::to_string(month));
  }
  if (day < 1 || day > length) {
    throw UsageError(
        "day " + std::to_string(day) + " is outside 1.." +
        std::to_string(length) + " for " + (isLeap ? "leap month " : "month ") +
        std::to_string(month) + " of lunar year " + std::to_string(year));
  }
  return DateText(calendar.LunarToGregorian(year, month, day, isLeap)) + "\n";
}

std::string TermRow(const CnCalendar& calendar, const SolarTerm& term,
                    int index, Script script) {
  const chr::sys_seconds utc8 = term.instant + kChinaStandardTimeOffset;
  return DateText(chr::floor<chr::days>(utc8)) + "\t" +
         calendar.SolarTermName(index, script) + "\t" + DateTimeText(utc8) +
         "\n";
}

}  // namespace quillet::lunar_cli
