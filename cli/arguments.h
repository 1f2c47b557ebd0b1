// quillet-lunar's command line: what each argument means, read into a
// request that is checked whole before anything is written, and the usage.
#pragma once

#include <chrono>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "lunar/cn_calendar.h"

namespace quillet::lunar_cli {

// Bad input or arguments: the one line for standard error, then status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class Form {
  kHelp,
  kVersion,
  kDay,          // one day: the date given, or today
  kDateList,     // `-`: dates from standard input, one a line
  kRange,        // --tsv FROM TO
  kToGregorian,  // --to-gregorian YEAR MONTH DAY [--leap]
  kTerms,        // --terms YEAR
  kHours,        // --hours YYYY-MM-DD [--rat-hour]
};

struct Request {
  Form form = Form::kHelp;
  Script script = Script::kSimplified;
  bool json = false;
  std::chrono::year_month_day from{};  // kDay's, kHours' day; kRange's first
  std::chrono::year_month_day to{};    // kRange's last day
  int year = 0;                        // kToGregorian, kTerms
  int month = 0;                       // kToGregorian
  int day = 0;                         // kToGregorian
  bool leap = false;                   // kToGregorian
  bool ratHour = false;                // kHours: the day begins at 23:00
};

// Reads the arguments that follow the program's name. `today` (the local
// date) is the day of the form without a date. Throws UsageError naming the
// argument that is wrong.
Request ParseArguments(std::span<const std::string_view> args,
                       std::chrono::year_month_day today);

enum class ColorChoice { kAuto, kAlways, kNever };

// `cal [-3] [--monday] [--traditional] [--color=WHEN] [YEAR [MONTH]]`.
struct CalRequest {
  bool help = false;
  int year = 0;
  int month = 0;  // 0: the whole year
  bool withNeighbours = false;
  bool mondayFirst = false;
  Script script = Script::kSimplified;
  ColorChoice color = ColorChoice::kAuto;
};

// The first and last months `cal` shows: those whose first day is served.
inline constexpr std::chrono::year_month kFirstCalMonth{std::chrono::year{1901},
                                                        std::chrono::March};
inline constexpr std::chrono::year_month kLastCalMonth{std::chrono::year{2100},
                                                       std::chrono::December};

// Reads the arguments that follow `cal`; without YEAR, today's month.
CalRequest ParseCalArguments(std::span<const std::string_view> args,
                             std::chrono::year_month_day today);

// YYYY-MM-DD, a real day within the served range; `what` names it in the
// message ("date", "FROM", "line 3").
std::chrono::year_month_day ParseServedDate(std::string_view what,
                                            std::string_view text);

// Whether an argument is an option: a '-' and more, not a negative number.
bool IsOption(std::string_view arg);
// A whole number; `what` names it in the message.
int ParseNumber(std::string_view what, std::string_view text);

// An argument or line as a message quotes it: in single quotes, control
// bytes and backslashes as \xNN, cut after 64 bytes, so that no input can
// send a terminal's control sequences through an error message.
std::string Quoted(std::string_view text);

std::string_view Usage();
// "quillet-lunar 0.1.0"
std::string VersionLine();

}  // namespace quillet::lunar_cli
