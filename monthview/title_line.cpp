#include "monthview/title_line.h"

#include <array>

#include "lunar/cn_calendar.h"

namespace quillet {
namespace {

// One era: its name, the Gregorian year of its first year, and whether that
// first year is written 元 (with the title's next piece it reads 元年).
struct Era {
  int firstYear;
  const char* name;
  bool firstYearIsYuan;
};

// Latest first. The republic's count starts at 1950, not 1949, which is
// 民国38; every earlier year of the range is counted in 光绪.
constexpr std::array<Era, 4> kEras{{
    {1950, "◆共和国", true},
    {1912, "◆民国", true},
    {1909, "◆宣统", true},
    {1875, "◆光绪", false},
}};

}  // namespace

std::string EraPrefix(int year) {
  for (const Era& era : kEras) {
    if (year < era.firstYear && &era != &kEras.back()) continue;
    const int count = year - era.firstYear + 1;
    if (count == 1 && era.firstYearIsYuan) return std::string(era.name) + "元";
    return era.name + std::to_string(count);
  }
  return {};  // not reached: the last era takes every remaining year
}

std::string TitleText(int year, int month) {
  return TitleTextFrom(CnCalendar(), year, month);
}

}  // namespace quillet
