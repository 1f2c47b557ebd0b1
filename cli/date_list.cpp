#include "cli/date_list.h"

#include <string>

#include "cli/arguments.h"
#include "cli/day_line.h"
#include "cli/json_lines.h"

namespace quillet::lunar_cli {

bool ConvertDateList(const CnCalendar& calendar, std::istream& input,
                     LineFormat format, Script script, Output& out,
                     Output& errors, const OfficialDays& official) {
  bool allGood = true;
  std::string line;
  for (long number = 1; std::getline(input, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
      const auto date =
          ParseServedDate("line " + std::to_string(number) + ":", line);
      out.Write(format == LineFormat::kJson
                    ? DayJson(calendar, date, script, official)
                    : DayLine(calendar, date, script));
    } catch (const UsageError& e) {
      errors.Write(std::string{"quillet-lunar: "} + e.what() + "\n");
      allGood = false;
    }
    // Once the lines read so far are used up, what they gave goes out before
    // the next read waits: someone typing dates sees each answer at once,
    // and a file's lines still go out in large pieces.
    if (input.rdbuf()->in_avail() <= 0) out.Flush();
  }
  return allGood;
}

}  // namespace quillet::lunar_cli
