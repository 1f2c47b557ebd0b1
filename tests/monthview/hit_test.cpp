// Which day lies under a point of the canvas: the cell that holds the point,
// or the label that was moved over it, and no day over the empty cells.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "monthview/grid.h"
#include "monthview/month_view.h"
#include "tests/monthview/recording_canvas.h"

namespace quillet {
namespace {

using testing::FakeControls;
using testing::IsDayNumber;
using testing::IsLabel;

TEST(HitTest, PointsOfWorkedMonths) {
  const struct {
    int year, month;
    int x, y;
    std::optional<int> day;
    const char* why;
  } cases[] = {
      // March 2025 begins on a Saturday and needs six rows of 45 pixels.
      {2025, 3, 422, 10, 1, "day 1, alone in the first row"},
      {2025, 3, 30, 10, std::nullopt, "the empty Sunday before it"},
      {2025, 3, 389, 10, std::nullopt, "Friday's cell ends at 390"},
      {2025, 3, 390, 10, 1, "Saturday's begins there"},
      {2025, 3, 439, 44, 1, "the canvas's right edge, the row's last line"},
      {2025, 3, 0, 45, 2, "the canvas's left edge, the second row"},
      {2025, 3, 69, 50, 2, "Sunday's cell ends at 70"},
      {2025, 3, 70, 50, 3, "Monday's begins there"},
      {2025, 3, 102, 240, 31, "the last day, a Monday in the sixth row"},
      {2025, 3, 166, 240, std::nullopt, "the empty Tuesday after it"},
      {2025, 3, 102, 270, std::nullopt, "below the six rows"},
      {2025, 3, 440, 10, std::nullopt, "right of the canvas"},
      {2025, 3, -1, 50, std::nullopt, "left of the canvas"},
      // February 2015: Sunday to Saturday, four rows of 67 pixels.
      {2015, 2, 38, 0, 1, "the first day's number"},
      {2015, 2, 422, 267, 28, "the last row's last line"},
      {2015, 2, 422, 268, std::nullopt, "the two lines below the rows"},
      // February 2024 begins on a Thursday; five rows of 54 pixels.
      {2024, 2, 294, 53, 1, "Thursday the first"},
      {2024, 2, 294, 54, 8, "the Thursday below it"},
      {2024, 2, 230, 20, std::nullopt, "the Wednesday before the first"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + " " +
                 c.why);
    EXPECT_EQ(LayOutMonth(c.year, c.month).DayAt(c.x, c.y), c.day);
    EXPECT_EQ(DayUnder(ChooseMonthLabels(c.year, c.month), c.x, c.y), c.day);
  }
}

TEST(HitTest, CellAreasTileTheRowsAndReachTheEdges) {
  const struct {
    int year, month, day;
    CellArea area;
  } cases[] = {
      {2025, 3, 1, {390, 0, 50, 45}},   // Saturday: to the right edge
      {2025, 3, 2, {0, 45, 70, 45}},    // Sunday: from the left edge
      {2025, 3, 4, {134, 45, 64, 45}},  // Tuesday: centre line 166
      {2015, 2, 28, {390, 201, 50, 67}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.day);
    EXPECT_EQ(LayOutMonth(c.year, c.month).Area(c.day), c.area);
  }
}

// 1 July 2001 was a Sunday: its label 香港回归中共诞辰, sixteen GBK bytes and
// so 96 pixels wide, cannot stand centred at 38 without crossing the left
// edge; moved to it, it reaches x 96, across Monday's cell, which begins at
// 70. There it still names the first, while Monday's number above it names
// the second.
TEST(HitTest, AMovedLabelNamesItsOwnDay) {
  const MonthLabels july = ChooseMonthLabels(2001, 7);
  ASSERT_EQ(july.labels[0].text, "香港回归中共诞辰");
  const int labelTop = 30;
  EXPECT_EQ(DayUnder(july, 80, labelTop + 5), 1);
  EXPECT_EQ(DayUnder(july, 80, labelTop - 5), 2);
  EXPECT_EQ(DayUnder(july, 80, labelTop + 12), 2);
  EXPECT_EQ(LayOutMonth(2001, 7).DayAt(80, labelTop + 5), 2);
}

// Against the draw itself, every month of the range: the middle of each day
// number and of each label as written lies over that day.
TEST(HitTest, EveryWrittenNumberAndLabelLiesOverItsDay) {
  for (int year = 1902; year <= 2047; ++year) {
    for (int month = 1; month <= 12; ++month) {
      FakeControls controls(std::to_string(year), std::to_string(month));
      const DrawnMonth drawn = DrawMonthAndReport(controls);
      int number = 0, label = 0;
      for (const auto& w : controls.canvas.writes) {
        // Numbers are 24 pixels tall and about 14 per digit wide; labels 12
        // tall and 6 per byte of GBK (3 per byte of these UTF-8 texts).
        if (IsDayNumber(w)) {
          ++number;
          const int x = w.x + 7 * static_cast<int>(w.text.size());
          ASSERT_EQ(DayUnder(drawn.labels, x, w.y + 12), number)
              << year << "-" << month << " number " << w.text;
        } else if (IsLabel(w)) {
          ++label;
          const int width =
              w.within ? *w.within : 4 * static_cast<int>(w.text.size());
          ASSERT_EQ(DayUnder(drawn.labels, w.x + width / 2, w.y + 6), label)
              << year << "-" << month << " label " << w.text;
        }
      }
      ASSERT_EQ(number, drawn.labels.grid.daysInMonth);
    }
  }
}

}  // namespace
}  // namespace quillet
