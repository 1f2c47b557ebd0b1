#include "monthview/month_description.h"

#include "lunar/lunar_names.h"
#include "monthview/day_label.h"

namespace quillet {
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
      // A day's name alone is read with its month's, as spoken: 冬月初二.
      description += names::LunarMonth(
          label.lunar.month, label.lunar.isLeapMonth, names::MonthStyle::kFull);
    }
    description += label.text;
  }
  return description;
}

}  // namespace quillet
