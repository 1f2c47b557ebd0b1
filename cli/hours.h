// `quillet-lunar --hours`: a day's double hours (时辰), each with the stem
// and branch of its hour, one a line.
#pragma once

#include <chrono>
#include <string>

#include "lunar/almanac.h"
#include "lunar/cn_calendar.h"

namespace quillet::lunar_cli {

// The hours of a served day, one a line. By midnight (the default) the day
// has thirteen: its 早子, 00:00-01:00, then 丑时 .. 亥时, then its 晚子,
// 23:00-24:00, whose stem and branch are those of the next day's 子 hour:
//   00:00-01:00 早子 丙子
//   01:00-03:00 丑时 丁丑
//   ...
//   23:00-24:00 晚子 戊子
// By the rat hour the day begins at 23:00 the evening before, with its 子
// hour whole, and has twelve: "23:00-01:00 子时 丙子" first. The three
// fields are of fixed width, one space apart.
std::string HoursText(std::chrono::year_month_day day, DayBoundary boundary,
                      Script script);

// The same as JSON Lines, one object an hour: {"gregorian": "2024-07-15",
// "name": "晚子", "branch": "子", "from": "2024-07-15T23:00:00+08:00", "to":
// "2024-07-16T00:00:00+08:00", "ganzhi": "戊子", "day_ganzhi": "庚辰"}, where
// gregorian and day_ganzhi are the day the hour belongs to.
std::string HoursJson(std::chrono::year_month_day day, DayBoundary boundary,
                      Script script);

}  // namespace quillet::lunar_cli
