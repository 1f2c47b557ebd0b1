// The program's start-up sequence: the window is built and handed to the
// first hook hidden and empty, then shown; the event loop's first turn finds it
// shown and still empty, and its start-up work runs after that; the loop's
// exit code is what the sequence returns. The table of 休 and 班 handed in
// reaches the window.
#include "app/start_up.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <string>
#include <tuple>
#include <vector>

#include "ui/system_services.h"

namespace quillet::app {
namespace {

// Shown, loop level, year box, month box.
using Fields = std::tuple<bool, int, std::string, std::string>;

struct Seen {
  bool visible = false;
  int loopLevel = -1;
  std::string year;
  std::string month;
  Fields All() const { return {visible, loopLevel, year, month}; }
};

Seen Look(const ui::StartWindow& window) {
  return {window.isVisible(), QThread::currentThread()->loopLevel(),
          window.YearBox()->text().toStdString(),
          window.MonthBox()->text().toStdString()};
}

TEST(StartUpTest, ShowsTheWindowThenRunsItsStartUpInTheEventLoop) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "quillet-start-up-test";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);

  Seen before;
  Seen firstTurn;
  Seen after;
  int startUps = 0;
  std::vector<std::string> opened;
  std::string tip;  // over 1 July 2031, a Tuesday
  const std::string refusal = "/x/quillet/official-days.tsv:1: found 4";
  const int code = RunWindow(
      {.clock =
           [] {
             return CivilDate{2031, 7, 4};
           },
       .openUrl = [&](const std::string& url) { opened.push_back(url); },
       .beforeShow =
           [&](ui::StartWindow& window) {
             before = Look(window);
             QTimer::singleShot(0, &window, [&] { firstTurn = Look(window); });
           },
       .afterStartUp =
           [&](ui::StartWindow& window) {
             after = Look(window);
             tip = window.TooltipAt({166, 10}).toStdString();
             ++startUps;
             QCoreApplication::exit(7);
           },
       .officialDays =
           LoadedOfficialDays{OfficialDays::BuiltIn(),
                              "/x/quillet/official-days.tsv", refusal}});

  EXPECT_EQ(code, 7);
  EXPECT_EQ(startUps, 1);
  EXPECT_EQ(before.All(), (Fields{false, 0, "", ""}));
  EXPECT_EQ(firstTurn.All(), (Fields{true, 1, "", ""}));
  EXPECT_EQ(after.All(), (Fields{true, 1, "2031", "7"}));
  // The table handed in, with its refusal ending every tooltip.
  EXPECT_TRUE(tip.starts_with("2031年7月1日 星期二\n")) << tip;
  EXPECT_NE(tip.find("\n2031年调休安排尚未收录\n"), std::string::npos) << tip;
  EXPECT_TRUE(tip.ends_with("\n" + refusal)) << tip;
  // A start page only where the build names a site.
  EXPECT_EQ(opened.size(), ui::ConfiguredSiteHost().empty() ? 0u : 1u);
}

}  // namespace
}  // namespace quillet::app
