// The seasons that the almanac counts from the solar terms and the cycle of
// days: the dog days (三伏), the nine nines of winter (数九), the plum rains
// (入梅, 出梅) and the 72 pentads (七十二候). Each is reckoned from the days
// (UTC+8) of the solar terms and the stems and branches of the days, as
// CnCalendar gives them; the names live in lunar_names.h.
//
// Every operation that takes a Gregorian day takes the served days,
// 1901-02-19 .. 2100-12-31, and throws std::out_of_range naming the argument
// for any other; the operations of a year take 1901 .. 2100.
#pragma once

#include <chrono>
#include <optional>
#include <string>

// Included by their own names, so that the installed header finds them
// beside itself (quillet/lunar/) as the build finds them in lunar/.
#include "cn_calendar.h"

namespace quillet {

// --- 三伏 -------------------------------------------------------------------
// 《初学记》 (卷四) quotes the 《阴阳书》:
// "从夏至后第三庚为初伏，第四庚为中伏， 立秋后初庚为后伏，谓之三伏". The count
// starts on the day of the term itself: a 夏至 or 立秋 that falls on a 庚 day
// is the first 庚 day counted, as the weather services reckon the dog days.
// 初伏 and 末伏 last ten days each; 中伏 lasts from its own 庚 day to the day
// before 末伏, ten days or twenty, so the dog days span 30 or 40 days.
struct DogDaysOfYear {
  std::chrono::sys_days firstBegins;   // 入伏: the third 庚 day from 夏至
  std::chrono::sys_days middleBegins;  // the fourth
  std::chrono::sys_days lastBegins;    // the first 庚 day from 立秋
  std::chrono::sys_days end;           // 出伏: the day after 末伏's tenth
  friend bool operator==(const DogDaysOfYear&, const DogDaysOfYear&) = default;
};
// The dog days of a Gregorian year 1901 .. 2100.
DogDaysOfYear DogDaysOf(int year);

enum class DogDaysPeriod { kFirst, kMiddle, kLast };  // 初伏, 中伏, 末伏
// A day of the dog days: its period and its place in it, 1..10 (1..20 in a
// long 中伏).
struct DogDay {
  DogDaysPeriod period;
  int day;
  friend bool operator==(const DogDay&, const DogDay&) = default;
};
// "初伏第3天".
std::string DogDayText(const DogDay& day);

// --- 数九 -------------------------------------------------------------------
// Nine periods of nine days from the winter solstice, 81 days that run
// across the year's end. 《荆楚岁时记》: "俗用冬至日数及九九八十一日，为寒尽":
// the count begins on the day of 冬至, as most calendars print it. A folk
// reckoning (冬至逢壬数九) begins at the first 壬 day instead, counted, as the
// dog days are, from the day of 冬至 itself.
enum class NinesStart { kWinterSolstice, kFirstRenDay };
// The first day of 一九 that follows the 冬至 of a Gregorian year
// 1900 .. 2100 (1900's reaches the first served days).
std::chrono::sys_days NinesBegin(
    int year, NinesStart start = NinesStart::kWinterSolstice);

// A day of the nines: 1 一九 .. 9 九九, and its day in it, 1..9.
struct NineDay {
  int nine;
  int day;
  friend bool operator==(const NineDay&, const NineDay&) = default;
};
// "三九第5天".
std::string NineDayText(const NineDay& day);

// --- 入梅, 出梅 --------------------------------------------------------------
// The almanac's rule, "芒种后逢丙入梅，小暑后逢未出梅": the plum rains begin on
// the first 丙 day from 芒种 and end on the first 未 day from 小暑, the term's
// own day counting. These are the almanac's days, not the weather's: the
// weather services declare the real rains of each region by observation, and
// their dates vary by weeks from these.
struct PlumRainOfYear {
  std::chrono::sys_days begins;  // 入梅
  std::chrono::sys_days ends;    // 出梅
  friend bool operator==(const PlumRainOfYear&,
                         const PlumRainOfYear&) = default;
};
// The plum rains of a Gregorian year 1901 .. 2100.
PlumRainOfYear PlumRainOf(int year);

// 入梅, a day between, 出梅.
enum class PlumRainDay { kBegins, kWithin, kEnds };

// --- 七十二候 ---------------------------------------------------------------
// Three pentads to each solar term (《逸周书·时训解》: "立春之日东风解冻，又
// 五日蛰虫始振，又五日鱼上冰"): the first begins on the day of the term, the
// second five days later, the third ten days later and lasts until the next
// term. Pentads are numbered 0..71 in the order of the terms as SolarTerms
// gives them, from 小寒 (names::Pentad): pentad / 3 is the term's index.
struct PentadDay {
  int index;  // 0..71
  int day;    // 1.. its day in the pentad (the third of a term may run 4..7)
  friend bool operator==(const PentadDay&, const PentadDay&) = default;
};

// --- The whole day ----------------------------------------------------------
struct SeasonsDay {
  std::optional<DogDay> dogDay;         // inside the dog days
  bool dogDaysEnd;                      // 出伏
  std::optional<NineDay> nine;          // inside the nines
  std::optional<PlumRainDay> plumRain;  // 入梅 .. 出梅
  PentadDay pentad;
  friend bool operator==(const SeasonsDay&, const SeasonsDay&) = default;
};
// The seasons of a served Gregorian day, each computed once.
SeasonsDay SeasonsOn(int year, int month, int day,
                     NinesStart nines = NinesStart::kWinterSolstice);

}  // namespace quillet
