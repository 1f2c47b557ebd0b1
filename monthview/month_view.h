// One redraw of the month: read and check both boxes, write the title line,
// then draw the watermark, the day numbers and the day labels.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "monthview/canvas.h"
#include "monthview/day_label.h"
#include "monthview/grid.h"
#include "monthview/input.h"
#include "monthview/label_layout.h"

namespace quillet {

struct CivilDate {
  int year;
  int month;
  int day;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

class MonthViewControls {  // the window implements it; tests implement it too
 public:
  virtual ~MonthViewControls() = default;
  virtual std::string YearText() const = 0;          // content of EditBox1
  virtual std::string MonthText() const = 0;         // content of EditBox2
  virtual void SetTitle(std::string_view text) = 0;  // caption of Label4
  virtual Canvas& DrawingCanvas() = 0;               // Canvas1
  virtual CivilDate Today() const = 0;               // the local date
};

void DrawMonth(MonthViewControls& controls);

inline constexpr int kMaxDaysInMonth = 31;

// The labels of one month: each day's label, chosen and placed before
// anything is drawn, since where a label stands may depend on the label of
// the day after it.
struct MonthLabels {
  int year = 0;
  int month = 0;
  MonthGrid grid{};
  std::array<DayLabel, kMaxDaysInMonth> labels{};  // day d's at [d - 1]
  std::array<int, kMaxDaysInMonth> wholeWidths{};  // by the layout's metrics
  std::array<LabelBox, kMaxDaysInMonth> boxes{};   // as written
};

// For a checked year and month.
MonthLabels ChooseMonthLabels(int year, int month);

// The left edge of the day number written for `day` in its cell; the number
// stands at the top of its row.
int DayNumberLeft(const CellPoint& cell, int day);

// The day drawn at a canvas point of the month: the day whose label, as
// placed, lies under it, else the day whose cell holds it; none over the
// empty cells. A label moved clear of its neighbour can reach into the next
// cell, and there it still names its own day.
std::optional<int> DayUnder(const MonthLabels& month, int x, int y);

// What one draw did: the boxes' check and, when it passed, the labels drawn.
struct DrawnMonth {
  BoxCheck check;
  MonthLabels labels;
};

// DrawMonth, telling the caller what it checked and drew.
DrawnMonth DrawMonthAndReport(MonthViewControls& controls);

}  // namespace quillet
