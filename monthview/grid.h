// Where the days of a month stand on the canvas: seven columns, Sunday
// first, in as many rows as the month has started weeks.
#pragma once

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

struct MonthGrid {
  int firstColumn;  // weekday of day 1, Sunday 0 .. Saturday 6
  int daysInMonth;  // [28, 31]
  int rowCount;     // [4, 6]
  int rowHeight;    // 67, 54 or 45

  CellPoint Cell(int day) const;  // day in [1, daysInMonth]
};

// For a Gregorian year and month (1..12).
MonthGrid LayOutMonth(int year, int month);

constexpr bool IsWeekendColumn(int column) {
  return column == 0 || column == 6;
}

}  // namespace quillet
