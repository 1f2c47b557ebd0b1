// The one text under each day number: the lunar component's note, a
// festival, the lunar month's name and size on its first day, or the lunar
// day's name.
#pragma once

#include <string>

#include "lunar/cn_calendar.h"
#include "monthview/canvas.h"
#include "monthview/festivals.h"

namespace quillet {

enum class DayLabelKind { kNote, kFestival, kMonthName, kDayName };

struct DayLabel {
  DayLabelKind kind;
  std::string text;  // as shown: a festival's category digit is dropped
  Rgb color;
  int leftOffset;   // left edge relative to the column's centre line
  LunarDate lunar;  // the day's lunar date, which the label was chosen by
};

// Label colours.
inline constexpr Rgb kNoteColor{0x00, 0x00, 0xFF};
// A festival's colour, by its category: public holidays red, commemorative
// days green, lunar festivals blue.
inline constexpr Rgb kFestivalRed{0xFF, 0x00, 0x00};
inline constexpr Rgb kFestivalGreen{0x00, 0xFF, 0x00};
inline constexpr Rgb kFestivalBlue{0x00, 0x00, 0xFF};
constexpr Rgb FestivalColor(FestivalCategory category) {
  switch (category) {
    case FestivalCategory::kPublicHoliday:
      return kFestivalRed;
    case FestivalCategory::kCommemorative:
      return kFestivalGreen;
    case FestivalCategory::kLunarFestival:
      break;
  }
  return kFestivalBlue;
}
inline constexpr Rgb kMonthNameColor{0x90, 0x00, 0xFF};
inline constexpr Rgb kDayNameColor{0x00, 0x00, 0x00};

// The label sits this far below the top of the day's row.
inline constexpr int kLabelBelowRowTop = 30;

// Chooses the label of the Gregorian day `dayKey` (year × 10000 + month ×
// 100 + day). The window asks it for 1902..2047; it answers every served day,
// 1901-02-19 .. 2100-12-31, as `quillet-lunar cal` and the Plasma clock's
// calendar ask it, and throws std::out_of_range for any other.
DayLabel ChooseDayLabel(const CnCalendar& calendar, int dayKey);

// The same choice, its text in `script`. Only the texts that have a
// traditional form change: the note and the 闰 of a leap month's name.
// Festival names have one form.
DayLabel ChooseDayLabel(const CnCalendar& calendar, int dayKey, Script script);

// The label of a lunar month's first day: its name as the grid writes it,
// then its size: "闰四月大", "十一月小".
std::string LunarMonthLabel(int month, bool isLeapMonth, int monthDays);

}  // namespace quillet
