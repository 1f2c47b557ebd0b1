// One run of quillet-lunar, free of the process: the arguments, the clock's
// date and standard input come in, standard output and standard error go out.
#pragma once

#include <chrono>
#include <functional>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/output.h"
#include "lunar/official_days.h"

namespace quillet::lunar_cli {

struct Context {
  std::chrono::year_month_day today;      // the local date
  std::istream* input = nullptr;          // standard input, for `-`
  bool outputIsTerminal = false;          // whether `cal --color=auto` colours
  bool noColor = false;                   // NO_COLOR is set and not empty
  std::chrono::sys_seconds now{};         // the clock, for `ics`'s DTSTAMP
  const char* sourceDateEpoch = nullptr;  // SOURCE_DATE_EPOCH, if set
  // Writes a file whole or not at all (`ics --output`); std::nullopt, or
  // the line for standard error. None: `--output` cannot be honoured.
  std::function<std::optional<std::string>(const std::string& path,
                                           std::string_view text)>
      writeWholeFile{};
  // The 休 and 班 known: the built-in table and the years a file of later
  // notices adds. None: the built-in table alone.
  const OfficialDays* officialDays = nullptr;
  // "PATH:LINE: message" where the file of later notices was refused; the
  // forms that answer from the table say so once on standard error.
  std::string officialDaysRefusal{};
  // Reads the file `workday --check` names: its text, std::nullopt where
  // there is none, std::runtime_error where it cannot be read. None: from
  // disk, as ReadOfficialDaysFile reads it.
  std::function<std::optional<std::string>(const std::string& path)> readFile{};
};

// The table a run answers from.
const OfficialDays& OfficialDaysOf(const Context& context);
// Writes the refusal of the file of later notices, where there was one.
void NoteRefusal(const Context& context, Output& errors);

// Runs the form the arguments (those after the program's name) ask for and
// returns the exit status: 0, or 2 after one line on `errors` for bad input
// or arguments (`workday` has statuses of its own: workday.h). What `out`
// throws (output that cannot be written) goes through.
int Run(std::span<const std::string_view> args, const Context& context,
        Output& out, Output& errors);

}  // namespace quillet::lunar_cli
