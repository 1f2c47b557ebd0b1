// `quillet-lunar cal`: months as grids for a terminal, each day's number
// over the label the window draws for it.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "lunar/cn_calendar.h"
#include "lunar/official_days.h"

namespace quillet::lunar_cli {

// Columns a text takes in a terminal: two for characters whose East Asian
// Width is W or F (Chinese characters), one for the others, none for
// combining marks.
int DisplayWidth(std::string_view utf8);

// A day's cell is this many columns wide: a label of two Chinese characters
// and a space. Every line of a month is seven cells wide.
inline constexpr int kCellWidth = 5;
inline constexpr int kMonthWidth = 7 * kCellWidth;
// A label longer than its cell shows its first two characters and this mark,
// and stands whole under the grid.
inline constexpr std::string_view kCutMark = "*";

struct CalStyle {
  bool mondayFirst = false;
  Script script = Script::kSimplified;
  bool color = false;  // SGR colours and today in reverse video
  std::optional<std::chrono::year_month_day> today;
  // Where set, each day off carries 休 beside its number and each make-up
  // workday 班, and the holidays of the month are listed under the grid.
  const OfficialDays* official = nullptr;
  // Where set, the first days of the seasons and the full moons of the
  // month are listed under the grid (SeasonLines).
  bool seasons = false;
};

// One month: its grid lines (title, weekdays, a line of numbers and a line of
// labels a week) and under them the labels too long for their cells, each
// "7月1日 香港回归中共诞辰" (the cell showing 香港*), then the holidays whose
// days off or make-up workdays fall in the month, each with all its days:
// "国庆节、中秋节 休 10月1日至8日 8天" over "  班 9月28日、10月11日"; in a
// year after the table's last, the statutory days and "2028年调休安排尚未收录".
// Every line is kMonthWidth columns wide.
// Between the two, where CalStyle::seasons is set, the first days of the
// seasons and the full moons, in the order of their days: "7月15日 入伏",
// "7月21日 望 18:17" (the instant to the minute in UTC+8).
struct MonthBlock {
  std::vector<std::string> grid;
  std::vector<std::string> longNames;
  std::vector<std::string> seasons;
  std::vector<std::string> holidays;
};

// The lines of a month's seasons, each kMonthWidth columns: 入伏, 中伏, 末伏
// and 出伏; the first day of each nine, 一九 .. 九九; 入梅 and 出梅; and each
// full moon, 望, with its time.
std::vector<std::string> SeasonLines(std::chrono::year_month month);

// The lines of the holidays under a month's grid, each kMonthWidth columns.
std::vector<std::string> HolidayLines(std::chrono::year_month month,
                                      const OfficialDays& official);
MonthBlock LayOutMonth(const CnCalendar& calendar,
                       std::chrono::year_month month, const CalStyle& style);

// All that `cal` writes for the request: one month, a month between its
// neighbours, or a year in rows of three.
std::string CalendarText(const CnCalendar& calendar, const CalRequest& request,
                         const CalStyle& style);

}  // namespace quillet::lunar_cli
