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
};

// Runs the form the arguments (those after the program's name) ask for and
// returns the exit status: 0, or 2 after one line on `errors` for bad input
// or arguments. What `out` throws (output that cannot be written) goes
// through.
int Run(std::span<const std::string_view> args, const Context& context,
        Output& out, Output& errors);

}  // namespace quillet::lunar_cli
