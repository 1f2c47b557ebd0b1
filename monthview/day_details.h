// What the window tells about one day beyond its label: the text of the
// tooltip over the day, of the clipboard when the day is copied, and of
// today in the canvas's spoken description.
#pragma once

#include <string>

#include "lunar/cn_calendar.h"
#include "lunar/official_days.h"

namespace quillet {

// What the window shows about one day under the pointer and copies to the
// clipboard: a few lines of text with the Gregorian date and weekday, the
// full lunar date (农历甲辰年正月初一), the stem-branch names of year, month
// and day (甲辰年 丙寅月 甲辰日), the zodiac animal, the day's solar term with
// its instant (HH:MM, UTC+8), every festival of the day, 除夕 where it
// applies, the day's seasons and its almanac.
//
// The lines, for 2024-02-04:
//   2024年2月4日 星期日
//   农历癸卯年腊月廿五（大月，30天）
//   癸卯年 丙寅月 戊戌日 属兔（按立春算为甲辰年）
//   立春 16:27（北京时间）
//   春节调休 上班
//   东风解冻 五九第9天
//   成 星日马 平地木 冲龙煞北 戊不受田 戌不吃犬
// After the solar term come, where the day has them, its festivals ("春节",
// "妇女节、植树节"); its place in the arrangements of `official`: a day off
// ("春节 休 第3天 法定假日", the day counted from the first of its span,
// 法定假日 only on a statutory day) or a make-up workday ("国庆节调休 上班");
// in a year after the last that `official` covers, the statutory day off it
// may be ("春节 休 法定假日") and "2028年调休安排尚未收录". Every day then has
// the line of its seasons: the pentad, and where the day has them its day of
// the dog days or 出伏, its day of the nines, 入梅 or 出梅, and the phase of
// the Moon with its minute (UTC+8), as in "蛰虫始振 六九第6天 朔 06:59"; and
// the almanac's line: the officer, the mansion, the day's 纳音, its 冲 and 煞,
// and what 彭祖百忌 forbids on its stem and branch. Last, in the three months
// whose first day may be a day out, a note that says so. Lines end in "\n"
// but the last. The year is counted from 正月初一, as the title line counts
// it; where 立春 has already begun the next year, or not yet, the third line
// says so. A served day (1901-02-19 .. 2100-12-31) only; others throw
// std::out_of_range.
std::string DayDetailsText(
    const CnCalendar& calendar, int year, int month, int day,
    const OfficialDays& official = OfficialDays::BuiltIn());

}  // namespace quillet
