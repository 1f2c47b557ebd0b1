// Judges one DrawMonth by what it wrote: the year message with no canvas
// call, the month message with no canvas call, or a drawn month that matches
// the numbers the boxes read. Shared by the property test and the fuzzer.
#pragma once

#include <chrono>
#include <string>

#include "monthview/grid.h"
#include "monthview/input.h"
#include "monthview/title_line.h"
#include "tests/monthview/recording_canvas.h"

namespace quillet::testing {

// Draws from the two texts; returns "" when the outcome is one of the
// three, else what went wrong.
inline std::string CheckDrawOutcome(const std::string& yearText,
                                    const std::string& monthText) {
  FakeControls controls(yearText, monthText, {2024, 3, 9});
  DrawMonth(controls);
  const std::int64_t year = ReadBoxNumber(yearText);
  const std::int64_t month = ReadBoxNumber(monthText);
  const bool yearOk = year >= 1902 && year <= 2047;
  const bool monthOk = month >= 1 && month <= 12;
  if (!yearOk || !monthOk) {
    const std::string expected = yearOk ? kMonthMessage : kYearMessage;
    if (controls.title != expected) return "wrong message: " + controls.title;
    if (controls.canvas.calls != 0) return "a failed check drew";
    return "";
  }
  const int y = static_cast<int>(year), m = static_cast<int>(month);
  if (controls.title != TitleText(y, m)) return "wrong title";
  if (controls.canvas.clears != 1) return "not cleared once";
  const auto& writes = controls.canvas.writes;
  namespace chr = std::chrono;
  const auto days = static_cast<unsigned>(
      (chr::year{y} / chr::month{static_cast<unsigned>(m)} / chr::last).day());
  if (writes.size() != 1 + 2 * days) return "wrong number of writes";
  if (writes.front().text != std::to_string(y)) return "wrong watermark";
  for (unsigned d = 1; d <= days; ++d) {
    if (writes[2 * d - 1].text != std::to_string(d)) return "wrong day";
    if (writes[2 * d].text.empty()) return "empty label";
  }
  return "";
}

}  // namespace quillet::testing
