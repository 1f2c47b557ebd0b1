#include "monthview/day_label.h"

#include <array>
#include <string_view>

#include "monthview/day_key.h"
#include "monthview/festivals.h"
#include "monthview/gbk.h"

namespace quillet {
namespace {

// The numeral of k, 1..10, is kNumerals[k - 1].
constexpr std::array<std::string_view, 10> kNumerals{
    "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

std::string_view Numeral(int k) { return kNumerals[k - 1]; }

// Notes and day names stand at a fixed 12 pixels left of the centre line, a
// two-character text in the 12-pixel Song face; festivals and month names are
// pulled left three pixels for every GBK byte they count.
constexpr int kFixedLabelOffset = -12;
int CentredOffset(std::string_view counted) {
  return -3 * static_cast<int>(GbkByteLength(counted));
}

Rgb FestivalColor(char category) {
  const bool digit = category >= '0' && category <= '9';
  return kFestivalColors[digit ? category - '0' : 0];
}

}  // namespace

std::string LunarMonthName(int month, bool isLeapMonth, int monthDays) {
  std::string name = isLeapMonth ? "闰" : "";
  if (month > 10) {
    name += "十";
    name += Numeral(month - 10);
  } else {
    name += Numeral(month);
  }
  name += monthDays == 30 ? "月大" : "月小";
  return name;
}

std::string LunarDayName(int day) {
  if (day <= 10) return std::string("初").append(Numeral(day));
  if (day < 20) return std::string("十").append(Numeral(day - 10));
  if (day == 20) return "二十";
  if (day < 30) return std::string("廿").append(Numeral(day - 20));
  return "三十";
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
  const std::string_view festival =
      FestivalTextFor(month, day, lunar.month, lunar.day);
  if (!festival.empty()) {
    return {DayLabelKind::kFestival, std::string(festival.substr(1)),
            FestivalColor(festival.front()), CentredOffset(festival), lunar};
  }
  if (lunar.day == 1) {
    std::string name = LunarMonthName(
        lunar.month, lunar.isLeapMonth,
        calendar.LunarMonthDays(lunar.year, lunar.month, lunar.isLeapMonth));
    const int offset = CentredOffset(name);
    return {DayLabelKind::kMonthName, std::move(name), kMonthNameColor, offset,
            lunar};
  }
  return {DayLabelKind::kDayName, LunarDayName(lunar.day), kDayNameColor,
          kFixedLabelOffset, lunar};
}

}  // namespace quillet
