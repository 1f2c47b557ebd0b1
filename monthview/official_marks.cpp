#include "monthview/official_marks.h"

#include <chrono>

#include "monthview/grid.h"
#include "monthview/month_view.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

// A mark is one character of the labels' face, 12 pixels square.
constexpr int kMarkSide = 12;
// A mark stands left of its day number: in the Saturday column the number
// of a two-digit day ends seven pixels short of the canvas's edge, too
// close for a mark on its right. Two pixels part the mark from the number's
// first digit, whose ink begins a pixel inside its advance.
constexpr int kMarkGap = 2;
// The digits of the 24-pixel face have their ink from about four pixels
// below the row's top; the mark's top is level with it, so that it reads as
// a small sign at the number's upper corner, clear of the label 30 pixels
// below the row's top.
constexpr int kMarkBelowRowTop = 4;

// The first year whose days any notice arranges: the notice for 2006 made
// 2005-12-31 a workday.
constexpr int kFirstMarkedYear = kFirstNoticeYear - 1;

}  // namespace

std::vector<OfficialMark> OfficialMarks(const OfficialDays& table, int year,
                                        int month) {
  std::vector<OfficialMark> marks;
  if (year < kFirstMarkedYear) return marks;
  const MonthGrid grid = LayOutMonth(year, month);
  const chr::sys_days first{chr::year{year} /
                            chr::month{static_cast<unsigned>(month)} / 1};
  for (int day = 1; day <= grid.daysInMonth; ++day) {
    const std::optional<OfficialDay> official =
        table.On(first + chr::days{day - 1});
    if (!official) continue;
    const bool rest = official->kind == OfficialDayKind::kRest;
    const CellPoint cell = grid.Cell(day);
    marks.push_back({day, DayNumberLeft(cell, day) - kMarkGap - kMarkSide,
                     cell.rowTop + kMarkBelowRowTop, rest ? "休" : "班",
                     rest ? kRestMarkColor : kWorkMarkColor});
  }
  return marks;
}

void DrawOfficialMarks(Canvas& canvas, std::span<const OfficialMark> marks) {
  if (marks.empty()) return;
  canvas.SetFont(kOfficialMarkFont);
  canvas.SetTextBackground(std::nullopt);
  for (const OfficialMark& mark : marks) {
    canvas.SetTextColor(mark.color);
    canvas.WriteText(mark.x, mark.y, mark.text);
  }
}

}  // namespace quillet
