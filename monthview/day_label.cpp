#include "monthview/day_label.h"

#include <string_view>

#include "lunar/lunar_names.h"
#include "monthview/day_key.h"
#include "monthview/gbk.h"

namespace quillet {
namespace {

// Notes and day names stand at a fixed 12 pixels left of the centre line, a
// two-character text in the 12-pixel Song face; festivals and month names are
// pulled left three pixels for every GBK byte they count.
constexpr int kFixedLabelOffset = -12;
int CentredOffset(std::string_view counted) {
  return -3 * static_cast<int>(GbkByteLength(counted));
}

}  // namespace

std::string LunarMonthLabel(int month, bool isLeapMonth, int monthDays) {
  return names::LunarMonth(month, isLeapMonth, names::MonthStyle::kGrid)
      .append(monthDays == 30 ? "大" : "小");
}

DayLabel ChooseDayLabel(const CnCalendar& calendar, int dayKey) {
  const auto [year, month, day] = FromDayKey(dayKey);
  const LunarDate lunar = calendar.GregorianToLunar(year, month, day);

  std::string note = calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                            lunar.isLeapMonth);
  if (!note.empty()) {
    return {DayLabelKind::kNote, std::move(note), kNoteColor, kFixedLabelOffset,
            lunar};
  }
  if (const FestivalRow* festival =
          FirstFestivalRow(month, day, lunar.month, lunar.day)) {
    // Centred as the stored text counts, its category digit included.
    return {DayLabelKind::kFestival, std::string(festival->name()),
            FestivalColor(festival->category()), CentredOffset(festival->text),
            lunar};
  }
  if (lunar.day == 1) {
    std::string name = LunarMonthLabel(
        lunar.month, lunar.isLeapMonth,
        calendar.LunarMonthDays(lunar.year, lunar.month, lunar.isLeapMonth));
    const int offset = CentredOffset(name);
    return {DayLabelKind::kMonthName, std::move(name), kMonthNameColor, offset,
            lunar};
  }
  return {DayLabelKind::kDayName, std::string(names::LunarDay(lunar.day)),
          kDayNameColor, kFixedLabelOffset, lunar};
}

DayLabel ChooseDayLabel(const CnCalendar& calendar, int dayKey, Script script) {
  DayLabel label = ChooseDayLabel(calendar, dayKey);
  if (script == Script::kSimplified) return label;
  const LunarDate& lunar = label.lunar;
  if (label.kind == DayLabelKind::kNote) {
    label.text = calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                        lunar.isLeapMonth, script);
  } else if (label.kind == DayLabelKind::kMonthName) {
    // The month's name, then its size (大 or 小), which stays as it is.
    const std::size_t named = names::LunarMonth(lunar.month, lunar.isLeapMonth,
                                                names::MonthStyle::kGrid)
                                  .size();
    label.text = names::LunarMonth(lunar.month, lunar.isLeapMonth,
                                   names::MonthStyle::kGrid, script) +
                 label.text.substr(named);
  }
  return label;
}

}  // namespace quillet
