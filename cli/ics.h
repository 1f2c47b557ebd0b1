// quillet-lunar ics: the lunar festivals, the solar terms, every day's lunar
// date and lunar anniversaries as an iCalendar file, one all-day event per
// occurrence, every date Quillet's own.
//
//   quillet-lunar ics [--festivals] [--terms] [--days] [--holidays]
//                     [--seasons] [--moon] [--anniversary NAME YYYY-MM-DD]...
//                     [--leap-rule when-present|ordinary|leap-only]
//                     [--missing-day last|skip] [--remind DAYS]
//                     [--traditional] [--output FILE] FROM TO
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/icalendar.h"
#include "cli/output.h"
#include "cli/run.h"
#include "lunar/cn_calendar.h"
#include "lunar/official_days.h"

namespace quillet::lunar_cli {

// A lunar date to keep every year: the Gregorian day of a birth, a wedding
// or a death, and what to call it.
struct KeptDate {
  std::string name;
  std::chrono::year_month_day date;
  friend bool operator==(const KeptDate&, const KeptDate&) = default;
};

struct IcsRequest {
  bool festivals = false;
  bool terms = false;
  bool days = false;
  bool holidays = false;  // 休 and 班 of the notices of the years FROM..TO
  bool seasons = false;   // 三伏, 数九, 入梅 and 出梅
  bool moon = false;      // the four phases of the Moon
  std::vector<KeptDate> anniversaries;
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

// The arguments that follow "ics"; throws UsageError naming the argument
// that is wrong.
IcsRequest ParseIcsArguments(std::span<const std::string_view> args);

// DTSTAMP: SOURCE_DATE_EPOCH (decimal seconds since 1970-01-01 UTC) when it
// is set, so that the same arguments give the same bytes, else `now`.
// Throws UsageError for a value that is not such a number.
std::chrono::sys_seconds IcsStamp(const char* sourceDateEpoch,
                                  std::chrono::sys_seconds now);

// Every event asked for, in the order of their days. --holidays gives, for
// each year FROM..TO whose notice `official` holds, one event per span of
// days off ("国庆节 休 8天", the statutory days in the description) and one
// per make-up workday ("国庆节调休 上班"). --seasons gives the first days of
// 初伏, 中伏 and 末伏 (the length of each in the description) and 出伏, the
// first day of each nine, 入梅 and 出梅; --moon each phase of the Moon on its
// day, its time (UTC+8) in the description.
std::vector<ical::AllDayEvent> IcsEvents(
    const CnCalendar& calendar, const IcsRequest& request,
    const OfficialDays& official = OfficialDays::BuiltIn());

// The whole file.
std::string IcsText(const CnCalendar& calendar, const IcsRequest& request,
                    std::chrono::sys_seconds stamp,
                    const OfficialDays& official = OfficialDays::BuiltIn());

// `ics ...`: the file to `out`, or with --output through the context's
// writeWholeFile (status 1 and one line on `errors` when that fails).
int RunIcs(std::span<const std::string_view> args, const Context& context,
           Output& out, Output& errors);

}  // namespace quillet::lunar_cli
