// Where the days of a month stand on the canvas: seven columns, Sunday
// first, in as many rows as the month has started weeks.
#pragma once

#include <optional>

namespace quillet {

// Columns are 64 pixels apart; the first centre line stands at 38, ten
// pixels right of the centre of the weekday heading above it; the rows share
// 270 pixels of the canvas's height.
inline constexpr int kColumnPitch = 64;
inline constexpr int kFirstCellX = 38;
inline constexpr int kGridHeight = 270;

struct CellPoint {
  int column;  // Sunday 0 .. Saturday 6
  int cellX;   // the column's centre line
  int rowTop;  // the top of the day's row
};

// A day's cell on the canvas: its column's pitch, centred on the column's
// centre line (the outer columns reach the canvas's edges), and its row's
// height. The day number and, unless it had to move, the label stand in it.
struct CellArea {
  int left, top, width, height;
  constexpr bool Contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  friend bool operator==(CellArea, CellArea) = default;
};

struct MonthGrid {
  int firstColumn;  // weekday of day 1, Sunday 0 .. Saturday 6
  int daysInMonth;  // [28, 31]
  int rowCount;     // [4, 6]
  int rowHeight;    // 67, 54 or 45

  CellPoint Cell(int day) const;  // day in [1, daysInMonth]
  CellArea Area(int day) const;   // day in [1, daysInMonth]
  // The day whose cell holds the canvas point, or none over the empty cells
  // before the first and after the last day and below the last row.
  std::optional<int> DayAt(int x, int y) const;
};

// For a Gregorian year and month (1..12).
MonthGrid LayOutMonth(int year, int month);

constexpr bool IsWeekendColumn(int column) {
  return column == 0 || column == 6;
}

}  // namespace quillet
