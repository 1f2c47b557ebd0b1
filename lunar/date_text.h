// The one way dates are written and read as text: YYYY-MM-DD, and with the
// time of day YYYY-MM-DD HH:MM:SS.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// "2024-02-10"; years 0..9999.
std::string DateText(std::chrono::year_month_day date);
// "2024-02-04 16:27:07": the clock time of `time` as it stands (pass a time
// already shifted to the zone it is to be read in).
std::string DateTimeText(std::chrono::sys_seconds time);
// "16:27": the hour and minute of `time` as it stands, likewise.
std::string MinuteText(std::chrono::sys_seconds time);
// Reads exactly ten characters YYYY-MM-DD (no sign, no spaces, no shorter
// fields): std::nullopt for any other text, else the date as written, which
// may not be a real day (2023-02-29): `ok()` tells. Says nothing of the range
// served.
std::optional<std::chrono::year_month_day> ParseDateText(std::string_view text);

}  // namespace quillet
