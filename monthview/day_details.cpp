#include "monthview/day_details.h"

#include <array>
#include <chrono>
#include <optional>
#include <string_view>

#include "lunar/almanac.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "lunar/moon_phases.h"
#include "lunar/seasons.h"
#include "monthview/festivals.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

// Sunday first, as std::chrono::weekday counts: c_encoding() 0 is Sunday.
constexpr std::array<std::string_view, 7> kWeekdays{
    "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

using names::kNewYearsEve;

std::string GregorianLine(int year, int month, int day) {
  const chr::weekday weekday{
      chr::sys_days{chr::year{year} / chr::month{static_cast<unsigned>(month)} /
                    chr::day{static_cast<unsigned>(day)}}};
  return std::to_string(year) + "年" + std::to_string(month) + "月" +
         std::to_string(day) + "日 " +
         std::string(kWeekdays[weekday.c_encoding()]);
}

// 农历甲辰年正月初一（小月，29天）: the year by its stem-branch name from
// 正月初一, the month and day as written in full, the month's size.
std::string LunarLine(int sexagenaryYear, const LunarDate& lunar,
                      int monthDays) {
  return "农历" + names::Sexagenary(sexagenaryYear) + "年" +
         names::LunarMonthDay(lunar) +
         (monthDays == 30 ? "（大月，" : "（小月，") +
         std::to_string(monthDays) + "天）";
}

// 甲辰年 丙寅月 甲辰日 属龙, and the year from 立春 where it differs.
std::string StemBranchLine(const CnCalendar& calendar, int year, int month,
                           int day, int sexagenaryYear) {
  std::string line =
      names::Sexagenary(sexagenaryYear) + "年 " +
      names::Sexagenary(calendar.SexagenaryMonth(year, month, day)) + "月 " +
      names::Sexagenary(calendar.SexagenaryDay(year, month, day)) + "日 属" +
      std::string(names::ZodiacOfCycle(sexagenaryYear));
  const int fromSpring =
      calendar.SexagenaryYear(year, month, day, YearStart::kSpringBegins);
  if (fromSpring != sexagenaryYear) {
    line += "（按立春算为" + names::Sexagenary(fromSpring) + "年）";
  }
  return line;
}

// 16:27: the minute of an instant in China Standard Time.
std::string ClockText(chr::sys_seconds instant) {
  return MinuteText(instant + kChinaStandardTimeOffset);
}

// 立春 16:27（北京时间）: the minute the term begins, in China Standard Time.
std::string TermLine(const SolarTermOnDay& term) {
  return std::string(names::SolarTermName(term.index)) + " " +
         ClockText(term.term.instant) + "（北京时间）";
}

// 除夕 first, then every festival of the day in table order.
std::string FestivalLine(bool newYearsEve, int year, int month, int day) {
  std::string line = newYearsEve ? std::string(kNewYearsEve) : "";
  for (const Festival& festival : FestivalsOn(year, month, day)) {
    if (!line.empty()) line += "、";
    line += festival.name;
  }
  return line;
}

// 春节 休 第3天 法定假日 on a day off, 国庆节调休 上班 on a make-up workday,
// 春节 休 法定假日 on a statutory day off that no notice here arranges; "" on
// any other day.
std::string OfficialLine(const OfficialDays& official, chr::sys_days date) {
  const std::optional<OfficialDay> answer = official.On(date);
  if (!answer) return {};
  if (answer->kind == OfficialDayKind::kWork) {
    return answer->holiday + "调休 上班";
  }
  std::string line = answer->holiday + " 休";
  if (const OfficialSpan* row = official.RowOn(date)) {
    line += " 第" + std::to_string((date - row->first).count() + 1) + "天";
  }
  if (answer->statutory) line += " 法定假日";
  return line;
}

// 东风解冻 三九第5天 望 21:13: the pentad, which every day has, then the
// dog days (or 出伏), the nines, 入梅 or 出梅 on their own days, and the
// phase of the Moon with its minute on the day it falls.
std::string SeasonsLine(const SeasonsDay& seasons,
                        const std::optional<MoonPhaseInstant>& phase) {
  std::string line{names::Pentad(seasons.pentad.index)};
  const auto add = [&line](std::string_view part) {
    line += ' ';
    line += part;
  };
  if (seasons.dogDay) add(DogDayText(*seasons.dogDay));
  if (seasons.dogDaysEnd) add(names::kDogDaysEnd);
  if (seasons.nine) add(NineDayText(*seasons.nine));
  if (seasons.plumRain == PlumRainDay::kBegins) add(names::kPlumRainBegins);
  if (seasons.plumRain == PlumRainDay::kEnds) add(names::kPlumRainEnds);
  if (phase) {
    add(MoonPhaseName(phase->phase));
    add(ClockText(phase->instant));
  }
  return line;
}

// The first `count` characters of a UTF-8 text.
std::string_view Head(std::string_view text, int count) {
  std::size_t end = 0;
  for (int taken = 0; end < text.size(); ++end) {
    const bool leadByte =
        (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
    if (leadByte && taken++ == count) break;
  }
  return text.substr(0, end);
}

// 建 角木蛟 海中金 冲马煞南 甲不开仓 子不问卜: the officer, the mansion in
// full, the day's 纳音, its 冲 and 煞, and what 彭祖百忌 forbids on the day's
// stem and on its branch. Each line of 彭祖百忌 is eight characters, the
// four that forbid and the four that say what comes of it; the first four
// say what the day forbids and keep the line short enough for the tooltip.
std::string AlmanacLine(const AlmanacDay& almanac) {
  constexpr int kForbidden = 4;
  const int stem = (almanac.day - 1) % 10, branch = (almanac.day - 1) % 12;
  return std::string(names::Officer(almanac.officer)) + " " +
         std::string(names::MansionFull(almanac.mansion)) + " " +
         std::string(names::Nayin(almanac.day)) + " " + ClashText(almanac) +
         " " + std::string(Head(names::PengzuStem(stem), kForbidden)) + " " +
         std::string(Head(names::PengzuBranch(branch), kForbidden));
}

}  // namespace

std::string DayDetailsText(const CnCalendar& calendar, int year, int month,
                           int day, const OfficialDays& official) {
  const LunarDate lunar = calendar.GregorianToLunar(year, month, day);
  const int monthDays =
      calendar.LunarMonthDays(lunar.year, lunar.month, lunar.isLeapMonth);
  const int sexagenaryYear = calendar.SexagenaryYear(year, month, day);

  std::string text = GregorianLine(year, month, day);
  const auto addLine = [&text](std::string_view line) {
    if (line.empty()) return;
    text += '\n';
    text += line;
  };
  addLine(LunarLine(sexagenaryYear, lunar, monthDays));
  addLine(StemBranchLine(calendar, year, month, day, sexagenaryYear));
  if (const auto term = calendar.SolarTermOn(year, month, day)) {
    addLine(TermLine(*term));
  }
  const bool newYearsEve =
      calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                             lunar.isLeapMonth) == kNewYearsEve;
  addLine(FestivalLine(newYearsEve, year, month, day));
  addLine(OfficialLine(
      official,
      chr::sys_days{chr::year{year} / chr::month{static_cast<unsigned>(month)} /
                    chr::day{static_cast<unsigned>(day)}}));
  if (year > official.lastYear()) {
    addLine(std::to_string(year) + "年调休安排尚未收录");
  }
  addLine(
      SeasonsLine(SeasonsOn(year, month, day), MoonPhaseOn(year, month, day)));
  addLine(AlmanacLine(AlmanacOn(year, month, day)));
  if (calendar.MonthStartUncertain(lunar.year, lunar.month,
                                   lunar.isLeapMonth)) {
    addLine("注：" +
            names::LunarMonth(lunar.month, lunar.isLeapMonth,
                              names::MonthStyle::kFull) +
            "初一的新月临近午夜，此月的日子可能差一天");
  }
  return text;
}

}  // namespace quillet
