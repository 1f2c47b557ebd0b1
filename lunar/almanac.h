// The almanac's facts of a day (黄历): the officer of 建除, the lunar mansion,
// the 纳音 of the day, month and year, the animal the day clashes with and
// the direction of its 煞, the lines of 彭祖百忌, and the twelve double hours
// (时辰) with their stems and branches. All of them follow from the day's
// place in the cycle of days, the days of the solar terms and the weekday;
// the names live in lunar_names.h.
//
// Every operation takes the served days, 1901-02-19 .. 2100-12-31, and
// throws std::out_of_range naming the argument for any other.
#pragma once

#include <chrono>
#include <string>

// Included by their own names, so that the installed header finds them
// beside itself (quillet/lunar/) as the build finds them in lunar/.
#include "cn_calendar.h"
#include "lunar_names.h"

namespace quillet {

// --- 建除十二神 -------------------------------------------------------------
// 《淮南子·天文训》: "寅为建，卯为除，辰为满，巳为平，……子为开，丑为闭": in
// each month the day whose branch is the month's own branch is 建, and each
// following day takes the next officer (建 除 满 平 定 执 破 危 成 收 开 闭).
// The month is the stem-branch month, which the 节 begin (立春 寅, 惊蛰 卯 …),
// so on the day of a 节 both the day's branch and the month's advance and
// the officer of the day before comes again.
//
// --- 二十八宿 ---------------------------------------------------------------
// The mansion of the day in the cycle of 28 that runs unbroken with the days
// (the 禽星 of the almanacs). Four weeks make the cycle, so each mansion keeps
// a weekday through the luminary in its name: 角木蛟 on Thursdays (木),
// 亢金龙 on Fridays (金), 氐土貉 on Saturdays (土), and 房, 虚, 昴 and 星 (日)
// on Sundays. Which of the four Sunday mansions a Sunday has is fixed by the
// 七元禽星 of the 择日 manuals, whose seven periods of 60 days begin their 甲子
// days with 虚, 奎, 毕, 鬼, 翼, 氐 and 箕 ("一元虚张室轸遊，二元奎亢胃房求…"):
// a 甲子 day that is a Sunday is 虚. 2000-09-03, a 甲子 day and a Sunday, is
// the reference day (kMansionReferenceDay).
//
// Another scheme, that of the 《宿曜经》 and the Japanese 宿曜 calendars,
// assigns the mansions by the lunar month and day (27 of them, leaving out
// 牛); this is not it.
//
// --- 纳音 -------------------------------------------------------------------
// The 30 names of 《三命通会·论纳音取象》, one to each pair of the cycle
// (甲子 乙丑 海中金 …), for the day, the month (as the 节 begin it) and the
// year. The year follows YearStart: the lunar new year by default, as the
// library counts the stem-branch year; 立春, as the horoscopes count it.
//
// --- 冲 and 煞 --------------------------------------------------------------
// The day clashes (冲) with the animal of the branch opposite its own (子 and
// 午, 丑 and 未 …: the sixth branch on). Its 煞 lies in the direction the
// almanacs give by the branch's 三合 group: 申子辰 煞南, 寅午戌 煞北, 亥卯未
// 煞西, 巳酉丑 煞东. A 子 day reads 冲马煞南.
//
// --- 彭祖百忌 ---------------------------------------------------------------
// The line of the day's stem and the line of its branch (names::PengzuStem,
// names::PengzuBranch).
struct AlmanacDay {
  int day;      // 1..60, the day's place in the cycle (甲子 1)
  int month;    // 1..60, the stem-branch month by the 节
  int year;     // 1..60, the stem-branch year as YearStart counts it
  int officer;  // 0..11, 建 .. 闭 (names::Officer)
  int mansion;  // 0..27, 角 .. 轸 (names::Mansion, names::MansionFull)
  int clash;    // 0..11, the branch whose animal the day clashes with
  names::Direction sha;
  friend bool operator==(const AlmanacDay&, const AlmanacDay&) = default;
};

// 2000-09-03: a 甲子 day, a Sunday, and so a 虚 day (see above).
inline constexpr std::chrono::year_month_day kMansionReferenceDay{
    std::chrono::year{2000}, std::chrono::September, std::chrono::day{3}};

// The almanac of a served Gregorian day, each fact computed once.
AlmanacDay AlmanacOn(int year, int month, int day,
                     YearStart start = YearStart::kLunarNewYear);

// "冲马煞南" (traditional "沖馬煞南").
std::string ClashText(const AlmanacDay& day,
                      Script script = Script::kSimplified);
// "甲不开仓财物耗散 子不问卜自惹祸殃": the stem's line, a space, the branch's.
std::string PengzuText(const AlmanacDay& day,
                       Script script = Script::kSimplified);

// --- 时辰 and the hour's stem and branch ------------------------------------
// Twelve double hours, 子 from 23:00 to 01:00, 丑 from 01:00 to 03:00 … 亥
// from 21:00 to 23:00. The stem of a day's 子 hour follows the day's stem by
// the rule 五鼠遁
// ("甲己还加甲，乙庚丙作初，丙辛从戊起，丁壬庚子居，戊癸何方发， 壬子是真途"),
// and the hours run on through the cycle from there; so the hours' stems and
// branches run unbroken with the days, and the pillar of an hour does not
// depend on which day the hour is said to belong to.
//
// Which day the hour 23:00 .. 24:00 belongs to, sources differ. The library's
// days run from midnight (UTC+8), and so by default the hour is the 晚子
// (late 子, 夜子) of the day it falls in, 00:00 .. 01:00 being that day's
// 早子 (early 子): its pillar is the 子 hour that begins the next day, its day
// pillar still that of its own day. The older reckoning (kRatHour) begins the
// day at 子初, 23:00: the hour belongs to the next day, day pillar and all.
enum class DayBoundary { kMidnight, kRatHour };

struct HourPillar {
  int branch;    // 0..11, the double hour 子 .. 亥
  int hour;      // 1..60, the hour's place in the cycle
  int day;       // 1..60, the place of the day the hour belongs to
  bool lateRat;  // 23:00 .. 24:00 read as 晚子 of its own day (kMidnight)
  friend bool operator==(const HourPillar&, const HourPillar&) = default;
};

// The double hour of `hour` 0..23 (UTC+8) of a served day. At 23:00 under
// kRatHour the day is the next, even after the last served day.
HourPillar HourPillarAt(int year, int month, int day, int hour,
                        DayBoundary boundary = DayBoundary::kMidnight);

}  // namespace quillet
