#include "lunar/date_text.h"

#include <cstdio>

namespace quillet {

namespace chr = std::chrono;

std::string DateText(chr::year_month_day date) {
  char text[16];
  std::snprintf(
      text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::string DateTimeText(chr::sys_seconds time) {
  const auto day = chr::floor<chr::days>(time);
  const chr::hh_mm_ss clock{time - day};
  char text[16];
  std::snprintf(text, sizeof text, " %02d:%02d:%02d",
                static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return DateText(chr::year_month_day{day}) + text;
}

std::string MinuteText(chr::sys_seconds time) {
  const chr::hh_mm_ss clock{time - chr::floor<chr::days>(time)};
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d",
                static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()));
  return text;
}

std::optional<chr::year_month_day> ParseDateText(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  int fields[3] = {0, 0, 0};
  constexpr std::size_t kStarts[3] = {0, 5, 8};
  constexpr std::size_t kLengths[3] = {4, 2, 2};
  for (std::size_t f = 0; f < 3; ++f) {
    for (std::size_t i = kStarts[f]; i < kStarts[f] + kLengths[f]; ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      fields[f] = fields[f] * 10 + (text[i] - '0');
    }
  }
  return chr::year_month_day{chr::year{fields[0]},
                             chr::month{static_cast<unsigned>(fields[1])},
                             chr::day{static_cast<unsigned>(fields[2])}};
}

}  // namespace quillet
