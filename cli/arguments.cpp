#include "cli/arguments.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "lunar/date_text.h"

#ifndef QUILLET_VERSION
#error "QUILLET_VERSION: the build gives the project's version"
#endif

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;

constexpr std::string_view kUsage =
    R"(usage:
  quillet-lunar [--traditional] [--json] [YYYY-MM-DD]
      the day's lunar date in one line (today's without a date): the
      Gregorian date, the lunar year's stem-branch name, the lunar month and
      day, and the day's note (a solar term or 除夕) when it has one,
      e.g. 2024-03-01 甲辰年 正月廿一
  quillet-lunar [--traditional] [--json] -
      the same for every date read from standard input, one YYYY-MM-DD a
      line; a bad line is named on standard error and the rest go on
  quillet-lunar [--traditional] [--json] --tsv FROM TO
      every day FROM..TO (YYYY-MM-DD, inclusive) as tab-separated rows:
      gregorian, lunar_year, lunar_month, is_leap (0 or 1), lunar_day, note,
      official (rest for 休, work for 班, or empty), holiday (its name),
      workday (1, 0, or empty where the day's year has no notice here)
  quillet-lunar --to-gregorian YEAR MONTH DAY [--leap]
      the Gregorian date (YYYY-MM-DD) of a lunar date; --leap for the leap
      month that follows month MONTH
  quillet-lunar [--traditional] [--json] --terms YEAR
      the 24 solar terms of a Gregorian year, 小寒 first: the day, the name and
      the instant, all in China Standard Time (UTC+8)
  quillet-lunar [--traditional] [--json] --hours YYYY-MM-DD [--rat-hour]
      the day's double hours (时辰), one a line with the stem and branch of
      the hour (by 五鼠遁 from the day's stem), e.g. 01:00-03:00 丑时 丁丑.
      The day runs from midnight: the 子 hour is split into its 早子,
      00:00-01:00, and its 晚子, 23:00-24:00, which belongs to the day it
      falls in though its stem and branch are those of the next day's 子
      hour. --rat-hour begins the day at 23:00 the evening before, the older
      reckoning: twelve hours, 23:00-01:00 子时 first, and 23:00-24:00 is
      the next day's
  quillet-lunar cal [-3] [--monday] [--traditional] [--color=WHEN] [YEAR [MONTH]]
      a month as a grid with each day's lunar label under its number: this
      month, MONTH of YEAR, or all of YEAR; -3 adds the months before and
      after; --monday starts the weeks on Monday; WHEN is auto (colour on a
      terminal, unless NO_COLOR is set), always or never
  quillet-lunar workday [-v] [YYYY-MM-DD]
      whether the day (today without a date) is a working day in mainland
      China, as the exit status: 0 a working day (a make-up workday, 班,
      included), 1 a day off (a weekend, or 休, a holiday's day off), 3 not
      known: the State Council's notice for that year is not in the data (a
      statutory day off of a later year is still 1). -v also prints the
      day, e.g. 2025-10-01 休 国庆节、中秋节 法定假日
  quillet-lunar workday --check FILE
      checks a file of later notices, the format of official-days.tsv, and
      prints the years it adds; 0 when it is sound, 2 when it is refused
  quillet-lunar ics [--festivals] [--terms] [--days] [--holidays]
                    [--seasons] [--moon] [--anniversary NAME YYYY-MM-DD]...
                    [--leap-rule when-present|ordinary|leap-only]
                    [--missing-day last|skip] [--remind DAYS]
                    [--traditional] [--output FILE] FROM TO
      an iCalendar file of the Gregorian years FROM..TO (1901..2100) to
      import into a calendar program: one all-day event for every festival
      (--festivals), solar term (--terms), day's lunar date (--days), span
      of days off and make-up workday of the notices of those years
      (--holidays), first day of 初伏, 中伏, 末伏, 出伏, of each nine (一九
      .. 九九), 入梅 and 出梅 (--seasons), phase of the Moon, its time in
      the description (--moon), and lunar anniversary, such as a lunar
      birthday (--anniversary, repeatable: the Gregorian day of the birth,
      wedding or death; --leap-rule says where a leap-month date goes in
      years without that leap month, --missing-day where a 三十 goes in a
      month of 29 days). --remind adds an alarm DAYS days before each
      event. To standard output, or written whole to FILE; DTSTAMP is
      SOURCE_DATE_EPOCH when that is set.
  quillet-lunar -h | --help | --version
      this text; the program's version

--json writes one JSON object a line instead; a day's object has, after the
lunar date, "official" (null, or kind rest or work, holiday, statutory, source
notice or rules), "workday" (true, false, or null), "dog_days" (初伏第3天, 出伏
or null), "nines" (三九第5天 or null), "plum_rain" (入梅, 出梅 or null),
"moon_phase" (null, or name 朔 上弦 望 下弦 and instant), "pentad" (name and
index 0..71, 小寒's first 0) and "almanac" (officer, mansion, nayin, clash,
sha and pengzu, the day's two lines of 彭祖百忌). Days 1901-02-19 ..
2100-12-31, lunar years 1901 .. 2100 and solar terms of 1901 .. 2100 are
served; days are reckoned in UTC+8. --traditional writes the names in the
traditional script (龍, 臘月, 驚蟄). -- ends the options. Exit status: 0
success; 2 bad input or arguments (one line on standard error); 1 output that
could not be written (workday: as above, and 4 when -v's line could not be
written).

休 and 班 come from the notices of 2006 to the latest built in; later years
are read from quillet/official-days.tsv under $XDG_DATA_HOME (or
~/.local/share), then $XDG_DATA_DIRS, lines of notice year, holiday, rest or
work, first and last day, separated by tabs. A file that is refused is named
on standard error with its line, and the built-in notices are used alone.
)";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-' && !IsDigit(arg[1]);
}

int ParseNumber(std::string_view what, std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) {
    throw UsageError("bad " + std::string{what} + " " + Quoted(text) +
                     ": expected a whole number");
  }
  return value;
}

namespace {

void CheckRange(std::string_view what, int value, int low, int high) {
  if (value < low || value > high) {
    throw UsageError(std::string{what} + " " + std::to_string(value) +
                     " is outside " + std::to_string(low) + ".." +
                     std::to_string(high));
  }
}

// The options a form takes, each at most once.
class Flags {
 public:
  // True the first time; a second time is an error naming the option.
  bool Take(std::string_view option) {
    for (const std::string_view seen : seen_) {
      if (seen == option) {
        throw UsageError("option " + Quoted(option) + " is given twice");
      }
    }
    seen_.push_back(option);
    return true;
  }

 private:
  std::vector<std::string_view> seen_;
};

[[noreturn]] void UnknownOption(std::string_view arg) {
  throw UsageError("unknown option " + Quoted(arg) +
                   " (see quillet-lunar --help)");
}

void ExpectCount(std::span<const std::string_view> positional,
                 std::size_t count, std::string_view needs) {
  if (positional.size() < count) throw UsageError(std::string{needs});
  if (positional.size() > count) {
    throw UsageError("unexpected argument " + Quoted(positional[count]));
  }
}

}  // namespace

std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 64;
  std::string quoted = "'";
  for (const char c : text.substr(0, kShown)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '\\') {
      constexpr char kHex[] = "0123456789abcdef";
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    } else {
      quoted += c;
    }
  }
  if (text.size() > kShown) quoted += "...";
  return quoted + "'";
}

chr::year_month_day ParseServedDate(std::string_view what,
                                    std::string_view text) {
  const std::optional<chr::year_month_day> date = ParseDateText(text);
  if (!date || !date->ok()) {
    throw UsageError("bad " + std::string{what} + " " + Quoted(text) +
                     (date ? ": no such day" : ": expected YYYY-MM-DD"));
  }
  if (*date < kFirstServedDay || *date > kLastServedDay) {
    throw UsageError(std::string{what} + " " + std::string{text} +
                     " is outside the range served, " +
                     DateText(kFirstServedDay) + ".." +
                     DateText(kLastServedDay));
  }
  return *date;
}

Request ParseArguments(std::span<const std::string_view> args,
                       chr::year_month_day today) {
  Request request;
  Flags flags;
  bool help = false;
  bool version = false;
  std::optional<Form> mode;
  std::string_view modeFlag;
  bool optionsEnded = false;
  std::vector<std::string_view> positional;
  for (const std::string_view arg : args) {
    if (optionsEnded || !IsOption(arg)) {
      positional.push_back(arg);
      continue;
    }
    std::optional<Form> form;
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-h" || arg == "--help") {
      help = flags.Take("--help");
    } else if (arg == "--version") {
      version = flags.Take(arg);
    } else if (arg == "--traditional") {
      flags.Take(arg);
      request.script = Script::kTraditional;
    } else if (arg == "--json") {
      request.json = flags.Take(arg);
    } else if (arg == "--leap") {
      request.leap = flags.Take(arg);
    } else if (arg == "--rat-hour") {
      request.ratHour = flags.Take(arg);
    } else if (arg == "--hours") {
      form = Form::kHours;
    } else if (arg == "--tsv") {
      form = Form::kRange;
    } else if (arg == "--to-gregorian") {
      form = Form::kToGregorian;
    } else if (arg == "--terms") {
      form = Form::kTerms;
    } else {
      UnknownOption(arg);
    }
    if (form) {
      if (mode) {
        throw UsageError(
            (modeFlag == arg
                 ? "option " + Quoted(arg) + " is given twice"
                 : Quoted(arg) + " does not go with " + Quoted(modeFlag)) +
            ": choose one of --tsv, --to-gregorian, --terms and --hours");
      }
      mode = form;
      modeFlag = arg;
    }
  }
  if (help) return {.form = Form::kHelp};
  if (version) return {.form = Form::kVersion};

  request.form = mode.value_or(Form::kDay);
  const bool traditional = request.script == Script::kTraditional;
  if (request.leap && request.form != Form::kToGregorian) {
    throw UsageError("--leap goes only with --to-gregorian");
  }
  if (request.ratHour && request.form != Form::kHours) {
    throw UsageError("--rat-hour goes only with --hours");
  }
  switch (request.form) {
    case Form::kDay:
      if (positional.empty()) {
        request.from = ParseServedDate("today", DateText(today));
        break;
      }
      ExpectCount(positional, 1, "");
      if (positional[0] == "-") {
        request.form = Form::kDateList;
      } else {
        request.from = ParseServedDate("date", positional[0]);
      }
      break;
    case Form::kRange:
      ExpectCount(positional, 2,
                  "--tsv needs FROM and TO (see quillet-lunar --help)");
      request.from = ParseServedDate("FROM", positional[0]);
      request.to = ParseServedDate("TO", positional[1]);
      if (request.from > request.to) {
        throw UsageError("FROM " + DateText(request.from) + " is after TO " +
                         DateText(request.to));
      }
      break;
    case Form::kToGregorian:
      if (traditional) {
        throw UsageError("--traditional does not go with --to-gregorian");
      }
      if (request.json) {
        throw UsageError("--json does not go with --to-gregorian");
      }
      ExpectCount(positional, 3,
                  "--to-gregorian needs YEAR MONTH DAY (see quillet-lunar "
                  "--help)");
      request.year = ParseNumber("year", positional[0]);
      request.month = ParseNumber("month", positional[1]);
      request.day = ParseNumber("day", positional[2]);
      CheckRange("lunar year", request.year, kFirstLunarYear, kLastLunarYear);
      CheckRange("month", request.month, 1, 12);
      break;
    case Form::kTerms:
      ExpectCount(positional, 1,
                  "--terms needs YEAR (see quillet-lunar --help)");
      request.year = ParseNumber("year", positional[0]);
      CheckRange("year", request.year, kFirstSolarTermYear, kLastSolarTermYear);
      break;
    case Form::kHours:
      ExpectCount(positional, 1,
                  "--hours needs YYYY-MM-DD (see quillet-lunar --help)");
      request.from = ParseServedDate("date", positional[0]);
      break;
    default:
      break;
  }
  return request;
}

CalRequest ParseCalArguments(std::span<const std::string_view> args,
                             chr::year_month_day today) {
  CalRequest request;
  Flags flags;
  bool optionsEnded = false;
  std::vector<std::string_view> positional;
  for (const std::string_view arg : args) {
    if (!optionsEnded && arg == "-3") {
      request.withNeighbours = flags.Take(arg);
    } else if (optionsEnded || !IsOption(arg)) {
      positional.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-h" || arg == "--help") {
      request.help = flags.Take("--help");
    } else if (arg == "--monday") {
      request.mondayFirst = flags.Take(arg);
    } else if (arg == "--traditional") {
      flags.Take(arg);
      request.script = Script::kTraditional;
    } else if (arg == "--color" || arg.starts_with("--color=")) {
      flags.Take("--color");
      const std::string_view when =
          arg == "--color" ? "always" : arg.substr(arg.find('=') + 1);
      static constexpr std::array<std::pair<std::string_view, ColorChoice>, 3>
          kChoices{{{"auto", ColorChoice::kAuto},
                    {"always", ColorChoice::kAlways},
                    {"never", ColorChoice::kNever}}};
      bool known = false;
      for (const auto& [name, choice] : kChoices) {
        if (when == name) {
          request.color = choice;
          known = true;
        }
      }
      if (!known) {
        throw UsageError("bad " + Quoted(arg) +
                         ": expected --color=auto, always or never");
      }
    } else {
      UnknownOption(arg);
    }
  }
  if (request.help) return request;
  if (positional.size() > 2) {
    throw UsageError("unexpected argument " + Quoted(positional[2]));
  }
  request.year = static_cast<int>(today.year());
  request.month = static_cast<int>(unsigned{today.month()});
  if (!positional.empty()) {
    request.year = ParseNumber("year", positional[0]);
    request.month = 0;
    CheckRange("year", request.year, static_cast<int>(kFirstCalMonth.year()),
               static_cast<int>(kLastCalMonth.year()));
  }
  if (positional.size() == 2) {
    request.month = ParseNumber("month", positional[1]);
    CheckRange("month", request.month, 1, 12);
  }
  if (request.month == 0 && request.withNeighbours) {
    throw UsageError("-3 goes with a month, not a whole year");
  }
  if (request.month != 0) {
    const chr::year_month shown{chr::year{request.year},
                                chr::month{unsigned(request.month)}};
    if (shown < kFirstCalMonth || shown > kLastCalMonth) {
      throw UsageError("month " + DateText(shown / 1).substr(0, 7) +
                       " is outside the months shown, " +
                       DateText(kFirstCalMonth / 1).substr(0, 7) + ".." +
                       DateText(kLastCalMonth / 1).substr(0, 7));
    }
  }
  return request;
}

std::string_view Usage() { return kUsage; }

std::string VersionLine() {
  return std::string{"quillet-lunar "} + QUILLET_VERSION + "\n";
}

}  // namespace quillet::lunar_cli
