// One run of quillet-lunar, free of the process: the arguments, the clock's
// date and standard input come in, standard output and standard error go out.
#pragma once

#include <chrono>
#include <istream>
#include <span>
#include <string_view>

#include "tools/quillet_lunar/output.h"

namespace quillet::lunar_cli {

struct Context {
  std::chrono::year_month_day today;  // the local date
  std::istream* input = nullptr;      // standard input, for `-`
  bool outputIsTerminal = false;      // whether `cal --color=auto` colours
  bool noColor = false;               // NO_COLOR is set and not empty
};

// Runs the form the arguments (those after the program's name) ask for and
// returns the exit status: 0, or 2 after one line on `errors` for bad input
// or arguments. What `out` throws (output that cannot be written) goes
// through.
int Run(std::span<const std::string_view> args, const Context& context,
        Output& out, Output& errors);

}  // namespace quillet::lunar_cli
