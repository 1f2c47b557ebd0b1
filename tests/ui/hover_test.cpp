// What the window tells about a day beyond its label: the tooltip over it,
// the menu of a right click, and today's details for a screen reader. The
// expected texts are worked out from published dates of 2024: 正月初一 on
// 10 February, 二月初一 on 10 March, 三月初一 on 9 April; 惊蛰 on 5 March;
// 2024-03-01 a 甲子 day.
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolTip>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

using HoverTest = WindowTest;

// The seasons and the almanac worked out by hand: 雨水 2-19, 惊蛰 3-05 (the
// 卯 month) and 春分 3-20 begin their pentads; the nines count from 冬至
// 2023-12-22 to 3-11; no phase of the Moon falls on these days (last quarter
// 3-03, new moon 3-10, full moon 3-25).
const char kMarch1[] =
    "2024年3月1日 星期五\n"
    "农历甲辰年正月廿一（小月，29天）\n"
    "甲辰年 丙寅月 甲子日 属龙\n"
    "草木萌动 八九第8天\n"
    "开 鬼金羊 海中金 冲马煞南 甲不开仓 子不问卜";
const char kMarch8[] =
    "2024年3月8日 星期五\n"
    "农历甲辰年正月廿八（小月，29天）\n"
    "甲辰年 丁卯月 辛未日 属龙\n"
    "妇女节\n"
    "桃始华 九九第6天\n"
    "定 亢金龙 路旁土 冲牛煞西 辛不合酱 未不服药";
const char kMarch31[] =
    "2024年3月31日 星期日\n"
    "农历甲辰年二月廿二（大月，30天）\n"
    "甲辰年 丁卯月 甲午日 属龙\n"
    "始电\n"
    "平 星日马 沙中金 冲鼠煞北 甲不开仓 午不苫盖";

// A tooltip that goes fades out for a moment, still visible; then it is
// gone.
bool TipGone() {
  return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000);
}

// What the tooltip tells after the pointer rests at `at` on the canvas, as
// the toolkit reports it; where the window finds no day there, what is left
// once a tip shown before has faded.
std::string TipAfterRest(StartWindow& window, QPoint at) {
  CanvasWidget* canvas = window.CanvasControl();
  QHelpEvent help(QEvent::ToolTip, at, canvas->mapToGlobal(at));
  QApplication::sendEvent(canvas, &help);
  if (!window.DayAt(at) && TipGone()) return "";
  return QToolTip::isVisible() ? QToolTip::text().toStdString() : "";
}

// March 2024 begins on a Friday and needs six rows of 45 pixels; a column's
// centre line stands at 38 + 64 × column, a label 30 pixels below its row's
// top and 12 tall.
TEST_F(HoverTest, TheTooltipTellsTheDayUnderThePointer) {
  const struct {
    const char* what;
    QPoint at;
    const char* tip;  // "" for none
  } cases[] = {
      {"the number of the 1st", {358, 10}, kMarch1},
      {"the label of the 8th, 妇女节", {358, 45 + 30 + 6}, kMarch8},
      {"the edge of the 31st's cell", {0, 225 + 44}, kMarch31},
      {"the empty Sunday before the 1st", {38, 10}, ""},
      {"the empty Monday after the 31st", {102, 240}, ""},
      {"below the last row", {38, 275}, ""},
      {"the 1st again", {330, 20}, kMarch1},
  };
  window.show();
  window.RunStartUp();
  const qint64 picture = window.CanvasControl()->Picture().cacheKey();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(TipAfterRest(window, c.at), c.tip);
  }
  // Hovering from day to day draws nothing.
  EXPECT_EQ(window.CanvasControl()->Picture().cacheKey(), picture);
  QToolTip::hideText();
}

// The tooltip goes when the pointer moves onto another day, and the month
// on the canvas is the one it tells of, even while a message stands in the
// title line.
TEST_F(HoverTest, TheTooltipFollowsTheMonthOnTheCanvas) {
  window.show();
  window.RunStartUp();
  EXPECT_EQ(TipAfterRest(window, {358, 10}), kMarch1);
  QTest::mouseMove(window.CanvasControl(), QPoint(358 + 64, 10));  // the 2nd
  EXPECT_TRUE(TipGone());
  Retype(window.YearBox(), "20");
  EXPECT_EQ(TipAfterRest(window, {358, 10}), kMarch1);
  Retype(window.YearBox(), "2025");  // March 2025 begins on a Saturday
  EXPECT_EQ(TipAfterRest(window, {358, 10}), "");
  const std::string first = TipAfterRest(window, {422, 10});
  EXPECT_EQ(first.rfind("2025年3月1日 星期六\n", 0), 0u) << first;
  QToolTip::hideText();
}

// The menu that a right click at `at` opens, and its actions but the
// separators.
struct OpenedMenu {
  QMenu* menu;
  std::vector<QAction*> actions;
};

OpenedMenu RightClick(StartWindow& window, QPoint at) {
  CanvasWidget* canvas = window.CanvasControl();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at,
                          canvas->mapToGlobal(at));
  QApplication::sendEvent(canvas, &click);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  OpenedMenu opened{menu, {}};
  if (menu != nullptr) {
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) opened.actions.push_back(action);
    }
  }
  return opened;
}

TEST_F(HoverTest, RightClickCopiesTheDayOrGoesBackToToday) {
  window.show();
  window.RunStartUp();
  QClipboard* clipboard = QGuiApplication::clipboard();
  const struct {
    const char* what;
    QPoint at;
    int action;
    const char* copied;
  } copies[] = {
      {"details of the 8th", {358, 50}, 0, kMarch8},
      {"date of the 8th", {358, 50}, 1, "2024-03-08"},
      {"details of the 31st", {38, 230}, 0, kMarch31},
      {"date of the 31st", {38, 230}, 1, "2024-03-31"},
      {"date of the 1st", {358, 10}, 1, "2024-03-01"},
  };
  for (const auto& c : copies) {
    SCOPED_TRACE(c.what);
    clipboard->setText(QStringLiteral("before"));
    const OpenedMenu opened = RightClick(window, c.at);
    ASSERT_NE(opened.menu, nullptr);
    ASSERT_EQ(opened.actions.size(), 3u);
    EXPECT_EQ(opened.actions[0]->text(), QStringLiteral("复制详情"));
    EXPECT_EQ(opened.actions[1]->text().left(5), QStringLiteral("复制日期 "));
    EXPECT_EQ(opened.actions[2]->text(), QStringLiteral("回到今天"));
    opened.actions[c.action]->trigger();
    opened.menu->close();
    EXPECT_EQ(clipboard->text().toStdString(), c.copied);
    EXPECT_EQ(clipboard->mimeData()->formats(),
              QStringList{QStringLiteral("text/plain")});
  }

  // Over an empty cell only 回到今天 is offered, and it brings today's
  // month back from wherever the boxes are.
  Retype(window.YearBox(), "2030");
  Retype(window.MonthBox(), "7");  // July 2030 begins on a Monday
  const OpenedMenu empty = RightClick(window, {38, 10});
  ASSERT_NE(empty.menu, nullptr);
  ASSERT_EQ(empty.actions.size(), 1u);
  EXPECT_EQ(empty.actions[0]->text(), QStringLiteral("回到今天"));
  empty.actions[0]->trigger();
  empty.menu->close();
  EXPECT_EQ(window.YearBox()->text(), QStringLiteral("2024"));
  EXPECT_EQ(window.MonthBox()->text(), QStringLiteral("3"));
  EXPECT_EQ(Title(window), ExpectedTitle(2024, 3));
}

// The canvas's description, which names every day of the month, ends with
// today's details, and moves on with today.
TEST_F(HoverTest, TheScreenReaderHearsTodaysDetails) {
  const QString march15 = QStringLiteral(
      "。今天：2024年3月15日 星期五，农历甲辰年二月初六（大月，30天），"
      "甲辰年 丁卯月 戊寅日 属龙，消费者权益日，鹰化为鸠，"
      "闭 牛金牛 城头土 冲猴煞北 戊不受田 寅不祭祀");
  const QString march16 = QStringLiteral(
      "。今天：2024年3月16日 星期六，农历甲辰年二月初七（大月，30天），"
      "甲辰年 丁卯月 己卯日 属龙，鹰化为鸠，"
      "建 女土蝠 城头土 冲鸡煞西 己不破券 卯不穿井");
  const auto said = [&] {
    return QAccessible::queryAccessibleInterface(window.CanvasControl())
        ->text(QAccessible::Description);
  };
  window.RunStartUp();
  EXPECT_TRUE(said().endsWith(march15)) << said().right(80).toStdString();
  EXPECT_TRUE(DescribesMonth(said(), 2024, 3));
  Retype(window.MonthBox(), "9");
  EXPECT_TRUE(said().endsWith(march15)) << said().right(80).toStdString();
  EXPECT_TRUE(DescribesMonth(said(), 2024, 9));
  today = {2024, 3, 16};
  window.FollowClock();
  EXPECT_TRUE(said().endsWith(march16)) << said().right(80).toStdString();
  EXPECT_TRUE(DescribesMonth(said(), 2024, 9));
  // A clock beyond the days the calendar serves: the month alone.
  today = {2200, 1, 1};
  window.FollowClock();
  EXPECT_TRUE(said().endsWith(QStringLiteral("；9月30日 八月廿八")))
      << said().right(80).toStdString();
}

}  // namespace
}  // namespace quillet::ui::testing
