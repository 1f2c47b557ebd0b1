#include "plasma/clock_days.h"

#include <string_view>
#include <utility>

#include "cli/day_text.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "monthview/day_key.h"
#include "monthview/day_label.h"
#include "monthview/festivals.h"

namespace quillet::plasma {
namespace {

namespace chr = std::chrono;

// "quillet-2025-10-01-rest": the date, then what the event is.
std::string Uid(const chr::year_month_day& date, std::string_view what) {
  return "quillet-" + DateText(date) + "-" + std::string{what};
}

// "北京时间 04:50": a solar term's minute in UTC+8.
std::string TermMinute(chr::sys_seconds instant, Script script) {
  return std::string{script == Script::kTraditional ? "北京時間 "
                                                    : "北京时间 "} +
         MinuteText(instant + kChinaStandardTimeOffset);
}

}  // namespace

ClockCalendar::ClockCalendar(OfficialDays official)
    : official_(std::move(official)) {}

std::optional<ClockDay> ClockCalendar::Day(chr::sys_days day,
                                           Script script) const {
  if (day < chr::sys_days{kFirstServedDay} ||
      day > chr::sys_days{kLastServedDay}) {
    return std::nullopt;
  }
  const chr::year_month_day date{day};
  const int year = static_cast<int>(date.year());
  const int month = static_cast<int>(unsigned{date.month()});
  const int dayOfMonth = static_cast<int>(unsigned{date.day()});

  ClockDay answer;
  DayLabel chosen =
      ChooseDayLabel(calendar_, ToDayKey(year, month, dayOfMonth), script);
  const LunarDate& lunar = chosen.lunar;
  answer.dayLabel = chosen.kind == DayLabelKind::kMonthName
                        ? names::LunarMonth(lunar.month, lunar.isLeapMonth,
                                            names::MonthStyle::kFull, script)
                        : chosen.text;
  answer.label = lunar_cli::LunarLineOf(calendar_, date, script);

  // The note outranks every other label, so a day has one exactly when its
  // label is one.
  if (chosen.kind == DayLabelKind::kNote) {
    ClockEvent note{ClockEventKind::kNote, chosen.text, "", ""};
    if (const auto term = calendar_.SolarTermOn(year, month, dayOfMonth)) {
      note.description = TermMinute(term->term.instant, script);
      note.uid = Uid(date, "term");
    } else {
      note.uid = Uid(date, "eve");
    }
    answer.events.push_back(std::move(note));
  }
  for (Festival& festival : FestivalsOn(year, month, dayOfMonth)) {
    answer.label.append(" ").append(festival.name);
    std::string uid = Uid(date, "festival-" + festival.name);
    answer.events.push_back({ClockEventKind::kFestival,
                             std::move(festival.name), "", std::move(uid)});
  }
  if (const std::optional<OfficialDay> official = official_.On(day)) {
    answer.label.append(" ").append(
        lunar_cli::OfficialDayWords(*official, year));
    if (official->kind == OfficialDayKind::kRest) {
      std::string description = official->statutory ? "法定假日" : "调休";
      if (official->source == OfficialDaySource::kRules) {
        description.append(" ").append(lunar_cli::NotYetArrangedText(year));
      }
      answer.events.push_back({ClockEventKind::kRest, official->holiday + " 休",
                               std::move(description), Uid(date, "rest")});
    } else {
      answer.events.push_back({ClockEventKind::kWork,
                               official->holiday + "调休 上班", "",
                               Uid(date, "work")});
    }
  }
  return answer;
}

}  // namespace quillet::plasma
