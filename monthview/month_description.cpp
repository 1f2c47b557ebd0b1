#include "monthview/month_description.h"

#include <array>
#include <string_view>

#include "lunar/cn_calendar.h"
#include "monthview/day_label.h"
#include "monthview/grid.h"

namespace quillet {
namespace {

// The lunar months as they are spoken.
constexpr std::array<std::string_view, 12> kSpokenMonthNames{
    "正月", "二月", "三月", "四月", "五月", "六月",
    "七月", "八月", "九月", "十月", "冬月", "腊月"};

}  // namespace

std::string MonthDescription(int year, int month) {
  const CnCalendar calendar;
  const int days = LayOutMonth(year, month).daysInMonth;
  std::string description;
  for (int day = 1; day <= days; ++day) {
    const int dayKey = year * 10000 + month * 100 + day;
    const DayLabel label = ChooseDayLabel(calendar, dayKey);
    if (day > 1) description += "；";
    description += std::to_string(month) + "月" + std::to_string(day) + "日 ";
    if (label.kind == DayLabelKind::kDayName) {
      const LunarDate lunar = calendar.GregorianToLunar(year, month, day);
      if (lunar.isLeapMonth) description += "闰";
      description += kSpokenMonthNames[lunar.month - 1];
    }
    description += label.text;
  }
  return description;
}

}  // namespace quillet
