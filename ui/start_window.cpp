#include "ui/start_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPalette>
#include <QSignalBlocker>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <limits>
#include <utility>

#include "lunar/date_text.h"
#include "monthview/day_details.h"
#include "monthview/input.h"
#include "monthview/month_description.h"
#include "monthview/official_marks.h"
#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/hyperlink_label.h"
#include "ui/to_qt.h"

namespace quillet::ui {
namespace {

Qt::Alignment ToQtAlignment(Align align) {
  const Qt::Alignment across =
      align == Align::kCentre ? Qt::AlignHCenter : Qt::AlignLeft;
  return across | Qt::AlignVCenter;
}

const ControlRow& RowOf(std::string_view name) {
  return kLayout[RowIndex(name)];
}

// Text and fill colours for every kind: labels and panels paint the Window
// role, edit boxes the Base role.
void ApplyColours(QWidget* widget, const ControlRow& row) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Window, ToQColor(row.background));
  colours.setColor(QPalette::Base, ToQColor(row.background));
  colours.setColor(QPalette::WindowText, ToQColor(row.textColor));
  colours.setColor(QPalette::Text, ToQColor(row.textColor));
  widget->setPalette(colours);
  widget->setAutoFillBackground(true);
}

// The icon drawn for the desktop, at the sizes a title bar and a task bar
// ask for; the files are embedded as resources of this library.
QIcon WindowIcon() {
  QIcon icon;
  for (const int side : kIconSizes) {
    icon.addFile(QStringLiteral(":/icons/quillet-%1.png").arg(side),
                 QSize(side, side));
  }
  return icon;
}

// The shortcut of 回到今天: a chord that no typing in the boxes needs.
const QKeySequence kTodayShortcut(Qt::CTRL | Qt::Key_T);

// Woken a moment before the day begins (a timer may run a little fast),
// the window looks again this long after.
constexpr std::chrono::milliseconds kLeastWake{100};

// Draws the month that is on the canvas again, for another today, leaving
// the title line alone: it may show a message about what is being typed.
class ShownMonthControls : public MonthViewControls {
 public:
  ShownMonthControls(const MonthLabels& month, Canvas& canvas, CivilDate today)
      : month_(month), canvas_(canvas), today_(today) {}
  std::string YearText() const override { return std::to_string(month_.year); }
  std::string MonthText() const override {
    return std::to_string(month_.month);
  }
  void SetTitle(std::string_view) override {}
  Canvas& DrawingCanvas() override { return canvas_; }
  CivilDate Today() const override { return today_; }

 private:
  const MonthLabels& month_;
  Canvas& canvas_;
  CivilDate today_;
};

bool InMonth(CivilDate date, const MonthLabels& month) {
  return date.year == month.year && date.month == month.month;
}

std::chrono::year_month_day ToDate(CivilDate date) {
  return std::chrono::year{date.year} /
         std::chrono::month{static_cast<unsigned>(date.month)} /
         std::chrono::day{static_cast<unsigned>(date.day)};
}

// Today's details, said after the month: their lines run on, parted by
// commas; a clock outside the days the calendar serves has none.
std::string SpokenDetails(CivilDate today, const OfficialDays& official) {
  const std::chrono::year_month_day date = ToDate(today);
  if (!date.ok() || date < kFirstServedDay || date > kLastServedDay) return {};
  std::string spoken = "。今天：";
  for (const char c : DayDetailsText(CnCalendar(), today.year, today.month,
                                     today.day, official)) {
    if (c == '\n') {
      spoken += "，";
    } else {
      spoken += c;
    }
  }
  return spoken;
}

void Copy(const QString& text) { QGuiApplication::clipboard()->setText(text); }

// What a screen reader says about a box beyond its name: its range, and that
// the arrow keys step it.
QString BoxDescription(SpinRange range) {
  return QStringLiteral("%1 至 %2，上下方向键增减").arg(range.lo).arg(range.hi);
}

}  // namespace

StartWindow::StartWindow(Clock clock, UrlOpener openUrl, std::string siteHost,
                         QWidget* parent)
    : QWidget(parent),
      clock_(std::move(clock)),
      openUrl_(std::move(openUrl)),
      siteHost_(std::move(siteHost)) {
  InstallAccessibility();
  setObjectName(ToQString(kWindowName));
  setWindowTitle(ToQString(kWindowTitle));
  setWindowIcon(WindowIcon());
  setFixedSize(kClientWidth, kClientHeight);
  move(kWindowLeft, kWindowTop);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(kWhite));
  setPalette(colours);
  setAutoFillBackground(true);

  for (std::size_t i = 0; i < kLayout.size(); ++i) {
    const ControlRow& row = kLayout[i];
    QWidget* parentPanel = row.in == kWindowName ? this : Control(row.in);
    controls_[i] = Build(row, parentPanel);
  }
  fontsRatio_ = devicePixelRatioF();
  setTabOrder(YearBox(), MonthBox());

  todayAction_ = new QAction(QStringLiteral("回到今天"), this);
  todayAction_->setShortcut(kTodayShortcut);
  addAction(todayAction_);
  connect(todayAction_, &QAction::triggered, this, &StartWindow::GoToToday);

  dayTimer_.setSingleShot(true);
  dayTimer_.setTimerType(Qt::PreciseTimer);
  connect(&dayTimer_, &QTimer::timeout, this, &StartWindow::FollowClock);
  CanvasControl()->installEventFilter(this);
  CanvasControl()->setMouseTracking(true);
}

QWidget* StartWindow::Build(const ControlRow& row, QWidget* parent) {
  QWidget* widget = nullptr;
  switch (row.kind) {
    case ControlKind::kPanel:
      widget = new QWidget(parent);
      break;
    case ControlKind::kLabel: {
      auto* label = new QLabel(ToQString(row.text), parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(ToQtAlignment(row.align));
      widget = label;
      break;
    }
    case ControlKind::kHyperlink: {
      auto* link = new HyperlinkLabel(
          ToQString(siteHost_), SiteAddress(siteHost_),
          {ToQColor(row.textColor), ToQColor(row.link.visited),
           ToQColor(row.link.hover)},
          openUrl_, parent);
      link->setAlignment(ToQtAlignment(row.align));
      widget = link;
      break;
    }
    case ControlKind::kEditBox: {
      auto* box = new QLineEdit(ToQString(row.text), parent);
      box->setFrame(false);
      box->setMaxLength(std::numeric_limits<int>::max());
      box->setAlignment(ToQtAlignment(row.align));
      box->installEventFilter(this);
      box->setAccessibleDescription(BoxDescription(row.spin));
      connect(box, &QLineEdit::textChanged, this, &StartWindow::Redraw);
      auto* arrows =
          new SpinArrows([this, box](int delta) { Step(box, delta); },
                         ToQString(row.accessibleName), parent);
      arrows->setObjectName(ToQString(row.name) + QStringLiteral("Spin"));
      // The wheel over the arrows, and over either of them, steps the box.
      arrows->installEventFilter(this);
      arrows->Up()->installEventFilter(this);
      arrows->Down()->installEventFilter(this);
      arrows->setGeometry(row.left + row.width + kSpinGap, row.top, kSpinWidth,
                          row.height);
      widget = box;
      break;
    }
    case ControlKind::kCanvas:
      widget = new CanvasWidget(QSize(row.width, row.height), row.background,
                                row.textColor, row.font, parent);
      break;
  }
  widget->setObjectName(ToQString(row.name));
  widget->setAccessibleName(ToQString(row.accessibleName));
  widget->setGeometry(row.left, row.top, row.width, row.height);
  ApplyFont(widget, row);
  ApplyColours(widget, row);
  return widget;
}

// Whether the small Song text is drawn crisp depends on the screen's scale,
// so the fonts are chosen again when the window moves to another screen.
void StartWindow::ApplyFont(QWidget* widget, const ControlRow& row) const {
  if (row.font.pixels == 0) return;
  QFont font = ResolveFont(row.font, devicePixelRatioF());
  font.setUnderline(row.kind == ControlKind::kHyperlink);
  widget->setFont(font);
}

// Fonts are chosen again only when the ratio differs from the one they were
// built for; showing the window on the screen it was built for changes
// nothing.
void StartWindow::FollowScreen() {
  const qreal ratio = devicePixelRatioF();
  if (!qFuzzyCompare(ratio, fontsRatio_)) {
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
      ApplyFont(controls_[i], kLayout[i]);
    }
    fontsRatio_ = ratio;
  }
  CanvasControl()->MatchDevicePixelRatio();
}

void StartWindow::showEvent(QShowEvent* event) {
  if (QWindow* window = windowHandle(); window && !followingScreen_) {
    connect(window, &QWindow::screenChanged, this, &StartWindow::FollowScreen);
    followingScreen_ = true;
  }
  FollowScreen();
  QWidget::showEvent(event);
}

void StartWindow::UseOfficialDays(const OfficialDays& table,
                                  std::string refusal) {
  ownOfficial_.emplace(table);
  official_ = &*ownOfficial_;
  officialRefusal_ = std::move(refusal);
  todayDetails_.clear();
  if (shown_) {
    ShownMonthControls again(*shown_, *CanvasControl(), shownToday_);
    DrawMonth(again);
    DrawMarks(*shown_);
    Describe(*shown_);
  }
}

void StartWindow::RunStartUp() {
  const std::string startPage = StartPageAddress(siteHost_);
  if (openUrl_ && !startPage.empty()) openUrl_(startPage);
  const ClockReading now = clock_();
  {
    // One draw for both boxes, not one for each as it is filled.
    const QSignalBlocker quietYear(YearBox());
    const QSignalBlocker quietMonth(MonthBox());
    YearBox()->setText(QString::number(now.today.year));
    MonthBox()->setText(QString::number(now.today.month));
  }
  Redraw();
  startedUp_ = true;
  WakeAfter(now.untilNextDay);
}

// The description is made from what the draw reports, so after a failed
// check it stays with the month still on the canvas.
void StartWindow::Redraw() {
  today_ = clock_().today;
  const DrawnMonth drawn = DrawMonthAndReport(*this);
  if (!drawn.check.Passed()) return;
  DrawMarks(drawn.labels);
  shown_ = drawn.labels;
  shownToday_ = today_;
  Describe(*shown_);
}

// The marks are a layer over the month as DrawMonth drew it.
void StartWindow::DrawMarks(const MonthLabels& month) {
  DrawOfficialMarks(*CanvasControl(),
                    OfficialMarks(*official_, month.year, month.month));
}

void StartWindow::Describe(const MonthLabels& month) {
  if (todayDetails_.empty() || detailsDay_ != shownToday_) {
    todayDetails_ = SpokenDetails(shownToday_, *official_);
    detailsDay_ = shownToday_;
  }
  const QString description =
      QString::fromStdString(MonthDescription(month) + todayDetails_);
  CanvasWidget* canvas = CanvasControl();
  if (canvas->accessibleDescription() != description) {
    canvas->setAccessibleDescription(description);
  }
}

// Both boxes change before the one draw that follows them, which is the draw
// a change typed into either box makes.
void StartWindow::SetBoxes(const BoxTexts& texts) {
  const QString year = QString::fromStdString(texts.year);
  const QString month = QString::fromStdString(texts.month);
  if (YearBox()->text() == year && MonthBox()->text() == month) return;
  {
    const QSignalBlocker quietYear(YearBox());
    const QSignalBlocker quietMonth(MonthBox());
    YearBox()->setText(year);
    MonthBox()->setText(month);
  }
  Redraw();
}

void StartWindow::GoToToday() {
  const CivilDate today = clock_().today;
  SetBoxes({std::to_string(today.year), std::to_string(today.month)});
}

void StartWindow::StepMonth(int delta, StepUnit unit) {
  std::string year = YearText();
  std::string month = MonthText();
  if (!CheckBoxes(year, month).Passed() && shown_) {
    year = std::to_string(shown_->year);
    month = std::to_string(shown_->month);
  }
  SetBoxes(StepShownMonth(year, month, delta, unit));
}

void StartWindow::FollowClock() {
  const ClockReading now = clock_();
  if (shown_ && now.today != shownToday_) {
    // Only a month that holds the old or the new today looks different.
    if (InMonth(now.today, *shown_) || InMonth(shownToday_, *shown_)) {
      ShownMonthControls again(*shown_, *CanvasControl(), now.today);
      shown_ = DrawMonthAndReport(again).labels;
      DrawMarks(*shown_);
    }
    shownToday_ = now.today;
    Describe(*shown_);
  }
  WakeAfter(now.untilNextDay);
}

std::optional<int> StartWindow::DayAt(QPoint canvasPoint) const {
  if (!shown_) return std::nullopt;
  return DayUnder(*shown_, canvasPoint.x(), canvasPoint.y());
}

QString StartWindow::DetailsAt(QPoint canvasPoint) const {
  const std::optional<int> day = DayAt(canvasPoint);
  if (!day) return {};
  return QString::fromStdString(DayDetailsText(
      CnCalendar(), shown_->year, shown_->month, *day, *official_));
}

QString StartWindow::TooltipAt(QPoint canvasPoint) const {
  QString tip = DetailsAt(canvasPoint);
  if (!tip.isEmpty() && !officialRefusal_.empty()) {
    tip += QLatin1Char('\n') + QString::fromStdString(officialRefusal_);
  }
  return tip;
}

QMenu* StartWindow::ContextMenuAt(QPoint canvasPoint) {
  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("DayMenu"));
  menu->setAccessibleName(QStringLiteral("日期菜单"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (const std::optional<int> day = DayAt(canvasPoint)) {
    const QString details = DetailsAt(canvasPoint);
    const QString date = QString::fromStdString(
        DateText(ToDate({shown_->year, shown_->month, *day})));
    menu->addAction(QStringLiteral("复制详情"), this,
                    [details] { Copy(details); });
    menu->addAction(QStringLiteral("复制日期 ") + date, this,
                    [date] { Copy(date); });
    menu->addSeparator();
  }
  menu->addAction(todayAction_);
  return menu;
}

// The tooltip stays while the pointer stays over the day: its cell, or,
// where the pointer found the day by its label moved beyond the cell, that
// label.
void StartWindow::ShowDetails(const QHelpEvent& help) {
  const std::optional<int> day = DayAt(help.pos());
  tippedDay_ = day;
  if (!day) {
    QToolTip::hideText();
    return;
  }
  const CellArea cell = shown_->grid.Area(*day);
  QRect area(cell.left, cell.top, cell.width, cell.height);
  if (!area.contains(help.pos())) {
    const LabelBox label = shown_->boxes[*day - 1];
    area = QRect(label.left, shown_->grid.Cell(*day).rowTop + kLabelBelowRowTop,
                 label.width, kLabelHeight);
  }
  QToolTip::showText(help.globalPos(), TooltipAt(help.pos()), CanvasControl(),
                     area);
}

void StartWindow::WakeAfter(std::chrono::milliseconds delay) {
  const auto wait = std::clamp<std::chrono::milliseconds>(
      delay, kLeastWake, std::chrono::hours(25));
  dayTimer_.start(wait);
}

std::string StartWindow::YearText() const {
  return YearBox()->text().toStdString();
}

std::string StartWindow::MonthText() const {
  return MonthBox()->text().toStdString();
}

// The title line's name says what it is; its description, what it shows.
void StartWindow::SetTitle(std::string_view text) {
  const QString title = ToQString(text);
  TitleLabel()->setText(title);
  TitleLabel()->setAccessibleDescription(title);
}

Canvas& StartWindow::DrawingCanvas() { return *CanvasControl(); }

CivilDate StartWindow::Today() const { return today_; }

QWidget* StartWindow::Control(std::string_view name) const {
  const std::size_t index = RowIndex(name);
  return index < controls_.size() ? controls_[index] : nullptr;
}

QLineEdit* StartWindow::YearBox() const {
  return static_cast<QLineEdit*>(Control("EditBox1"));
}

QLineEdit* StartWindow::MonthBox() const {
  return static_cast<QLineEdit*>(Control("EditBox2"));
}

QLabel* StartWindow::TitleLabel() const {
  return static_cast<QLabel*>(Control("Label4"));
}

CanvasWidget* StartWindow::CanvasControl() const {
  return static_cast<CanvasWidget*>(Control("Canvas1"));
}

SpinArrows* StartWindow::SpinFor(const QLineEdit* box) const {
  return box->parentWidget()->findChild<SpinArrows*>(
      box->objectName() + QStringLiteral("Spin"), Qt::FindDirectChildrenOnly);
}

// Waking from sleep, or after the clock or the time zone changed, the
// window is activated again before anyone looks at it.
bool StartWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && startedUp_) FollowClock();
  return QWidget::event(event);
}

bool StartWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (auto* box = qobject_cast<QLineEdit*>(watched)) {
        if (KeyInBox(box, *static_cast<QKeyEvent*>(event))) return true;
      }
      break;
    case QEvent::Wheel:
      if (Wheel(watched, *static_cast<QWheelEvent*>(event))) return true;
      break;
    case QEvent::ToolTip:
      if (watched == CanvasControl()) {
        ShowDetails(*static_cast<QHelpEvent*>(event));
        return true;
      }
      break;
    case QEvent::MouseMove:
      // Onto another day, or off the days: the tooltip goes, and resting
      // there brings the next.
      if (watched == CanvasControl() && tippedDay_ && QToolTip::isVisible() &&
          DayAt(static_cast<QMouseEvent*>(event)->position().toPoint()) !=
              tippedDay_) {
        QToolTip::hideText();
        tippedDay_.reset();
      }
      break;
    case QEvent::ContextMenu:
      if (watched == CanvasControl()) {
        const auto* click = static_cast<QContextMenuEvent*>(event);
        ContextMenuAt(click->pos())->popup(click->globalPos());
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// The arrow keys step the box like its arrows do; PageUp and PageDown move a
// month back or forward, and with Ctrl a year.
bool StartWindow::KeyInBox(QLineEdit* box, const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      Step(box, key.key() == Qt::Key_Up ? +1 : -1);
      return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      StepMonth(key.key() == Qt::Key_PageUp ? -1 : +1,
                key.modifiers().testFlag(Qt::ControlModifier)
                    ? StepUnit::kYear
                    : StepUnit::kMonth);
      return true;
    default:
      return false;
  }
}

// Over a box or its arrows, a notch away from the user steps the box up, as
// its up arrow does. Over the month, a notch towards the user goes a month
// on, as the page goes on below.
bool StartWindow::Wheel(QObject* watched, const QWheelEvent& wheel) {
  const int turn = wheel.angleDelta().y();
  for (QLineEdit* box : {YearBox(), MonthBox()}) {
    const SpinArrows* arrows = SpinFor(box);
    if (watched == box || watched == arrows || watched == arrows->Up() ||
        watched == arrows->Down()) {
      WheelNotches& wheelOfBox = box == YearBox() ? yearWheel_ : monthWheel_;
      if (const int notches = wheelOfBox.Add(turn)) Step(box, notches);
      return true;
    }
  }
  if (watched == CanvasControl()) {
    if (const int notches = canvasWheel_.Add(turn)) {
      StepMonth(-notches, StepUnit::kMonth);
    }
    return true;
  }
  return false;
}

void StartWindow::Step(QLineEdit* box, int delta) {
  const SpinRange range = RowOf(box->objectName().toStdString()).spin;
  box->setText(QString::fromStdString(
      SpinStep(box->text().toStdString(), delta, range.lo, range.hi)));
}

}  // namespace quillet::ui
