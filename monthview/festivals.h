// The program's own festivals and commemorative days, Gregorian and lunar.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

enum class FestivalCalendar { kGregorian, kLunar };

// What a festival is, which gives its label's colour: a public holiday (red),
// a commemorative day (green) or a lunar festival (blue).
enum class FestivalCategory { kPublicHoliday, kCommemorative, kLunarFestival };

// One row: a day, or a run of consecutive days, of one month, and the stored
// text, whose first byte is the category digit ("1", "2" or "3") and whose
// remaining bytes are the name shown. The digit is read here and nowhere
// else.
struct FestivalRow {
  FestivalCalendar calendar;
  int month;  // lunar rows: the lunar month number, leap or not
  int firstDay;
  int lastDay;
  std::string_view text;

  constexpr FestivalCategory category() const {
    return text.front() == '1'   ? FestivalCategory::kPublicHoliday
           : text.front() == '2' ? FestivalCategory::kCommemorative
                                 : FestivalCategory::kLunarFestival;
  }
  constexpr std::string_view name() const { return text.substr(1); }
  // Whether the row falls on a day of this Gregorian month and day and this
  // lunar month and day. The rows carry no year and no leap flag.
  constexpr bool Matches(int gregorianMonth, int gregorianDay, int lunarMonth,
                         int lunarDay) const {
    const bool gregorian = calendar == FestivalCalendar::kGregorian;
    const int rowDay = gregorian ? gregorianDay : lunarDay;
    return (gregorian ? gregorianMonth : lunarMonth) == month &&
           rowDay >= firstDay && rowDay <= lastDay;
  }
};

struct Festival {
  std::string name;  // as shown, e.g. "中秋节"
  FestivalCategory category;
  friend bool operator==(const Festival&, const Festival&) = default;
};

// All rows, in matching order.
std::span<const FestivalRow> FestivalRows();

// The stored text of the first row that matches the day, or "".
// `dayKey` is year × 10000 + month × 100 + day, a valid date of 1902..2047.
std::string FestivalText(int dayKey);

// The first row that matches a day whose lunar date is already known, or
// nullptr: the row the day's label shows.
const FestivalRow* FirstFestivalRow(int month, int day, int lunarMonth,
                                    int lunarDay);

// Every row that matches a served day (1901-02-19 .. 2100-12-31), in table
// order; the first is the one the grid's label shows. Other days throw
// std::out_of_range.
std::vector<Festival> FestivalsOn(int year, int month, int day);

// Every served day of a Gregorian year (1901 .. 2100) on which a row of that
// name falls, in order: three days for a three-day row, and a lunar row's
// day in a leap month of its number as well as in the ordinary one. Empty
// for a name no row has.
std::vector<std::chrono::year_month_day> FestivalDays(std::string_view name,
                                                      int gregorianYear);

}  // namespace quillet
