#include "cli/workday.h"

#include <stdexcept>
#include <variant>
#include <vector>

#include "cli/arguments.h"
#include "cli/day_text.h"
#include "lunar/date_text.h"
#include "monthview/official_days_file.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;

// A path as a message shows it: as it stands, unless it holds bytes that a
// terminal would take for control sequences.
std::string Shown(const std::string& path) {
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return Quoted(path);
  }
  return path;
}

int CheckFile(const std::string& path, const Context& context, Output& out,
              Output& errors) {
  const auto refuse = [&](const OfficialDaysFault& fault) {
    errors.Write("quillet-lunar: " + FaultLine(Shown(path), fault) + "\n");
    return kBadInput;
  };
  std::optional<std::string> text;
  try {
    text =
        context.readFile ? context.readFile(path) : ReadOfficialDaysFile(path);
  } catch (const std::runtime_error& e) {
    return refuse({0, e.what()});
  }
  if (!text) return refuse({0, "no such file"});
  const auto table = OfficialDays::WithFurtherYears(*text);
  if (const auto* fault = std::get_if<OfficialDaysFault>(&table)) {
    return refuse(*fault);
  }
  const OfficialDays& added = std::get<OfficialDays>(table);
  const std::size_t rows =
      added.Rows().size() - OfficialDays::BuiltIn().Rows().size();
  std::string line = Shown(path) + ": ";
  if (added.lastYear() == kLastNoticeYear) {
    line += "adds no year (no rows)";
  } else {
    line += "adds " + std::to_string(kLastNoticeYear + 1);
    if (added.lastYear() > kLastNoticeYear + 1) {
      line += ".." + std::to_string(added.lastYear());
    }
    line += " (" + std::to_string(rows) + (rows == 1 ? " row)" : " rows)");
  }
  out.Write(line + "\n");
  return 0;
}

}  // namespace

WorkdayRequest ParseWorkdayArguments(std::span<const std::string_view> args,
                                     chr::year_month_day today) {
  WorkdayRequest request;
  std::vector<std::string_view> given;
  const auto once = [&](std::string_view option) {
    for (const std::string_view seen : given) {
      if (seen == option) {
        throw UsageError("option " + Quoted(option) + " is given twice");
      }
    }
    given.push_back(option);
  };
  std::vector<std::string_view> positional;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || !IsOption(arg)) {
      positional.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-h" || arg == "--help") {
      once("--help");
      request.help = true;
    } else if (arg == "-v") {
      once("-v");
      request.verbose = true;
    } else if (arg == "--check") {
      once(arg);
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        throw UsageError("--check needs FILE");
      }
      request.checkFile = std::string{args[++i]};
    } else {
      throw UsageError("unknown option " + Quoted(arg) +
                       " for workday (see quillet-lunar --help)");
    }
  }
  if (request.help) return request;
  if (request.checkFile) {
    if (request.verbose) throw UsageError("-v does not go with --check");
    if (!positional.empty()) {
      throw UsageError("unexpected argument " + Quoted(positional[0]) +
                       ": --check takes only FILE");
    }
    return request;
  }
  if (positional.size() > 1) {
    throw UsageError("unexpected argument " + Quoted(positional[1]));
  }
  request.day = positional.empty() ? ParseServedDate("today", DateText(today))
                                   : ParseServedDate("date", positional[0]);
  return request;
}

std::optional<std::string> WorkdayLine(chr::year_month_day day,
                                       const OfficialDays& table) {
  const std::optional<bool> workday = table.IsWorkday(chr::sys_days{day});
  if (!workday) return std::nullopt;
  std::string line = DateText(day);
  if (const auto official = table.On(chr::sys_days{day})) {
    line += ' ';
    line += OfficialDayWords(*official, static_cast<int>(day.year()));
  } else {
    line += *workday ? " 工作日" : " 休息日";
  }
  return line + "\n";
}

std::string NotCoveredText(int year, const OfficialDays& table) {
  return std::to_string(year) +
         (year > table.lastYear() ? "年调休安排尚未收录" : "年调休安排未收录") +
         ": Quillet's data covers the notices of " +
         std::to_string(table.firstYear()) + ".." +
         std::to_string(table.lastYear());
}

int RunWorkday(std::span<const std::string_view> args, const Context& context,
               Output& out, Output& errors) {
  const WorkdayRequest request = ParseWorkdayArguments(args, context.today);
  if (request.help) {
    out.Write(Usage());
    return 0;
  }
  if (request.checkFile) {
    return CheckFile(*request.checkFile, context, out, errors);
  }
  NoteRefusal(context, errors);
  const OfficialDays& table = OfficialDaysOf(context);
  const std::optional<bool> workday =
      table.IsWorkday(chr::sys_days{request.day});
  if (!workday) {
    errors.Write("quillet-lunar: " +
                 NotCoveredText(static_cast<int>(request.day.year()), table) +
                 "\n");
    return kNotKnown;
  }
  const int status = *workday ? kWorkingDay : kDayOff;
  if (!request.verbose) return status;
  try {
    out.Write(*WorkdayLine(request.day, table));
    out.Flush();
  } catch (const WriteError& e) {
    errors.Write(std::string{"quillet-lunar: "} + e.what() + "\n");
    return kWriteFailed;
  } catch (const ReaderGone&) {
    // The line has no reader; the answer is the status all the same.
  }
  return status;
}

}  // namespace quillet::lunar_cli
