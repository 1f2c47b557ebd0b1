// A DayKey names one Gregorian day as year × 10000 + month × 100 + day:
// 1 March 2024 is 20240301.
#pragma once

#include "monthview/month_view.h"

namespace quillet {

constexpr int ToDayKey(int year, int month, int day) {
  return year * 10000 + month * 100 + day;
}

constexpr CivilDate FromDayKey(int dayKey) {
  return {dayKey / 10000, dayKey / 100 % 100, dayKey % 100};
}

}  // namespace quillet
