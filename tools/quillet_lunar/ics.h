// quillet-lunar ics: the lunar festivals, the solar terms, every day's lunar
// date and lunar anniversaries as an iCalendar file, one all-day event per
// occurrence, every date Quillet's own.
//
//   quillet-lunar ics [--festivals] [--terms] [--days]
//                     [--anniversary NAME YYYY-MM-DD]...
//                     [--leap-rule when-present|ordinary|leap-only]
//                     [--missing-day last|skip] [--remind DAYS]
//                     [--traditional] [--output FILE] FROM TO
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lunar/cn_calendar.h"
#include "tools/quillet_lunar/icalendar.h"

namespace quillet::ics {

// Input the form refuses: the one line for standard error (exit status 2).
struct BadInput : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

// A lunar date to keep every year: the Gregorian day of a birth, a wedding
// or a death, and what to call it.
struct Anniversary {
  std::string name;
  std::chrono::year_month_day date;
  friend bool operator==(const Anniversary&, const Anniversary&) = default;
};

struct Request {
  bool festivals = false;
  bool terms = false;
  bool days = false;
  std::vector<Anniversary> anniversaries;
  LeapMonthRule leapRule = LeapMonthRule::kLeapWhenPresent;
  MissingDayRule missingDay = MissingDayRule::kLastDay;
  std::optional<int> remindDaysBefore;
  Script script = Script::kSimplified;
  std::optional<std::string> outputFile;
  int fromYear = 0;  // Gregorian years 1901 .. 2100
  int toYear = 0;
};

// The longest warning an alarm can give, in days.
inline constexpr int kMaxRemindDays = 365;

// The arguments that follow "ics"; throws BadInput.
Request ParseArguments(std::span<const std::string_view> arguments);

// DTSTAMP: SOURCE_DATE_EPOCH (decimal seconds since 1970-01-01 UTC) when it
// is set, so that the same arguments give the same bytes, else `now`.
// Throws BadInput for a value that is not such a number.
std::chrono::sys_seconds Stamp(const char* sourceDateEpoch,
                               std::chrono::sys_seconds now);

// Every event asked for, in the order of their days.
std::vector<ical::AllDayEvent> Events(const CnCalendar& calendar,
                                      const Request& request);

// The whole file.
std::string CalendarText(const CnCalendar& calendar, const Request& request,
                         std::chrono::sys_seconds stamp);

// Writes `text` to `path` whole or not at all: into a temporary file beside
// it, renamed into place once complete. On failure, the one line for
// standard error; the temporary file is removed and `path` left as it was.
std::optional<std::string> WriteWhole(const std::string& path,
                                      std::string_view text);

}  // namespace quillet::ics
