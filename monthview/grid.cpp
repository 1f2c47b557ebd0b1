#include "monthview/grid.h"

#include <algorithm>
#include <chrono>

#include "monthview/label_layout.h"

namespace quillet {
namespace {

// A cell reaches half a pitch either side of its column's centre line.
constexpr int kHalfPitch = kColumnPitch / 2;
constexpr int kLastColumn = 6;

}  // namespace

MonthGrid LayOutMonth(int year, int month) {
  namespace chr = std::chrono;
  const chr::year_month ym{chr::year{year},
                           chr::month{static_cast<unsigned>(month)}};
  const chr::weekday first{chr::sys_days{ym / 1}};
  const unsigned days = static_cast<unsigned>((ym / chr::last).day());
  MonthGrid grid{};
  grid.firstColumn = static_cast<int>(first.c_encoding());  // Sunday is 0
  grid.daysInMonth = static_cast<int>(days);
  // The number of started weeks.
  const int cells = grid.daysInMonth + grid.firstColumn;
  grid.rowCount = cells / 7 + (cells % 7 != 0 ? 1 : 0);
  grid.rowHeight = kGridHeight / grid.rowCount;
  return grid;
}

CellPoint MonthGrid::Cell(int day) const {
  const int slot = firstColumn + day - 1;  // [0, 41]
  const int column = slot % 7;
  return {column, kFirstCellX + kColumnPitch * column, rowHeight * (slot / 7)};
}

CellArea MonthGrid::Area(int day) const {
  const CellPoint cell = Cell(day);
  const int left = cell.column == 0 ? 0 : cell.cellX - kHalfPitch;
  const int right =
      cell.column == kLastColumn ? kCanvasWidth : cell.cellX + kHalfPitch;
  return {left, cell.rowTop, right - left, rowHeight};
}

std::optional<int> MonthGrid::DayAt(int x, int y) const {
  if (x < 0 || x >= kCanvasWidth || y < 0 || y >= rowCount * rowHeight) {
    return std::nullopt;
  }
  const int column = std::clamp((x - (kFirstCellX - kHalfPitch)) / kColumnPitch,
                                0, kLastColumn);
  const int day = (y / rowHeight) * 7 + column - firstColumn + 1;
  if (day < 1 || day > daysInMonth) return std::nullopt;
  return day;
}

}  // namespace quillet
