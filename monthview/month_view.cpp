#include "monthview/month_view.h"

#include <string>

#include "lunar/cn_calendar.h"
#include "monthview/day_label.h"
#include "monthview/grid.h"
#include "monthview/input.h"
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

}  // namespace

void DrawMonth(MonthViewControls& controls) {
  const BoxCheck check = CheckBoxes(controls.YearText(), controls.MonthText());
  if (!check.Passed()) {
    controls.SetTitle(check.message);
    return;
  }
  const int year = check.year;
  const int month = check.month;
  controls.SetTitle(TitleText(year, month));

  const MonthGrid grid = LayOutMonth(year, month);
  Canvas& canvas = controls.DrawingCanvas();
  canvas.Clear();
  canvas.SetTextColor(kWatermarkColor);
  canvas.SetFont(kWatermarkFont);
  canvas.WriteText(kWatermarkX, kWatermarkY, std::to_string(year));

  const CivilDate today = controls.Today();
  const CnCalendar calendar;
  int dayKey = year * 10000 + month * 100 + 1;
  for (int day = 1; day <= grid.daysInMonth; ++day, ++dayKey) {
    const CellPoint cell = grid.Cell(day);
    const bool isToday = today == CivilDate{year, month, day};
    if (isToday) canvas.SetTextBackground(kTodayBackground);
    canvas.SetFont(kDayNumberFont);
    canvas.SetTextColor(IsWeekendColumn(cell.column) ? kWeekendColor
                                                     : kWeekdayColor);
    canvas.WriteText(cell.cellX - (day < 10 ? 8 : 16), cell.rowTop,
                     std::to_string(day));
    // Only the number of today stands on cyan, not its label.
    canvas.SetTextBackground(std::nullopt);
    canvas.SetFont(kLabelFont);
    WriteDayLabel(canvas, calendar, dayKey, cell.cellX, cell.rowTop);
  }
}

}  // namespace quillet
