// The 休 and 班 marks as the window draws them, found by their pixels: each
// in the white left of its day number, red or dark grey, and only on the
// days the notices arrange; and the refusal of a user's file at the end of
// every tooltip.
#include <QHelpEvent>
#include <QToolTip>
#include <set>
#include <string>
#include <variant>

#include "tests/support/further_year.h"
#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

using MarksTest = WindowTest;

const QRgb kMarkRed = qRgb(0xFF, 0, 0);
const QRgb kMarkGrey = qRgb(0x50, 0x50, 0x50);

// A month's layout worked out by hand: the column of its first day (Sunday
// 0) and its row height (270 pixels shared by its started weeks).
struct MonthShape {
  int firstColumn, rowHeight;
};

// The white left of a day's number, where its mark stands: from its cell's
// left edge (columns 64 pixels apart, the first centre line at 38) to the
// number, which stands 8 or 16 pixels left of the centre line; the top 20
// pixels of its row, above the label.
QRect LeftOfNumber(MonthShape shape, int day) {
  const int slot = shape.firstColumn + day - 1;
  const int centre = 38 + 64 * (slot % 7);
  const int left = std::max(0, centre - 32);
  const int numberLeft = centre - (day < 10 ? 8 : 16);
  return {left, shape.rowHeight * (slot / 7), numberLeft - left, 20};
}

int Count(const QImage& picture, const QRect& area, QRgb colour) {
  return Find(area, [&](QPoint p) { return picture.pixel(p) == colour; }).count;
}

// The days of a month whose number has red and grey ink at its left.
struct Marked {
  std::set<int> rest, work;
  friend bool operator==(const Marked&, const Marked&) = default;
};
Marked MarkedDays(const QImage& picture, MonthShape shape, int days) {
  Marked marked;
  for (int day = 1; day <= days; ++day) {
    const QRect area = LeftOfNumber(shape, day);
    if (Count(picture, area, kMarkRed) > 0) marked.rest.insert(day);
    if (Count(picture, area, kMarkGrey) > 0) marked.work.insert(day);
  }
  return marked;
}

TEST_F(MarksTest, DaysOffAndMakeUpDaysAreMarked) {
  window.show();
  window.RunStartUp();
  const struct {
    const char *year, *month;
    MonthShape shape;
    int days;
    Marked marked;
  } cases[] = {
      // No holiday in March 2025.
      {"2025", "3", {6, 45}, 31, {}},
      // 国庆节、中秋节 2025: 1 to 8 October off, Saturday the 11th worked.
      {"2025", "10", {3, 54}, 31, {{1, 2, 3, 4, 5, 6, 7, 8}, {11}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "-" + c.month);
    Retype(window.YearBox(), c.year);
    Retype(window.MonthBox(), c.month);
    EXPECT_EQ(MarkedDays(Picture(), c.shape, c.days), c.marked);
  }
  // The 1st of October 2025 (its number at 222): a mark of the 12-pixel
  // face, clear of the number, level with the top of its digits.
  const QImage picture = Picture();
  const QRect ink = Find(LeftOfNumber({3, 54}, 1), [&](QPoint p) {
                      return picture.pixel(p) == kMarkRed;
                    }).bounds;
  EXPECT_TRUE(QRect(206, 2, 14, 17).contains(ink)) << ink.x() << "," << ink.y();
  EXPECT_GE(std::min(ink.width(), ink.height()), 9);
}

// The marks stay when midnight moves the today mark, and follow a table
// given later: a file's 2027 marks its own span.
TEST_F(MarksTest, MarksStayThroughRedrawsAndFollowTheTable) {
  today = {2025, 10, 6};
  window.show();
  window.RunStartUp();
  today = {2025, 10, 7};
  window.FollowClock();
  EXPECT_EQ(MarkedDays(Picture(), {3, 54}, 31),
            (Marked{{1, 2, 3, 4, 5, 6, 7, 8}, {11}}));

  Retype(window.YearBox(), "2027");
  Retype(window.MonthBox(), "2");
  window.UseOfficialDays(std::get<OfficialDays>(OfficialDays::WithFurtherYears(
                             quillet::testing::kFurther2027)),
                         "");
  EXPECT_EQ(MarkedDays(Picture(), {1, 54}, 28),
            (Marked{{5, 6, 7, 8, 9, 10, 11}, {}}));
}

// A refused file's line ends every tooltip, and is not copied with the
// details.
TEST_F(MarksTest, TheRefusalEndsTheTooltip) {
  const std::string refusal =
      "/data/quillet/official-days.tsv:3: not a date: 2027-02-30";
  window.UseOfficialDays(OfficialDays::BuiltIn(), refusal);
  window.show();
  window.RunStartUp();  // March 2024, the 1st a Friday
  const QPoint first(358, 10);
  const QString details = window.DetailsAt(first);
  ASSERT_TRUE(details.startsWith(QStringLiteral("2024年3月1日 ")));
  EXPECT_FALSE(details.contains(QStringLiteral("official-days")));
  CanvasWidget* canvas = window.CanvasControl();
  QHelpEvent help(QEvent::ToolTip, first, canvas->mapToGlobal(first));
  QApplication::sendEvent(canvas, &help);
  ASSERT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text().toStdString(),
            details.toStdString() + "\n" + refusal);
  QToolTip::hideText();
}

}  // namespace
}  // namespace quillet::ui::testing
