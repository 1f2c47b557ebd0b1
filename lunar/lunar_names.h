// Every name the lunar calendar has, in both scripts, in one place: the
// stems and branches, the zodiac animals, the solar terms, the lunar months
// (as the month grid writes them and as a full lunar date reads) and the
// lunar days. Callers take names from here and spell none themselves.
#pragma once

#include <string>
#include <string_view>

// Included by its own name, so that the installed header finds it beside
// itself (quillet/lunar/) as the build finds it in lunar/.
#include "cn_calendar.h"

namespace quillet::names {

// The ten heavenly stems, 0 甲 .. 9 癸; the same in both scripts.
std::string_view Stem(int stem);
// The twelve earthly branches, 0 子 .. 11 亥; the same in both scripts.
std::string_view Branch(int branch);
// Position 1..60 of the sexagenary cycle: its stem, then its branch; 1 is
// 甲子, 2 乙丑, 60 癸亥.
std::string Sexagenary(int index);

// The last day of the lunar year, 除夕, the same in both scripts.
inline constexpr std::string_view kNewYearsEve = "除夕";

// The zodiac animal of branch 0..11: 0 鼠 (子) .. 11 猪 (亥).
std::string_view Zodiac(int branch, Script script = Script::kSimplified);
// The zodiac animal of cycle position 1..60 (its branch's animal).
std::string_view ZodiacOfCycle(int index, Script script = Script::kSimplified);

// Solar term 0..23 in the order of the Gregorian year: 0 小寒, 2 立春,
// 23 冬至. The even ones are the twelve 节, the odd ones the 中气.
std::string_view SolarTermName(int term, Script script = Script::kSimplified);

// How a lunar month is named: as the month grid writes it (一月 .. 十二月), or
// as a full lunar date reads (正月 .. 十月, 冬月, 腊月).
enum class MonthStyle { kGrid, kFull };
// Month 1..12, with 闰 before a leap month: "闰四月", "十一月", "冬月".
std::string LunarMonth(int month, bool isLeap, MonthStyle style,
                       Script script = Script::kSimplified);
// Day 1..30: 初一 .. 初十, 十一 .. 十九, 二十, 廿一 .. 廿九, 三十; the same in
// both scripts.
std::string_view LunarDay(int day);
// The lunar month and day as written in full: "正月初一", "闰四月十五".
std::string LunarMonthDay(const LunarDate& date,
                          Script script = Script::kSimplified);

}  // namespace quillet::names
