// The today mark follows the clock while the window is open: the window
// wakes once when the next day begins and looks again whenever it is
// activated; it moves the mark and changes nothing else.
#include <QTest>
#include <chrono>
#include <string>

#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

using namespace std::chrono_literals;
using TodayTest = WindowTest;

// The box a day number of March 2024 is written in. The month begins on a
// Friday and needs six rows of 45 pixels; a column's centre line stands at
// 38 + 64 × column, a number of two digits 16 pixels left of it, a line of
// the 24-pixel face: under 32 pixels wide, and clear of the label 30 pixels
// below the row's top.
QRect March2024Number(int day) {
  const int slot = 5 + day - 1;
  return {38 + 64 * (slot % 7) - 16, 45 * (slot / 7), 32, 30};
}

bool HasCyan(const QImage& picture, const QRect& area) {
  const auto cyan = [&](QPoint p) {
    return picture.pixel(p) == qRgb(0, 255, 255);
  };
  return Find(area, cyan).count > 0;
}

TEST_F(TodayTest, MidnightMovesTheMarkAndNothingElse) {
  untilNextDay = 30ms;
  window.RunStartUp();
  EXPECT_TRUE(window.DayTimer().isActive());
  EXPECT_TRUE(window.DayTimer().isSingleShot());
  EXPECT_LE(window.DayTimer().interval(), 30 + 100);  // the least wake is 100
  const QImage before = Picture();
  const QString title = window.TitleLabel()->text();
  ASSERT_TRUE(HasCyan(before, March2024Number(15)));

  today = {2024, 3, 16};
  untilNextDay = 24h;
  QTRY_VERIFY_WITH_TIMEOUT(Picture() != before, 2000);
  const QImage after = Picture();
  EXPECT_FALSE(HasCyan(after, March2024Number(15)));
  EXPECT_TRUE(HasCyan(after, March2024Number(16)));
  // Only the two numbers changed: the 15th's and the 16th's, side by side
  // in the third row.
  EXPECT_TRUE((March2024Number(15) | March2024Number(16))
                  .contains(Changed(before, after)));
  EXPECT_EQ(window.YearBox()->text(), QStringLiteral("2024"));
  EXPECT_EQ(window.MonthBox()->text(), QStringLiteral("3"));
  EXPECT_EQ(window.TitleLabel()->text(), title);
  // And the next wake is set for the day after.
  EXPECT_TRUE(window.DayTimer().isActive());
  EXPECT_EQ(window.DayTimer().interval(), 24 * 3600 * 1000);
}

// Waking from sleep or after the clock was changed, the timer may be late
// or never come; the window looks at the clock when it is activated.
TEST_F(TodayTest, ActivationLooksAtTheClock) {
  const struct {
    CivilDate newToday;
    bool moves;     // the picture changes
    int markedDay;  // the day of March 2024 on cyan afterwards, or 0
  } cases[] = {
      {{2024, 3, 15}, false, 15},  // the same day: nothing is drawn
      {{2024, 3, 31}, true, 31},   // the clock put forward
      {{2024, 3, 1}, true, 1},     // and back
      {{2024, 4, 1}, true, 0},     // the mark leaves the month
      {{2031, 1, 1}, false, 0},    // far away, still not in March 2024
      {{2024, 3, 9}, true, 9},     // and comes back into it
  };
  window.RunStartUp();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.newToday.month) + "-" +
                 std::to_string(c.newToday.day));
    const QImage before = Picture();
    const qint64 key = window.CanvasControl()->Picture().cacheKey();
    today = c.newToday;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    EXPECT_EQ(Picture() != before, c.moves);
    // No redraw at all where nothing moves.
    if (!c.moves) {
      EXPECT_EQ(window.CanvasControl()->Picture().cacheKey(), key);
    }
    for (int day = 1; day <= 31; ++day) {
      EXPECT_EQ(HasCyan(Picture(), March2024Number(day)), day == c.markedDay)
          << day;
    }
    EXPECT_EQ(window.MonthBox()->text(), QStringLiteral("3"));
  }
}

// A title line that shows a message about a year being typed keeps it; the
// mark moves on the month that is on the canvas.
TEST_F(TodayTest, AMessageInTheTitleLineStaysWhileTheMarkMoves) {
  window.RunStartUp();
  Retype(window.YearBox(), "20");
  ASSERT_EQ(window.TitleLabel()->text().toStdString(), kYearMessage);
  today = {2024, 3, 16};
  window.FollowClock();
  EXPECT_TRUE(HasCyan(Picture(), March2024Number(16)));
  EXPECT_FALSE(HasCyan(Picture(), March2024Number(15)));
  EXPECT_EQ(window.TitleLabel()->text().toStdString(), kYearMessage);
  EXPECT_EQ(window.YearBox()->text(), QStringLiteral("20"));
  // Typing on draws the new today too.
  Retype(window.YearBox(), "2024");
  EXPECT_TRUE(HasCyan(Picture(), March2024Number(16)));
}

// A wake a moment early finds the same day, draws nothing and sets the wake
// again for what is left of it.
TEST_F(TodayTest, AnEarlyWakeWaitsForTheRest) {
  window.RunStartUp();
  const qint64 key = window.CanvasControl()->Picture().cacheKey();
  untilNextDay = 2s;
  window.FollowClock();
  EXPECT_EQ(window.CanvasControl()->Picture().cacheKey(), key);
  EXPECT_TRUE(window.DayTimer().isActive());
  EXPECT_EQ(window.DayTimer().interval(), 2000);
  untilNextDay = 0ms;  // a clock that says the day has just begun
  window.FollowClock();
  EXPECT_EQ(window.DayTimer().interval(), 100);  // never a busy loop
}

}  // namespace
}  // namespace quillet::ui::testing
