// StartWindow: the program's one window, built from the layout table. It is
// the month view's window on the world: the two boxes it reads, the title line
// it writes and the canvas it draws on.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lunar/official_days.h"
#include "monthview/month_view.h"
#include "ui/canvas_widget.h"
#include "ui/layout.h"
#include "ui/spin_arrows.h"
#include "ui/system_services.h"

class QHelpEvent;
class QKeyEvent;
class QMenu;
class QWheelEvent;

namespace quillet::ui {

class StartWindow : public QWidget, public MonthViewControls {
 public:
  using Clock = std::function<ClockReading()>;
  using UrlOpener = std::function<void(const std::string& url)>;

  // `clock` gives today's local date and the time until the next;
  // `openUrl` opens a web address (the
  // start page, and the hyperlink's target when it is clicked); `siteHost`
  // names the author's site, or is empty when there is none: then start-up
  // opens nothing and the link stays blank.
  StartWindow(Clock clock, UrlOpener openUrl,
              std::string siteHost = std::string(ConfiguredSiteHost()),
              QWidget* parent = nullptr);

  // The arrangements of 休 and 班 that the month's marks and the tooltip
  // tell (the built-in table until this is called), and, where the user's
  // file of later notices was refused, the one line that says why: every
  // tooltip ends with it. The month on the canvas, if any, is drawn again.
  void UseOfficialDays(const OfficialDays& table, std::string refusal);

  // The start-up work, once the window is shown: open the start page, put
  // today's year and month into the boxes, draw the month, and set the wake
  // for the next day.
  void RunStartUp();

  // One redraw from the boxes: the month view's DrawMonth, then, when it
  // drew, the canvas's spoken description of the month now shown.
  void Redraw();

  // Puts today's year and month into the boxes (回到今天).
  void GoToToday();
  // Moves `delta` months or years from the month in the boxes, or, while
  // they do not name one, from the month on the canvas.
  void StepMonth(int delta, StepUnit unit);
  // Reads the clock: where the date has changed since the month on the
  // canvas was drawn, the today mark moves to the new day; the month, the
  // boxes and the title line stay. Then sets the wake for the next day.
  void FollowClock();

  // The month on the canvas as it was last drawn; none before the first.
  const std::optional<MonthLabels>& ShownMonth() const { return shown_; }
  // The day of that month drawn at a point of the canvas, if any.
  std::optional<int> DayAt(QPoint canvasPoint) const;
  // The details of the day drawn at the canvas point, as they are copied,
  // or "" where there is no day.
  QString DetailsAt(QPoint canvasPoint) const;
  // What resting the pointer on the canvas point shows: the day's details,
  // and the refusal of the user's file where there was one; "" where there
  // is no day.
  QString TooltipAt(QPoint canvasPoint) const;
  // The menu for a right click at the canvas point: over a day, copying its
  // details and its date, then 回到今天. Deleted when closed.
  QMenu* ContextMenuAt(QPoint canvasPoint);
  // The action 回到今天, with its shortcut.
  QAction* TodayAction() const { return todayAction_; }
  // The single-shot wake at the start of the next local day.
  const QTimer& DayTimer() const { return dayTimer_; }

  // MonthViewControls
  std::string YearText() const override;
  std::string MonthText() const override;
  void SetTitle(std::string_view text) override;
  Canvas& DrawingCanvas() override;
  CivilDate Today() const override;  // as read for the draw under way

  // The control built for the layout row `name`, or nullptr.
  QWidget* Control(std::string_view name) const;
  QLineEdit* YearBox() const;
  QLineEdit* MonthBox() const;
  QLabel* TitleLabel() const;
  CanvasWidget* CanvasControl() const;
  SpinArrows* SpinFor(const QLineEdit* box) const;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* Build(const ControlRow& row, QWidget* parent);
  void ApplyFont(QWidget* widget, const ControlRow& row) const;
  void FollowScreen();
  void Step(QLineEdit* box, int delta);
  void SetBoxes(const BoxTexts& texts);
  bool KeyInBox(QLineEdit* box, const QKeyEvent& key);
  bool Wheel(QObject* watched, const QWheelEvent& wheel);
  void ShowDetails(const QHelpEvent& help);
  void Describe(const MonthLabels& month);
  void DrawMarks(const MonthLabels& month);
  void WakeAfter(std::chrono::milliseconds delay);

  Clock clock_;
  UrlOpener openUrl_;
  std::string siteHost_;
  std::array<QWidget*, kLayout.size()> controls_{};
  bool followingScreen_ = false;
  // The device pixel ratio the controls' fonts were chosen for.
  qreal fontsRatio_ = 0;
  bool startedUp_ = false;
  // The date read for the draw under way, and the one the month on the
  // canvas was drawn with.
  CivilDate today_{};
  CivilDate shownToday_{};
  std::optional<MonthLabels> shown_;
  // The arrangements of 休 and 班: the built-in table, or one of the
  // window's own.
  std::optional<OfficialDays> ownOfficial_;
  const OfficialDays* official_ = &OfficialDays::BuiltIn();
  std::string officialRefusal_;
  // Today's details as the canvas's description ends with them, and the day
  // they were made for.
  std::string todayDetails_;
  CivilDate detailsDay_{};
  // The day whose details the tooltip shows.
  std::optional<int> tippedDay_;
  QAction* todayAction_ = nullptr;
  QTimer dayTimer_;
  // The wheel's turn over each box (with its arrows) and over the canvas.
  WheelNotches yearWheel_, monthWheel_, canvasWheel_;
};

}  // namespace quillet::ui
