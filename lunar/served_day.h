// Inside the library: a Gregorian day checked as every operation checks it.
#pragma once

#include <chrono>

namespace quillet::lunar_detail {

// The day, if served (1901-02-19 .. 2100-12-31); else std::out_of_range
// naming the operation and the argument that is wrong.
std::chrono::sys_days ServedDay(const char* operation, int year, int month,
                                int day);

}  // namespace quillet::lunar_detail
