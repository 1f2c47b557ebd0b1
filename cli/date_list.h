// `quillet-lunar -`: a list of dates, one a line, each converted on its own.
#pragma once

#include <istream>

#include "cli/output.h"
#include "lunar/cn_calendar.h"
#include "lunar/official_days.h"

namespace quillet::lunar_cli {

enum class LineFormat { kText, kJson };

// Converts every line of `input` (a trailing CR is dropped) into its day's
// line or JSON object on `out`. A line that is not a served YYYY-MM-DD gets
// one message on `errors` naming its line number, and the rest go on.
// Returns whether every line was good. JSON objects tell 休 and 班 from
// `official`.
bool ConvertDateList(const CnCalendar& calendar, std::istream& input,
                     LineFormat format, Script script, Output& out,
                     Output& errors,
                     const OfficialDays& official = OfficialDays::BuiltIn());

}  // namespace quillet::lunar_cli
