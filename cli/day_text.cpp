#include "cli/day_text.h"

#include "lunar/lunar_names.h"

namespace quillet::lunar_cli {

std::string LunarLineOf(const CnCalendar& calendar,
                        std::chrono::year_month_day date, Script script) {
  const int year = static_cast<int>(date.year());
  const int month = static_cast<int>(unsigned{date.month()});
  const int day = static_cast<int>(unsigned{date.day()});
  const LunarDate lunar = calendar.GregorianToLunar(year, month, day);
  std::string line =
      names::Sexagenary(calendar.SexagenaryYear(year, month, day));
  line += "年 ";
  line += names::LunarMonthDay(lunar, script);
  const std::string note = calendar.LunarDateNote(
      lunar.year, lunar.month, lunar.day, lunar.isLeapMonth, script);
  if (!note.empty()) line += " " + note;
  return line;
}

std::string OfficialDayWords(const OfficialDay& official, int year) {
  if (official.kind == OfficialDayKind::kWork) {
    return "班 " + official.holiday + "调休";
  }
  std::string words = "休 " + official.holiday;
  if (official.statutory) words += " 法定假日";
  if (official.source == OfficialDaySource::kRules) {
    words += ' ';
    words += NotYetArrangedText(year);
  }
  return words;
}

std::string NotYetArrangedText(int year) {
  std::string text{"("};
  text += std::to_string(year);
  text += "年调休安排尚未收录)";
  return text;
}

}  // namespace quillet::lunar_cli
