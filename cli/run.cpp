#include "cli/run.h"

#include <stdexcept>
#include <string>

#include "cli/arguments.h"
#include "cli/cal.h"
#include "cli/date_list.h"
#include "cli/day_line.h"
#include "cli/hours.h"
#include "cli/ics.h"
#include "cli/json_lines.h"
#include "cli/workday.h"
#include "lunar/cn_calendar.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;

// --version's second line: how far the data of 休 and 班 reaches.
std::string DataLine(const OfficialDays& table) {
  std::string line =
      "休/班: the notices of " + std::to_string(table.firstYear()) + "–" +
      std::to_string(table.lastYear()) + " (the latest built in dated " +
      std::string{kLastNoticeDate};
  if (table.lastYear() > kLastNoticeYear) {
    line += "; " + std::to_string(kLastNoticeYear + 1) +
            (table.lastYear() > kLastNoticeYear + 1
                 ? "–" + std::to_string(table.lastYear())
                 : std::string{}) +
            " from a file";
  }
  return line + ")\n";
}

// The forms of the command line other than a subcommand's.
int RunDayForms(std::span<const std::string_view> args, const Context& context,
                Output& out, Output& errors) {
  const Request request = ParseArguments(args, context.today);
  const CnCalendar calendar;
  const OfficialDays& table = OfficialDaysOf(context);
  if (request.json || request.form == Form::kRange) {
    NoteRefusal(context, errors);
  }
  switch (request.form) {
    case Form::kHelp:
      out.Write(Usage());
      break;
    case Form::kVersion:
      out.Write(VersionLine() + DataLine(table));
      break;
    case Form::kDay:
      out.Write(request.json
                    ? DayJson(calendar, request.from, request.script, table)
                    : DayLine(calendar, request.from, request.script));
      break;
    case Form::kDateList:
      if (context.input == nullptr) throw UsageError("no standard input");
      return ConvertDateList(
                 calendar, *context.input,
                 request.json ? LineFormat::kJson : LineFormat::kText,
                 request.script, out, errors, table)
                 ? 0
                 : 2;
    case Form::kRange: {
      // Written in pieces of about 64 KiB: the whole range is 2.5 MB as rows.
      std::string rows{request.json ? "" : kDayRowsHeader};
      for (chr::sys_days day{request.from}; day <= chr::sys_days{request.to};
           ++day) {
        const chr::year_month_day date{day};
        if (request.json) {
          rows += DayJson(calendar, date, request.script, table);
        } else {
          AppendDayRow(rows, calendar, date, request.script, table);
        }
        if (rows.size() >= 64 * 1024) {
          out.Write(rows);
          rows.clear();
        }
      }
      out.Write(rows);
      break;
    }
    case Form::kToGregorian:
      out.Write(GregorianLine(calendar, request.year, request.month,
                              request.day, request.leap));
      break;
    case Form::kTerms: {
      std::string rows{request.json ? "" : kTermRowsHeader};
      int index = 0;
      for (const SolarTerm& term : calendar.SolarTerms(request.year)) {
        rows += request.json ? TermJson(term, index, request.script)
                             : TermRow(calendar, term, index, request.script);
        ++index;
      }
      out.Write(rows);
      break;
    }
    case Form::kHours: {
      const DayBoundary boundary =
          request.ratHour ? DayBoundary::kRatHour : DayBoundary::kMidnight;
      out.Write(request.json
                    ? HoursJson(request.from, boundary, request.script)
                    : HoursText(request.from, boundary, request.script));
      break;
    }
  }
  return 0;
}

int RunCal(std::span<const std::string_view> args, const Context& context,
           Output& out, Output& errors) {
  const CalRequest request = ParseCalArguments(args, context.today);
  if (request.help) {
    out.Write(Usage());
    return 0;
  }
  NoteRefusal(context, errors);
  CalStyle style{.mondayFirst = request.mondayFirst,
                 .script = request.script,
                 .today = context.today,
                 .official = &OfficialDaysOf(context),
                 .seasons = true};
  switch (request.color) {
    case ColorChoice::kAlways:
      style.color = true;
      break;
    case ColorChoice::kNever:
      style.color = false;
      break;
    case ColorChoice::kAuto:
      style.color = context.outputIsTerminal && !context.noColor;
      break;
  }
  out.Write(CalendarText(CnCalendar{}, request, style));
  return 0;
}

struct Subcommand {
  std::string_view name;
  int (*run)(std::span<const std::string_view> args, const Context& context,
             Output& out, Output& errors);
};

// Subcommands, by their first argument; each reads the arguments after it.
constexpr Subcommand kSubcommands[] = {
    {"cal", RunCal},
    {"ics", RunIcs},
    {"workday", RunWorkday},
};

}  // namespace

const OfficialDays& OfficialDaysOf(const Context& context) {
  return context.officialDays ? *context.officialDays : OfficialDays::BuiltIn();
}

void NoteRefusal(const Context& context, Output& errors) {
  if (!context.officialDaysRefusal.empty()) {
    errors.Write("quillet-lunar: " + context.officialDaysRefusal + "\n");
  }
}

int Run(std::span<const std::string_view> args, const Context& context,
        Output& out, Output& errors) {
  try {
    if (!args.empty()) {
      for (const Subcommand& subcommand : kSubcommands) {
        if (args[0] == subcommand.name) {
          return subcommand.run(args.subspan(1), context, out, errors);
        }
      }
    }
    return RunDayForms(args, context, out, errors);
  } catch (const UsageError& e) {
    errors.Write(std::string{"quillet-lunar: "} + e.what() + "\n");
    return 2;
  } catch (const std::logic_error& e) {
    // The calendar's own refusal of an argument, which names it.
    errors.Write(std::string{"quillet-lunar: "} + e.what() + "\n");
    return 2;
  }
}

}  // namespace quillet::lunar_cli
