// Judges one DrawMonth by what it wrote: the year message with no canvas
// call, the month message with no canvas call, or a drawn month that matches
// the numbers the boxes read. Shared by the property test and the fuzzer.
#pragma once

#include <chrono>
#include <string>

#include "tests/monthview/recording_canvas.h"
#include "tests/support/box_model.h"

namespace quillet::testing {

// Draws from the two texts; returns "" when the outcome is the one the box
// model gives, else what went wrong.
inline std::string CheckDrawOutcome(const std::string& yearText,
                                    const std::string& monthText) {
  FakeControls controls(yearText, monthText, {2024, 3, 9});
  DrawMonth(controls);
  const Outcome expected =
      ExpectedOutcome(CodePoints(yearText), CodePoints(monthText));
  if (controls.title != expected.title) {
    return "title line reads " + controls.title;
  }
  if (!expected.drawn) {
    return controls.canvas.calls == 0 ? "" : "a failed check drew";
  }
  const int y = expected.year, m = expected.month;
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
