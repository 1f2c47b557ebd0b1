// What the Plasma clock's calendar shows of one day, in plain C++: the label
// under the day's number, the line beside the full date, and the day's
// events for the agenda. The plug-in (calendar_plugin.h) only turns these
// into Plasma's types.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "lunar/cn_calendar.h"
#include "lunar/official_days.h"

namespace quillet::plasma {

enum class ClockEventKind {
  kNote,      // a solar term or 除夕: minor
  kFestival,  // one of the program's festivals: minor
  kRest,      // 休: a day off of a holiday
  kWork,      // 班: a weekend day worked instead
};

struct ClockEvent {
  ClockEventKind kind;
  std::string title;
  std::string description;
  std::string uid;  // the same for the same day and event on every run
};

struct ClockDay {
  // Under the day's number: the window's choice of label (除夕 or the solar
  // term, else the festival, else the month's name on its first day, else
  // the day's name), except that a month's first day shows the month as a
  // full date names it, without its size (正月, 闰四月, 冬月, 腊月): the
  // clock's cell has room for two or three characters.
  std::string dayLabel;
  // Beside the full date and in the tooltip: the day's line as quillet-lunar
  // writes it without the date ("丙午年 冬月十四 冬至"), then the day's
  // festivals, then its 休/班 words where the data has the day.
  std::string label;
  std::vector<ClockEvent> events;
};

// The days the clock may ask about, with the 休/班 data they are answered
// from: the built-in table, with the user's file of later notices where it
// was sound.
class ClockCalendar {
 public:
  explicit ClockCalendar(OfficialDays official);

  // The day, or std::nullopt outside 1901-02-19 .. 2100-12-31.
  std::optional<ClockDay> Day(std::chrono::sys_days day, Script script) const;

 private:
  CnCalendar calendar_;
  OfficialDays official_;
};

}  // namespace quillet::plasma
