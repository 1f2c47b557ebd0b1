// One redraw of the month: read and check both boxes, write the title line,
// then draw the watermark, the day numbers and the day labels.
#pragma once

#include <string>
#include <string_view>

#include "monthview/canvas.h"

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

}  // namespace quillet
