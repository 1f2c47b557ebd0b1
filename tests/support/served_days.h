// Every Gregorian day the program shows, and its lunar date, for tests that
// walk the whole range.
#pragma once

#include <chrono>
#include <stdexcept>
#include <string>

#include "lunar/cn_calendar.h"

namespace quillet::testing {

namespace chr = std::chrono;

inline constexpr chr::sys_days kFirstShownDay{chr::year{1902} / 1 / 1};
inline constexpr chr::sys_days kLastShownDay{chr::year{2047} / 12 / 31};

struct CivilDay {
  int year, month, day;
  int Key() const { return year * 10000 + month * 100 + day; }
};

inline CivilDay Civil(chr::sys_days day) {
  const chr::year_month_day date{day};
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

inline std::string Text(chr::sys_days day) {
  const CivilDay c = Civil(day);
  return std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
         std::to_string(c.day);
}

inline LunarDate LunarOf(const CnCalendar& calendar, chr::sys_days day) {
  const CivilDay c = Civil(day);
  return calendar.GregorianToLunar(c.year, c.month, c.day);
}

// Whether lunar `year` has a leap month after `month`, as the component's
// month lengths answer: a leap month it does not have is an invalid argument.
inline bool HasLeapMonth(const CnCalendar& calendar, int year, int month) {
  try {
    calendar.LunarMonthDays(year, month, true);
    return true;
  } catch (const std::invalid_argument&) {
    return false;
  }
}

}  // namespace quillet::testing
