// Inside the library: a Gregorian day checked as every operation checks it,
// and the day of a solar term.
#pragma once

#include <chrono>

#include "lunar/cn_calendar.h"

namespace quillet::lunar_detail {

// The remainder of a by b, 0 .. b − 1, for a of either sign.
constexpr int FloorMod(int a, int b) { return (a % b + b) % b; }

// The day, if served (1901-02-19 .. 2100-12-31); else std::out_of_range
// naming the operation and the argument that is wrong.
std::chrono::sys_days ServedDay(const char* operation, int year, int month,
                                int day);

// The day's place 1..60 in the cycle of days (甲子 1), as
// CnCalendar::SexagenaryDay answers it, for any day.
int CycleDay(std::chrono::sys_days day);

// The stem-branch month and year 1..60 of a served day already checked, as
// CnCalendar::SexagenaryMonth and SexagenaryYear answer them.
int CycleMonth(int year, int month, int day);
int CycleYear(std::chrono::sys_days served, int year, int month, int day,
              YearStart start);

// The day (UTC+8) of solar term 0..23 (0 小寒 .. 23 冬至) of a Gregorian year
// 1901 .. 2101, read from the tables; the caller keeps to that range.
std::chrono::sys_days SolarTermDay(int year, int term);

}  // namespace quillet::lunar_detail
