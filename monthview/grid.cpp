#include "monthview/grid.h"

#include <chrono>

namespace quillet {

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

}  // namespace quillet
