// StartWindow: the program's one window, built from the layout table. It is
// the month view's window on the world: the two boxes it reads, the title line
// it writes and the canvas it draws on.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "monthview/month_view.h"
#include "ui/canvas_widget.h"
#include "ui/layout.h"
#include "ui/spin_arrows.h"
#include "ui/system_services.h"

namespace quillet::ui {

class StartWindow : public QWidget, public MonthViewControls {
 public:
  using Clock = std::function<CivilDate()>;
  using UrlOpener = std::function<void(const std::string& url)>;

  // `clock` gives today's local date; `openUrl` opens a web address (the
  // start page, and the hyperlink's target when it is clicked); `siteHost`
  // names the author's site, or is empty when there is none: then start-up
  // opens nothing and the link stays blank.
  StartWindow(Clock clock, UrlOpener openUrl,
              std::string siteHost = std::string(ConfiguredSiteHost()),
              QWidget* parent = nullptr);

  // The start-up work, once the window is shown: open the start page, put
  // today's year and month into the boxes, draw the month.
  void RunStartUp();

  // One redraw from the boxes: the month view's DrawMonth, then, when it
  // drew, the canvas's spoken description of the month now shown.
  void Redraw();

  // MonthViewControls
  std::string YearText() const override;
  std::string MonthText() const override;
  void SetTitle(std::string_view text) override;
  Canvas& DrawingCanvas() override;
  CivilDate Today() const override;

  // The control built for the layout row `name`, or nullptr.
  QWidget* Control(std::string_view name) const;
  QLineEdit* YearBox() const;
  QLineEdit* MonthBox() const;
  QLabel* TitleLabel() const;
  CanvasWidget* CanvasControl() const;
  SpinArrows* SpinFor(const QLineEdit* box) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* Build(const ControlRow& row, QWidget* parent);
  void ApplyFont(QWidget* widget, const ControlRow& row) const;
  void FollowScreen();
  void Step(QLineEdit* box, int delta);

  Clock clock_;
  UrlOpener openUrl_;
  std::string siteHost_;
  std::array<QWidget*, kLayout.size()> controls_{};
  bool followingScreen_ = false;
  // The device pixel ratio the controls' fonts were chosen for.
  qreal fontsRatio_ = 0;
};

}  // namespace quillet::ui
