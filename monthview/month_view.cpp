#include "monthview/month_view.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "lunar/cn_calendar.h"
#include "monthview/day_key.h"
#include "monthview/grid.h"
#include "monthview/title_line.h"

namespace quillet {
namespace {

constexpr Rgb kWatermarkColor{0xEC, 0xEC, 0xEC};
constexpr Rgb kWeekendColor{0xFF, 0x00, 0x00};
constexpr Rgb kWeekdayColor{0x00, 0x00, 0x00};
constexpr Rgb kTodayBackground{0x00, 0xFF, 0xFF};

const CanvasFont kWatermarkFont{"Arial", 60, true};
const CanvasFont kDayNumberFont{"Arial", 18, true};
const CanvasFont kLabelFont{"宋体", 9, false};

// The watermark year's top-left corner.
constexpr int kWatermarkX = 140;
constexpr int kWatermarkY = 0;

// A day number stands this far left of its column's centre line.
constexpr int kOneDigitNumberOffset = 8;
constexpr int kTwoDigitNumberOffset = 16;

}  // namespace

MonthLabels ChooseMonthLabels(int year, int month) {
  const MonthGrid grid = LayOutMonth(year, month);
  const CnCalendar calendar;
  MonthLabels out;
  out.year = year;
  out.month = month;
  out.grid = grid;
  for (int day = 1; day <= grid.daysInMonth; ++day) {
    DayLabel& label = out.labels[day - 1];
    label = ChooseDayLabel(calendar, ToDayKey(year, month, day));
    out.wholeWidths[day - 1] = LabelWidth(label.text);
    out.boxes[day - 1] = {grid.Cell(day).cellX + label.leftOffset,
                          out.wholeWidths[day - 1]};
  }
  // A row runs from a Sunday (or day 1) to a Saturday (or the last day).
  for (int first = 1; first <= grid.daysInMonth;) {
    const int last =
        std::min(grid.daysInMonth, first + 6 - grid.Cell(first).column);
    FitRowLabels(std::span(out.boxes).subspan(first - 1, last - first + 1));
    first = last + 1;
  }
  return out;
}

int DayNumberLeft(const CellPoint& cell, int day) {
  return cell.cellX -
         (day < 10 ? kOneDigitNumberOffset : kTwoDigitNumberOffset);
}

std::optional<int> DayUnder(const MonthLabels& month, int x, int y) {
  const MonthGrid& grid = month.grid;
  for (int day = 1; day <= grid.daysInMonth; ++day) {
    const int labelTop = grid.Cell(day).rowTop + kLabelBelowRowTop;
    const LabelBox box = month.boxes[day - 1];
    if (y >= labelTop && y < labelTop + kLabelHeight && x >= box.left &&
        x < box.Right()) {
      return day;
    }
  }
  return grid.DayAt(x, y);
}

void DrawMonth(MonthViewControls& controls) {
  static_cast<void>(DrawMonthAndReport(controls));
}

DrawnMonth DrawMonthAndReport(MonthViewControls& controls) {
  DrawnMonth drawn;
  drawn.check = CheckBoxes(controls.YearText(), controls.MonthText());
  if (!drawn.check.Passed()) {
    controls.SetTitle(drawn.check.message);
    return drawn;
  }
  const int year = drawn.check.year;
  const int month = drawn.check.month;
  controls.SetTitle(TitleText(year, month));
  drawn.labels = ChooseMonthLabels(year, month);
  const MonthLabels& placed = drawn.labels;
  const MonthGrid& grid = placed.grid;
  Canvas& canvas = controls.DrawingCanvas();
  canvas.Clear();
  canvas.SetTextColor(kWatermarkColor);
  canvas.SetFont(kWatermarkFont);
  canvas.WriteText(kWatermarkX, kWatermarkY, std::to_string(year));

  const CivilDate today = controls.Today();
  for (int day = 1; day <= grid.daysInMonth; ++day) {
    const CellPoint cell = grid.Cell(day);
    const bool isToday = today == CivilDate{year, month, day};
    if (isToday) canvas.SetTextBackground(kTodayBackground);
    canvas.SetFont(kDayNumberFont);
    canvas.SetTextColor(IsWeekendColumn(cell.column) ? kWeekendColor
                                                     : kWeekdayColor);
    canvas.WriteText(DayNumberLeft(cell, day), cell.rowTop,
                     std::to_string(day));
    // Only the number of today stands on cyan, not its label.
    canvas.SetTextBackground(std::nullopt);
    canvas.SetFont(kLabelFont);
    const DayLabel& label = placed.labels[day - 1];
    const LabelBox box = placed.boxes[day - 1];
    const int labelTop = cell.rowTop + kLabelBelowRowTop;
    canvas.SetTextColor(label.color);
    if (box.width == placed.wholeWidths[day - 1]) {
      canvas.WriteText(box.left, labelTop, label.text);
    } else {
      canvas.WriteTextWithin(box.left, labelTop, label.text, box.width);
    }
  }
  return drawn;
}

}  // namespace quillet
