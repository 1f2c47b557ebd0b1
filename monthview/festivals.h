// The program's own festivals and commemorative days, Gregorian and lunar.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillet {

enum class FestivalCalendar { kGregorian, kLunar };

// One row: a day, or a run of consecutive days, of one month, and the stored
// text, whose first byte is the category digit ("1", "2" or "3") that picks
// the label's colour and is never shown.
struct FestivalRow {
  FestivalCalendar calendar;
  int month;  // lunar rows: the lunar month number, leap or not
  int firstDay;
  int lastDay;
  std::string_view text;
};

// All rows, in matching order.
std::span<const FestivalRow> FestivalRows();

// The stored text of the first row that matches the day, or "".
// `dayKey` is year × 10000 + month × 100 + day, a valid date of 1902..2047.
std::string FestivalText(int dayKey);

// The same lookup for a day whose lunar date is already known. The rows
// carry no year and no leap flag.
std::string_view FestivalTextFor(int month, int day, int lunarMonth,
                                 int lunarDay);

}  // namespace quillet
