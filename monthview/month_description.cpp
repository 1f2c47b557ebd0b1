#include "monthview/month_description.h"

#include <array>
#include <string_view>

#include "monthview/day_label.h"

namespace quillet {
namespace {

// The lunar months as they are spoken.
constexpr std::array<std::string_view, 12> kSpokenMonthNames{
    "正月", "二月", "三月", "四月", "五月", "六月",
    "七月", "八月", "九月", "十月", "冬月", "腊月"};

}  // namespace

std::string MonthDescription(int year, int month) {
  return MonthDescription(ChooseMonthLabels(year, month));
}

std::string MonthDescription(const MonthLabels& month) {
  const std::string monthNumber = std::to_string(month.month);
  std::string description;
  for (int day = 1; day <= month.grid.daysInMonth; ++day) {
    const DayLabel& label = month.labels[day - 1];
    if (day > 1) description += "；";
    description += monthNumber + "月" + std::to_string(day) + "日 ";
    if (label.kind == DayLabelKind::kDayName) {
      if (label.lunar.isLeapMonth) description += "闰";
      description += kSpokenMonthNames[label.lunar.month - 1];
    }
    description += label.text;
  }
  return description;
}

}  // namespace quillet
