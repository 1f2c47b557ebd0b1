// What a screen reader says for the canvas, which it cannot see: every day of
// the shown month with its label.
#pragma once

#include <string>

#include "monthview/month_view.h"

namespace quillet {

// For a checked year and month, e.g. "3月1日 正月廿一；3月2日 正月廿二；…".
// A lunar day's name is said with its month's name (正月 … 十月, 冬月, 腊月,
// 闰 before a leap month's); every other label as it is shown.
std::string MonthDescription(int year, int month);

// The same for labels already chosen, as a draw reports them.
std::string MonthDescription(const MonthLabels& month);

}  // namespace quillet
