// quillet-lunar: the lunar calendar component on the command line.
//
//   quillet-lunar [--traditional] YYYY-MM-DD
//   quillet-lunar [--traditional] --tsv FROM TO
//   quillet-lunar --to-gregorian YEAR MONTH DAY [--leap]
//   quillet-lunar [--traditional] --terms YEAR
//   quillet-lunar ics ... FROM TO        (tools/quillet_lunar/ics.h)
//   quillet-lunar --help
//
// Output goes to standard output only once all of it is known, so a run that
// fails prints nothing there: just one line on standard error, and exit 2.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lunar/cn_calendar.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "tools/quillet_lunar/ics.h"

namespace {

namespace chr = std::chrono;
using quillet::CnCalendar;
using quillet::LunarDate;
using quillet::Script;

constexpr std::string_view kUsage =
    R"(usage:
  quillet-lunar [--traditional] YYYY-MM-DD
      the day's lunar date in one line: the Gregorian date, the lunar year's
      stem-branch name, the lunar month and day, and the day's note (a solar
      term or 除夕) when it has one, e.g. 2024-03-01 甲辰年 正月廿一
  quillet-lunar [--traditional] --tsv FROM TO
      every day FROM..TO (YYYY-MM-DD, inclusive) as tab-separated rows:
      gregorian, lunar_year, lunar_month, is_leap (0 or 1), lunar_day, note
  quillet-lunar --to-gregorian YEAR MONTH DAY [--leap]
      the Gregorian date (YYYY-MM-DD) of a lunar date; --leap for the leap
      month that follows month MONTH
  quillet-lunar [--traditional] --terms YEAR
      the 24 solar terms of a Gregorian year, 小寒 first: the day, the name and
      the instant, all in China Standard Time (UTC+8)
  quillet-lunar ics [--festivals] [--terms] [--days]
                    [--anniversary NAME YYYY-MM-DD]...
                    [--leap-rule when-present|ordinary|leap-only]
                    [--missing-day last|skip] [--remind DAYS]
                    [--traditional] [--output FILE] FROM TO
      an iCalendar file of the Gregorian years FROM..TO (1901..2100) to
      import into a calendar program: one all-day event for every festival
      (--festivals), solar term (--terms), day's lunar date (--days) and
      lunar anniversary, such as a lunar birthday (--anniversary, repeatable:
      the Gregorian day of the birth, wedding or death; --leap-rule says
      where a leap-month date goes in years without that leap month,
      --missing-day where a 三十 goes in a month of 29 days). --remind adds
      an alarm DAYS days before each event. To standard output, or written
      whole to FILE; DTSTAMP is SOURCE_DATE_EPOCH when that is set.
  quillet-lunar --help
      this text

Days 1901-02-19 .. 2100-12-31, lunar years 1901 .. 2100 and solar terms of
1901 .. 2100 are served; days are reckoned in UTC+8. --traditional writes
the names in the traditional script (龍, 臘月, 驚蟄). Bad or out-of-range input
prints one line on standard error and exits with status 2.
)";

// A failed run: the one line for standard error.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Text(chr::year_month_day date) { return quillet::DateText(date); }

const std::string kServedRange =
    Text(quillet::kFirstServedDay) + ".." + Text(quillet::kLastServedDay);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// YYYY-MM-DD, a real day within the served range.
chr::year_month_day ParseDate(std::string_view what, std::string_view text) {
  const std::optional<chr::year_month_day> date = quillet::ParseDateText(text);
  if (!date) {
    throw UsageError("bad " + std::string{what} + " '" + std::string{text} +
                     "': expected YYYY-MM-DD");
  }
  if (!date->ok()) {
    throw UsageError("bad " + std::string{what} + " '" + std::string{text} +
                     "': no such day");
  }
  if (*date < quillet::kFirstServedDay || *date > quillet::kLastServedDay) {
    throw UsageError(std::string{what} + " " + std::string{text} +
                     " is outside the range served, " + kServedRange);
  }
  return *date;
}

int ParseNumber(std::string_view what, std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) {
    throw UsageError("bad " + std::string{what} + " '" + std::string{text} +
                     "': expected a whole number");
  }
  return value;
}

void CheckRange(std::string_view what, int value, int low, int high) {
  if (value < low || value > high) {
    throw UsageError(std::string{what} + " " + std::to_string(value) +
                     " is outside " + std::to_string(low) + ".." +
                     std::to_string(high));
  }
}

LunarDate LunarOf(const CnCalendar& calendar, chr::year_month_day date) {
  return calendar.GregorianToLunar(static_cast<int>(date.year()),
                                   static_cast<int>(unsigned{date.month()}),
                                   static_cast<int>(unsigned{date.day()}));
}

std::string Note(const CnCalendar& calendar, const LunarDate& lunar,
                 Script script) {
  return calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                lunar.isLeapMonth, script);
}

std::string PersonLine(const CnCalendar& calendar, chr::year_month_day date,
                       Script script) {
  const LunarDate lunar = LunarOf(calendar, date);
  const int cycleYear = calendar.SexagenaryYear(
      static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
      static_cast<int>(unsigned{date.day()}));
  std::string line = Text(date) + " " + quillet::names::Sexagenary(cycleYear) +
                     "年 " + quillet::names::LunarMonthDay(lunar, script);
  const std::string note = Note(calendar, lunar, script);
  if (!note.empty()) line += " " + note;
  return line + "\n";
}

std::string DayRows(const CnCalendar& calendar, chr::year_month_day from,
                    chr::year_month_day to, Script script) {
  if (from > to) {
    throw UsageError("FROM " + Text(from) + " is after TO " + Text(to));
  }
  std::string rows =
      "gregorian\tlunar_year\tlunar_month\tis_leap\tlunar_day\tnote\n";
  for (chr::sys_days day{from}; day <= chr::sys_days{to}; ++day) {
    const LunarDate lunar = LunarOf(calendar, chr::year_month_day{day});
    rows += Text(chr::year_month_day{day}) + "\t" + std::to_string(lunar.year) +
            "\t" + std::to_string(lunar.month) + "\t" +
            (lunar.isLeapMonth ? "1" : "0") + "\t" + std::to_string(lunar.day) +
            "\t" + Note(calendar, lunar, script) + "\n";
  }
  return rows;
}

std::string GregorianOf(const CnCalendar& calendar, int year, int month,
                        int day, bool isLeap) {
  CheckRange("lunar year", year, quillet::kFirstLunarYear,
             quillet::kLastLunarYear);
  CheckRange("month", month, 1, 12);
  int length = 0;
  try {
    length = calendar.LunarMonthDays(year, month, isLeap);
  } catch (const std::invalid_argument&) {
    throw UsageError("lunar year " + std::to_string(year) +
                     " has no leap month " + std::to_string(month));
  }
  if (day < 1 || day > length) {
    throw UsageError(
        "day " + std::to_string(day) + " is outside 1.." +
        std::to_string(length) + " for " + (isLeap ? "leap month " : "month ") +
        std::to_string(month) + " of lunar year " + std::to_string(year));
  }
  return Text(calendar.LunarToGregorian(year, month, day, isLeap)) + "\n";
}

std::string TermRows(const CnCalendar& calendar, int year, Script script) {
  CheckRange("year", year, quillet::kFirstSolarTermYear,
             quillet::kLastSolarTermYear);
  std::string rows = "date\tname\tinstant_utc8\n";
  int k = 0;
  for (const quillet::SolarTerm& term : calendar.SolarTerms(year)) {
    const chr::sys_seconds utc8 =
        term.instant + quillet::kChinaStandardTimeOffset;
    const auto day = chr::floor<chr::days>(utc8);
    rows += Text(chr::year_month_day{day}) + "\t" +
            calendar.SolarTermName(k++, script) + "\t" +
            quillet::DateTimeText(utc8) + "\n";
  }
  return rows;
}

enum class Mode { kPerson, kTsv, kToGregorian, kTerms };

struct Arguments {
  bool help = false;
  bool traditional = false;
  bool leap = false;
  std::optional<Mode> mode;
  std::string modeFlag;
  std::vector<std::string_view> positional;
};

Arguments Parse(int argc, char** argv) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::optional<Mode> mode;
    if (arg == "--help") {
      args.help = true;
    } else if (arg == "--traditional") {
      args.traditional = true;
    } else if (arg == "--leap") {
      args.leap = true;
    } else if (arg == "--tsv") {
      mode = Mode::kTsv;
    } else if (arg == "--to-gregorian") {
      mode = Mode::kToGregorian;
    } else if (arg == "--terms") {
      mode = Mode::kTerms;
    } else if (arg.size() > 1 && arg[0] == '-' && !IsDigit(arg[1])) {
      throw UsageError("unknown option '" + std::string{arg} +
                       "' (see quillet-lunar --help)");
    } else {
      args.positional.push_back(arg);
    }
    if (mode) {
      if (args.mode) {
        throw UsageError("choose one of --tsv, --to-gregorian and --terms");
      }
      args.mode = mode;
      args.modeFlag = arg;
    }
  }
  return args;
}

void ExpectArguments(const Arguments& args, std::size_t count,
                     std::string_view what) {
  if (args.positional.size() < count) {
    throw UsageError((args.modeFlag.empty()
                          ? std::string{"missing arguments: expected "}
                          : args.modeFlag + " needs ") +
                     std::string{what} + " (see quillet-lunar --help)");
  }
  if (args.positional.size() > count) {
    throw UsageError("unexpected argument '" +
                     std::string{args.positional[count]} + "'");
  }
}

std::string Run(const Arguments& args) {
  const CnCalendar calendar;
  const Script script =
      args.traditional ? Script::kTraditional : Script::kSimplified;
  const Mode mode = args.mode.value_or(Mode::kPerson);
  if (args.leap && mode != Mode::kToGregorian) {
    throw UsageError("--leap goes only with --to-gregorian");
  }
  switch (mode) {
    case Mode::kPerson:
      ExpectArguments(args, 1, "a date YYYY-MM-DD");
      return PersonLine(calendar, ParseDate("date", args.positional[0]),
                        script);
    case Mode::kTsv:
      ExpectArguments(args, 2, "FROM and TO (YYYY-MM-DD)");
      return DayRows(calendar, ParseDate("FROM", args.positional[0]),
                     ParseDate("TO", args.positional[1]), script);
    case Mode::kToGregorian:
      if (args.traditional) {
        throw UsageError("--traditional does not go with --to-gregorian");
      }
      ExpectArguments(args, 3, "YEAR MONTH DAY");
      return GregorianOf(calendar, ParseNumber("year", args.positional[0]),
                         ParseNumber("month", args.positional[1]),
                         ParseNumber("day", args.positional[2]), args.leap);
    case Mode::kTerms:
      ExpectArguments(args, 1, "YEAR");
      return TermRows(calendar, ParseNumber("year", args.positional[0]),
                      script);
  }
  return {};
}

// Writes all of `text` to standard output. A reader that has gone away (a
// closed pipe, `| head`) has all it wanted, and the program ends quietly;
// any other failure (a full disk, a closed descriptor) is one line on
// standard error and status 1, so a script never takes a cut-off result for
// the whole.
int WriteOut(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno == EPIPE) return 0;
    if (written <= 0) {
      const int error = written < 0 ? errno : EIO;
      std::cerr << "quillet-lunar: cannot write standard output: "
                << std::strerror(error) << "\n";
      return 1;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// quillet-lunar ics ...: the file goes to standard output, or whole to
// --output FILE.
int RunIcs(std::span<const std::string_view> arguments) {
  namespace ics = quillet::ics;
  const ics::Request request = ics::ParseArguments(arguments);
  const chr::sys_seconds stamp =
      ics::Stamp(std::getenv("SOURCE_DATE_EPOCH"),
                 chr::floor<chr::seconds>(chr::system_clock::now()));
  const std::string text = ics::CalendarText(CnCalendar{}, request, stamp);
  if (!request.outputFile) return WriteOut(text);
  if (const auto error = ics::WriteWhole(*request.outputFile, text)) {
    std::cerr << "quillet-lunar: " << *error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // A closed pipe shows as EPIPE from write(), not as a signal.
  std::signal(SIGPIPE, SIG_IGN);
  try {
    if (argc > 1 && std::string_view{argv[1]} == "ics") {
      const std::vector<std::string_view> arguments(argv + 2, argv + argc);
      return RunIcs(arguments);
    }
    const Arguments args = Parse(argc, argv);
    if (args.help) {
      return WriteOut(kUsage);
    }
    return WriteOut(Run(args));
  } catch (const UsageError& e) {
    std::cerr << "quillet-lunar: " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "quillet-lunar: " << e.what() << "\n";
    return 2;
  }
}
