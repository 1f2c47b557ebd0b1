#include "tools/quillet_lunar/day_line.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "tools/quillet_lunar/arguments.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;

// The names a person reads: months 正月 .. 腊月 (冬月 the 11th), days 初一 ..
// 三十.
constexpr std::array<std::string_view, 10> kNumerals = {
    "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

std::string MonthName(int month, bool isLeap, Script script) {
  const bool traditional = script == Script::kTraditional;
  std::string name{isLeap ? (traditional ? "閏" : "闰") : ""};
  if (month == 1) {
    name += "正";
  } else if (month == 11) {
    name += "冬";
  } else if (month == 12) {
    name += traditional ? "臘" : "腊";
  } else {
    name += kNumerals[static_cast<std::size_t>(month - 1)];
  }
  return name + "月";
}

std::string DayName(int day) {
  const auto numeral = [](int k) {
    return std::string{kNumerals[static_cast<std::size_t>(k - 1)]};
  };
  if (day <= 10) return "初" + numeral(day);
  if (day < 20) return "十" + numeral(day - 10);
  if (day == 20) return "二十";
  if (day < 30) return "廿" + numeral(day - 20);
  return "三十";
}

// The stem-branch name of a lunar year: 4 CE, and so 1984, began a cycle
// (甲子).
std::string YearName(const CnCalendar& calendar, int year) {
  return calendar.SexagenaryName((year - 4) % 60 + 1) + "年";
}

std::string Note(const CnCalendar& calendar, const LunarDate& lunar,
                 Script script) {
  return calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                lunar.isLeapMonth, script);
}

// HH:MM:SS of an instant, within its day.
std::string ClockText(chr::sys_seconds time) {
  const chr::hh_mm_ss clock{time - chr::floor<chr::days>(time)};
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d",
                static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

void AppendNumber(std::string& text, int value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, end);
}

}  // namespace

std::string DateText(chr::year_month_day date) {
  char text[16];
  std::snprintf(
      text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::optional<chr::year_month_day> ParseDateText(std::string_view text) {
  const auto digits = [&](std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length; ++i) {
      if (text[i] < '0' || text[i] > '9') return -1;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return {};
  const int year = digits(0, 4);
  const int month = digits(5, 2);
  const int day = digits(8, 2);
  if (year < 0 || month < 0 || day < 0) return {};
  const chr::year_month_day date{chr::year{year},
                                 chr::month{static_cast<unsigned>(month)},
                                 chr::day{static_cast<unsigned>(day)}};
  if (!date.ok()) return {};
  return date;
}

LunarDate LunarOf(const CnCalendar& calendar, chr::year_month_day date) {
  return calendar.GregorianToLunar(static_cast<int>(date.year()),
                                   static_cast<int>(unsigned{date.month()}),
                                   static_cast<int>(unsigned{date.day()}));
}

std::string DayLine(const CnCalendar& calendar, chr::year_month_day date,
                    Script script) {
  const LunarDate lunar = LunarOf(calendar, date);
  std::string line = DateText(date) + " " + YearName(calendar, lunar.year) +
                     " " + MonthName(lunar.month, lunar.isLeapMonth, script) +
                     DayName(lunar.day);
  const std::string note = Note(calendar, lunar, script);
  if (!note.empty()) line += " " + note;
  return line + "\n";
}

void AppendDayRow(std::string& rows, const CnCalendar& calendar,
                  chr::year_month_day date, Script script) {
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
  rows += '\n';
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
  const chr::sys_seconds utc8 = term.instant + chr::hours{8};
  const std::string day = DateText(chr::floor<chr::days>(utc8));
  return day + "\t" + calendar.SolarTermName(index, script) + "\t" + day + " " +
         ClockText(utc8) + "\n";
}

}  // namespace quillet::lunar_cli
