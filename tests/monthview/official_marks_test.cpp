// The 休 and 班 marks of whole months, against the notices' days as
// published, and their places against what DrawMonth writes.
#include "monthview/official_marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <variant>

#include "monthview/month_view.h"
#include "tests/monthview/recording_canvas.h"
#include "tests/support/further_year.h"

namespace quillet {
namespace {

using testing::Write;

const OfficialDays& With2027() {
  static const OfficialDays table = std::get<OfficialDays>(
      OfficialDays::WithFurtherYears(testing::kFurther2027));
  return table;
}

TEST(OfficialMarksTest, WholeMonths) {
  const OfficialDays& builtIn = OfficialDays::BuiltIn();
  const struct {
    const OfficialDays& table;
    int year, month;
    std::set<int> rest, work;
  } cases[] = {
      // 国庆节、中秋节 2025: 1 to 8 October off, 28 September and 11 October
      // worked.
      {builtIn, 2025, 10, {1, 2, 3, 4, 5, 6, 7, 8}, {11}},
      {builtIn, 2025, 9, {}, {28}},
      // 春节 2026: 15 to 23 February off, the 14th and the 28th worked.
      {builtIn, 2026, 2, {15, 16, 17, 18, 19, 20, 21, 22, 23}, {14, 28}},
      // 元旦 2024 began on Saturday 30 December 2023.
      {builtIn, 2023, 12, {30, 31}, {}},
      {builtIn, 2025, 3, {}, {}},
      {builtIn, 2005, 10, {}, {}},
      // No notice covers 2027: its statutory days, 除夕 to 初三, alone; a
      // file's 2027 gives its span.
      {builtIn, 2027, 2, {5, 6, 7, 8}, {}},
      {With2027(), 2027, 2, {5, 6, 7, 8, 9, 10, 11}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
    std::set<int> rest, work;
    for (const OfficialMark& mark : OfficialMarks(c.table, c.year, c.month)) {
      const bool isRest = mark.text == "休";
      (isRest ? rest : work).insert(mark.day);
      const Rgb expected =
          isRest ? Rgb{0xFF, 0x00, 0x00} : Rgb{0x50, 0x50, 0x50};
      EXPECT_EQ(mark.color, expected) << mark.day;
    }
    EXPECT_EQ(rest, c.rest);
    EXPECT_EQ(work, c.work);
  }
}

// Every month 2005-2047: each mark, 12 pixels square, lies on the canvas,
// ends left of its day's number (digits of 0.556 of the 24-pixel face)
// within the same column (64 pixels), its top four pixels below the
// number's, and overlaps no other number and no label (twelve pixels
// tall, four pixels to a UTF-8 byte: twelve to a Chinese character).
TEST(OfficialMarksTest, ClearOfEveryNumberAndLabel) {
  for (int year = 2005; year <= 2047; ++year) {
    for (int month = 1; month <= 12; ++month) {
      testing::FakeControls controls(std::to_string(year),
                                     std::to_string(month));
      DrawMonth(controls);
      const auto& writes = controls.canvas.writes;
      for (const OfficialMark& mark : OfficialMarks(With2027(), year, month)) {
        SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month) + "-" +
                     std::to_string(mark.day));
        const int day = mark.day;
        const auto own =
            std::find_if(writes.begin(), writes.end(), [day](const Write& w) {
              return testing::IsDayNumber(w) && w.text == std::to_string(day);
            });
        ASSERT_NE(own, writes.end());
        EXPECT_GE(mark.x, std::max(0, own->x + (day < 10 ? 8 : 16) - 32));
        EXPECT_LT(mark.x + 12, own->x);
        EXPECT_EQ(mark.y, own->y + 4);
        for (const Write& w : writes) {
          if (w.font.points == 60) continue;  // the watermark lies under all
          const int width =
              testing::IsDayNumber(w)
                  ? static_cast<int>(w.text.size() * 556 * 24 + 999) / 1000
                  : w.within.value_or(static_cast<int>(w.text.size()) * 4);
          const int height = testing::IsDayNumber(w) ? 28 : 12;
          EXPECT_FALSE(mark.x < w.x + width && w.x < mark.x + 12 &&
                       mark.y < w.y + height && w.y < mark.y + 12)
              << w.text;
        }
      }
    }
  }
}

}  // namespace
}  // namespace quillet
