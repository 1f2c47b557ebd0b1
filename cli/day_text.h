// The words quillet-lunar writes about one day, without the date before
// them: the lunar line ("甲辰年 正月廿一") and the 休/班 words ("休
// 国庆节、中秋节 法定假日"). A small library of its own, position-independent
// and with no dependency beyond the lunar library, so that a shared object (the
// Plasma clock's calendar plug-in) writes a day as the command line does.
#pragma once

#include <chrono>
#include <string>

#include "lunar/cn_calendar.h"
#include "lunar/official_days.h"

namespace quillet::lunar_cli {

// "甲辰年 正月廿一", then the note where the day has one: "丙午年 冬月十四
// 冬至". The year is the stem-branch year counted from 正月初一.
std::string LunarLineOf(const CnCalendar& calendar,
                        std::chrono::year_month_day date, Script script);

// The 休/班 words of an arranged day of Gregorian year `year`: "休
// 国庆节、中秋节 法定假日", "休 春节" (a day off that no rule fixes), "班
// 国庆节、中秋节调休", and for a statutory day of a year whose notice is not in
// the data, "休 春节 法定假日 (2027年调休安排尚未收录)".
std::string OfficialDayWords(const OfficialDay& official, int year);

// "(2027年调休安排尚未收录)": what a statutory day of a year without its
// notice says of the arrangement still to come.
std::string NotYetArrangedText(int year);

}  // namespace quillet::lunar_cli
