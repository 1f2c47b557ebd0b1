// The title line above the grid: the year by its Chinese era, and the lunar
// year of the month's first day by its stem-branch name and zodiac animal.
#pragma once

#include <string>

namespace quillet {

class CnCalendar;

// "◆光绪28" … "◆宣统元" … "◆民国38", "◆共和国元", "◆共和国98".
std::string EraPrefix(int year);

// For a checked year (1902..2047) and month (1..12), e.g. for March 2024
// "◆共和国75年◆ 农历 甲辰年〖龙〗".
std::string TitleText(int year, int month);

// The same, asking `calendar`: GregorianToLunar for the month's first day,
// then SexagenaryName, then ZodiacAnimal, in that order. Any type with those
// three operations will do.
template <class Calendar>
std::string TitleTextFrom(const Calendar& calendar, int year, int month);

// 甲子 is the first year of a cycle: 1984, or any year 60 × k + 4.
constexpr int SexagenaryIndex(int lunarYear) {
  const int offset = (lunarYear - 4) % 60;  // [-59, 59]
  return (offset < 0 ? offset + 60 : offset) + 1;
}

template <class Calendar>
std::string TitleTextFrom(const Calendar& calendar, int year, int month) {
  const int lunarYear = calendar.GregorianToLunar(year, month, 1).year;
  std::string title = EraPrefix(year) + "年◆ 农历 ";
  title += calendar.SexagenaryName(SexagenaryIndex(lunarYear));
  title += "年〖";
  title += calendar.ZodiacAnimal(lunarYear);
  title += "〗";
  return title;
}

}  // namespace quillet
