// The small 休 and 班 beside the day numbers: a layer of its own, drawn over
// the month once DrawMonth has drawn it. Where each mark stands comes from
// the grid's layout and the fixed metrics of the day numbers' face, never
// from rendered text, like the labels' places.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "lunar/official_days.h"
#include "monthview/canvas.h"

namespace quillet {

// 休 in the red of the weekend numbers; 班 in a dark grey, a day of work
// that should not shout.
inline constexpr Rgb kRestMarkColor{0xFF, 0x00, 0x00};
inline constexpr Rgb kWorkMarkColor{0x50, 0x50, 0x50};
// The labels' 12-pixel Song face: the smallest size whose strokes stay whole.
inline const CanvasFont kOfficialMarkFont{"宋体", 9, false};

struct OfficialMark {
  int day;  // of the month
  int x;    // the text's top-left corner on the canvas
  int y;
  std::string_view text;  // "休" or "班"
  Rgb color;
  friend bool operator==(const OfficialMark&, const OfficialMark&) = default;
};

// The marks of a month of the years the window shows (1902 .. 2047), in
// order of the days: a day off or a make-up workday as `table` answers it,
// which, after the last year it covers, is a statutory day off alone.
std::vector<OfficialMark> OfficialMarks(const OfficialDays& table, int year,
                                        int month);

// Writes the marks in their font and colours.
void DrawOfficialMarks(Canvas& canvas, std::span<const OfficialMark> marks);

}  // namespace quillet
