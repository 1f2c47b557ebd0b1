#include "ui/start_window.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPalette>
#include <QSignalBlocker>
#include <QWindow>
#include <limits>
#include <utility>

#include "monthview/input.h"
#include "monthview/month_description.h"
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

void StartWindow::RunStartUp() {
  const std::string startPage = StartPageAddress(siteHost_);
  if (openUrl_ && !startPage.empty()) openUrl_(startPage);
  const CivilDate today = clock_();
  {
    // One draw for both boxes, not one for each as it is filled.
    const QSignalBlocker quietYear(YearBox());
    const QSignalBlocker quietMonth(MonthBox());
    YearBox()->setText(QString::number(today.year));
    MonthBox()->setText(QString::number(today.month));
  }
  Redraw();
}

// The description is made from what the draw reports, so after a failed
// check it stays with the month still on the canvas.
void StartWindow::Redraw() {
  const DrawnMonth drawn = DrawMonthAndReport(*this);
  if (!drawn.check.Passed()) return;
  const QString description =
      QString::fromStdString(MonthDescription(drawn.labels));
  CanvasWidget* canvas = CanvasControl();
  if (canvas->accessibleDescription() != description) {
    canvas->setAccessibleDescription(description);
  }
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

CivilDate StartWindow::Today() const { return clock_(); }

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

// The arrow keys in a box step it like its arrows do.
bool StartWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(static_cast<QLineEdit*>(watched), key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void StartWindow::Step(QLineEdit* box, int delta) {
  const SpinRange range = RowOf(box->objectName().toStdString()).spin;
  box->setText(QString::fromStdString(
      SpinStep(box->text().toStdString(), delta, range.lo, range.hi)));
}

}  // namespace quillet::ui
