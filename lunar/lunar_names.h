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

// --- Seasons and the almanac --------------------------------------------

// The 72 pentads (七十二候), index 0..71 in the order of the solar terms as
// SolarTermName numbers them: pentads 3k, 3k + 1 and 3k + 2 belong to term k,
// so 0 is 雁北乡 (小寒's first) and 6 东风解冻 (立春's first).
std::string_view Pentad(int index, Script script = Script::kSimplified);

// The twelve officers of 建除 (建除十二神), 0 建 .. 11 闭.
std::string_view Officer(int officer, Script script = Script::kSimplified);

// The 28 lunar mansions (二十八宿), 0 角 .. 27 轸, by their single character
// ("角") or in full with their luminary and animal ("角木蛟").
std::string_view Mansion(int mansion, Script script = Script::kSimplified);
std::string_view MansionFull(int mansion, Script script = Script::kSimplified);

// The 纳音 of cycle position 1..60: the 30 names each cover two positions,
// 甲子 and 乙丑 海中金 .. 壬戌 and 癸亥 大海水.
std::string_view Nayin(int index, Script script = Script::kSimplified);

// The four directions of the day's 煞.
enum class Direction { kNorth, kEast, kSouth, kWest };
std::string_view DirectionName(Direction direction,
                               Script script = Script::kSimplified);

// 彭祖百忌: the line of stem 0..9 ("甲不开仓财物耗散") and of branch 0..11
// ("子不问卜自惹祸殃").
std::string_view PengzuStem(int stem, Script script = Script::kSimplified);
std::string_view PengzuBranch(int branch, Script script = Script::kSimplified);

// The periods of the dog days, 0 初伏, 1 中伏, 2 末伏, and the day after them,
// 出伏; the nine nines, 1 一九 .. 9 九九; the days that begin and end the plum
// rains. The same in both scripts.
std::string_view DogDaysPeriodName(int period);
inline constexpr std::string_view kDogDaysEnd = "出伏";
std::string_view NineName(int nine);
inline constexpr std::string_view kPlumRainBegins = "入梅";
inline constexpr std::string_view kPlumRainEnds = "出梅";

}  // namespace quillet::names
