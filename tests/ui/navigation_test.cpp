// Moving through the months without typing: the wheel over the boxes, their
// arrows and the month, PageUp and PageDown in the boxes, and 回到今天 by its
// shortcut. Each must leave the boxes, the title line and the canvas as
// typing the same texts would.
#include <QTest>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

using NavigationTest = WindowTest;

// One report of a wheel over `target`, in eighths of a degree, at the
// middle of the widget; what no widget takes goes on to its parent.
void Turn(QWidget* target, int eighths) {
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, eighths),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
}

// What the window shows once the boxes hold `year` and `month` as typed.
struct Shown {
  std::string year, month, title;
  QImage picture;
};

void TypeBoth(StartWindow& window, const char* year, const char* month) {
  Retype(window.YearBox(), QString::fromUtf8(year));
  Retype(window.MonthBox(), QString::fromUtf8(month));
}

Shown AfterTyping(StartWindow& window, const char* year, const char* month) {
  TypeBoth(window, year, month);
  return {year, month, Title(window), window.CanvasControl()->Picture().copy()};
}

TEST_F(NavigationTest, WheelStepsTheBoxesAndTheMonth) {
  enum Target { kYearBox, kYearUp, kYearDown, kMonthBox, kMonthUp, kCanvas };
  const struct {
    const char* what;
    Target target;
    const char *year, *month;
    std::vector<int> turns;
    const char *afterYear, *afterMonth;
  } cases[] = {
      // clang-format off
      {"a notch away over the year box", kYearBox, "2024", "3", {120}, "2025", "3"},
      {"a notch back over it", kYearBox, "2024", "3", {-120}, "2023", "3"},
      {"thirds of a notch add up", kYearBox, "2024", "3", {40, 40, 40}, "2025", "3"},
      {"two thirds do not", kYearBox, "2024", "3", {40, 40}, "2024", "3"},
      {"the last year stays", kYearBox, "2047", "3", {120}, "2047", "3"},
      {"over the year's up arrow", kYearUp, "2024", "3", {120}, "2025", "3"},
      {"two notches back over its down arrow", kYearDown, "2024", "3", {-240}, "2022", "3"},
      {"a box's wheel does not carry", kMonthBox, "2024", "12", {120}, "2024", "12"},
      {"a notch back over the month box", kMonthBox, "2024", "3", {-120}, "2024", "2"},
      {"over the month's arrows", kMonthUp, "2024", "3", {120}, "2024", "4"},
      {"a box's number outside its range", kMonthBox, "2024", "13", {-120}, "2024", "12"},
      {"towards the user over the month: the next", kCanvas, "2024", "3", {-120}, "2024", "4"},
      {"away: the month before", kCanvas, "2024", "3", {120}, "2024", "2"},
      {"十二月 and on: next year's 一月", kCanvas, "2024", "12", {-120}, "2025", "1"},
      {"一月 and back: last year's 十二月", kCanvas, "2024", "1", {120}, "2023", "12"},
      {"the first month shown stays", kCanvas, "1902", "1", {120}, "1902", "1"},
      {"the last month shown stays", kCanvas, "2047", "12", {-120}, "2047", "12"},
      {"fine steps over the month", kCanvas, "2024", "3", {-30, -30, -30, -30}, "2024", "4"},
      // clang-format on
  };
  window.RunStartUp();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // A fresh window each time: a wheel keeps what it gathered.
    const auto fresh = Another();
    fresh->RunStartUp();
    const Shown expected = AfterTyping(window, c.afterYear, c.afterMonth);
    TypeBoth(*fresh, c.year, c.month);
    QWidget* const targets[] = {fresh->YearBox(),
                                fresh->SpinFor(fresh->YearBox())->Up(),
                                fresh->SpinFor(fresh->YearBox())->Down(),
                                fresh->MonthBox(),
                                fresh->SpinFor(fresh->MonthBox())->Up(),
                                fresh->CanvasControl()};
    QWidget* const target = targets[c.target];
    for (const int turn : c.turns) Turn(target, turn);
    EXPECT_EQ(fresh->YearBox()->text().toStdString(), expected.year);
    EXPECT_EQ(fresh->MonthBox()->text().toStdString(), expected.month);
    EXPECT_EQ(Title(*fresh), expected.title);
    EXPECT_TRUE(LooksSame(fresh->CanvasControl()->Picture(), expected.picture));
    EXPECT_EQ(Title(*fresh),
              ExpectedTitle(std::stoi(c.afterYear), std::stoi(c.afterMonth)));
  }
}

TEST_F(NavigationTest, PageKeysMoveAMonthAndWithCtrlAYear) {
  const struct {
    const char* box;
    const char *year, *month;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *afterYear, *afterMonth;
  } cases[] = {
      // clang-format off
      {"EditBox1", "2024", "3", Qt::Key_PageDown, Qt::NoModifier, "2024", "4"},
      {"EditBox2", "2024", "3", Qt::Key_PageUp, Qt::NoModifier, "2024", "2"},
      {"EditBox2", "2024", "12", Qt::Key_PageDown, Qt::NoModifier, "2025", "1"},
      {"EditBox1", "2024", "1", Qt::Key_PageUp, Qt::NoModifier, "2023", "12"},
      {"EditBox1", "2047", "12", Qt::Key_PageDown, Qt::NoModifier, "2047", "12"},
      {"EditBox2", "1902", "1", Qt::Key_PageUp, Qt::NoModifier, "1902", "1"},
      {"EditBox1", "2024", "3", Qt::Key_PageDown, Qt::ControlModifier, "2025", "3"},
      {"EditBox2", "2024", "3", Qt::Key_PageUp, Qt::ControlModifier, "2023", "3"},
      {"EditBox2", "2024", "12", Qt::Key_PageDown, Qt::ControlModifier, "2025", "12"},
      {"EditBox1", "2047", "5", Qt::Key_PageDown, Qt::ControlModifier, "2047", "5"},
      {"EditBox2", "1902", "5", Qt::Key_PageUp, Qt::ControlModifier, "1902", "5"},
      // Texts the month view reads as a month: as drawn, not as typed.
      {"EditBox2", "02024", "011", Qt::Key_PageDown, Qt::NoModifier, "2024", "12"},
      // clang-format on
  };
  window.RunStartUp();
  const auto expected = Another();
  expected->RunStartUp();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.year + "-" + c.month);
    const Shown typed = AfterTyping(*expected, c.afterYear, c.afterMonth);
    TypeBoth(window, c.year, c.month);
    auto* box = static_cast<QLineEdit*>(window.Control(c.box));
    QTest::keyClick(box, c.key, c.modifiers);
    EXPECT_EQ(window.YearBox()->text().toStdString(), typed.year);
    EXPECT_EQ(window.MonthBox()->text().toStdString(), typed.month);
    EXPECT_EQ(Title(window), typed.title);
    EXPECT_TRUE(LooksSame(Picture(), typed.picture));
  }
}

// While the boxes hold a text on its way to a year, the month on the canvas
// is the one to move from.
TEST_F(NavigationTest, HalfTypedYearMovesFromTheMonthOnTheCanvas) {
  window.RunStartUp();  // March 2024
  Retype(window.YearBox(), "20");
  EXPECT_EQ(Title(window), kYearMessage);
  QTest::keyClick(window.YearBox(), Qt::Key_PageDown);
  EXPECT_EQ(window.YearBox()->text(), QStringLiteral("2024"));
  EXPECT_EQ(window.MonthBox()->text(), QStringLiteral("4"));
  EXPECT_EQ(Title(window), ExpectedTitle(2024, 4));
  Retype(window.MonthBox(), "");
  Turn(window.CanvasControl(), 120);
  EXPECT_EQ(window.MonthBox()->text(), QStringLiteral("3"));
  EXPECT_EQ(Title(window), ExpectedTitle(2024, 3));
}

// 回到今天 from the shortcut while typing in either box, and from its action:
// today's year and month, drawn, and nothing typed into the box.
TEST_F(NavigationTest, CtrlTGoesBackToTodaysMonth) {
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.RunStartUp();
  const Shown march = AfterTyping(window, "2024", "3");
  const struct {
    const char* box;
    const char *year, *month;
  } cases[] = {{"EditBox1", "2030", "7"},
               {"EditBox2", "1902", "1"},
               {"EditBox2", "2047", "13"},
               {"EditBox1", "x", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.year + "-" + c.month);
    TypeBoth(window, c.year, c.month);
    auto* box = static_cast<QLineEdit*>(window.Control(c.box));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(window.YearBox()->text(), QStringLiteral("2024"));
    EXPECT_EQ(window.MonthBox()->text(), QStringLiteral("3"));
    EXPECT_EQ(Title(window), march.title);
    EXPECT_TRUE(LooksSame(Picture(), march.picture));
  }
  EXPECT_EQ(window.TodayAction()->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+T")));
  EXPECT_EQ(window.TodayAction()->text(), QStringLiteral("回到今天"));
  Retype(window.YearBox(), "1999");
  window.TodayAction()->trigger();
  EXPECT_EQ(window.YearBox()->text(), QStringLiteral("2024"));
}

}  // namespace
}  // namespace quillet::ui::testing
