// quillet-snapshot: renders the real window offscreen and saves it as a PNG.
//
//   quillet-snapshot --year TEXT --month TEXT --today YYYY-MM-DD
//                    --out FILE.png [--scale S] [--hover DAY]
//
// The start-up work runs with the given today (and opens no web page); then
// the year box and the month box are retyped key by key, as a user would.
// With --hover, the pointer then rests on day DAY of the month shown, and
// the picture holds the window with the tooltip over it.
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QStringView>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "tools/type_keys.h"
#include "ui/start_window.h"

namespace {

constexpr int kUsageExit = 2;

struct Options {
  std::string year, month, out;
  quillet::CivilDate today{};
  std::string scale = "1";
  int hover = 0;  // a day of the month shown, or 0
};

void PrintUsage() {
  std::fputs(
      "usage: quillet-snapshot --year TEXT --month TEXT --today YYYY-MM-DD "
      "--out FILE.png [--scale S] [--hover DAY]\n",
      stderr);
}

std::optional<int> ReadInt(std::string_view text) {
  int value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// A real calendar date written YYYY-MM-DD.
std::optional<quillet::CivilDate> ReadDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  const auto year = ReadInt(text.substr(0, 4));
  const auto month = ReadInt(text.substr(5, 2));
  const auto day = ReadInt(text.substr(8, 2));
  if (!year || !month || !day) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(*month),
                                         std::chrono::day(*day)};
  if (!date.ok()) return std::nullopt;
  return quillet::CivilDate{*year, *month, *day};
}

bool IsScale(const std::string& text) {
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() &&
         value >= 0.25 && value <= 8;
}

std::optional<Options> ReadOptions(int argc, char* argv[]) {
  Options options;
  bool haveYear = false, haveMonth = false, haveToday = false;
  for (int i = 1; i < argc; i += 2) {
    const std::string_view flag = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    const std::string value = argv[i + 1];
    if (flag == "--year") {
      options.year = value;
      haveYear = true;
    } else if (flag == "--month") {
      options.month = value;
      haveMonth = true;
    } else if (flag == "--today") {
      const auto today = ReadDate(value);
      if (!today) return std::nullopt;
      options.today = *today;
      haveToday = true;
    } else if (flag == "--out") {
      options.out = value;
    } else if (flag == "--hover") {
      const auto day = ReadInt(value);
      if (!day || *day < 1 || *day > 31) return std::nullopt;
      options.hover = *day;
    } else if (flag == "--scale") {
      if (!IsScale(value)) return std::nullopt;
      options.scale = value;
    } else {
      return std::nullopt;
    }
  }
  if (!haveYear || !haveMonth || !haveToday || options.out.empty()) {
    return std::nullopt;
  }
  return options;
}

// Rests the pointer on the middle of the day's number, as the toolkit would
// report it, and returns the window with the tooltip drawn where it stands;
// a null picture where the month shown has no such day or no tip came up.
QPixmap WithTooltip(quillet::ui::StartWindow& window, int day) {
  const auto& shown = window.ShownMonth();
  if (!shown || day > shown->grid.daysInMonth) return {};
  const quillet::CellPoint cell = shown->grid.Cell(day);
  quillet::ui::CanvasWidget* canvas = window.CanvasControl();
  const QPoint at(cell.cellX, cell.rowTop + 12);
  QHelpEvent rest(QEvent::ToolTip, at, canvas->mapToGlobal(at));
  QApplication::sendEvent(canvas, &rest);
  QApplication::processEvents();
  QWidget* tip = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->inherits("QTipLabel") && widget->isVisible()) tip = widget;
  }
  if (tip == nullptr) return {};
  const QRect windowArea(window.mapToGlobal(QPoint(0, 0)), window.size());
  const QRect tipArea = tip->geometry();
  const QRect whole = windowArea | tipArea;
  const QPixmap windowShot = window.grab();
  QPixmap picture(whole.size() * windowShot.devicePixelRatio());
  picture.setDevicePixelRatio(windowShot.devicePixelRatio());
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawPixmap(windowArea.topLeft() - whole.topLeft(), windowShot);
  painter.drawPixmap(tipArea.topLeft() - whole.topLeft(), tip->grab());
  painter.end();
  return picture;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::optional<Options> options = ReadOptions(argc, argv);
  if (!options) {
    PrintUsage();
    return kUsageExit;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(options->scale));
  int qtArgc = 1;
  QApplication app(qtArgc, argv);

  const quillet::CivilDate today = options->today;
  quillet::ui::StartWindow window([today] { return today; },
                                  [](const std::string&) {});
  window.show();
  QApplication::processEvents();
  window.RunStartUp();
  quillet::tools::Retype(window.YearBox(),
                         QString::fromStdString(options->year));
  quillet::tools::Retype(window.MonthBox(),
                         QString::fromStdString(options->month));
  window.MonthBox()->clearFocus();  // no text cursor in the picture
  QApplication::processEvents();

  QPixmap picture = window.grab();
  if (options->hover != 0) {
    picture = WithTooltip(window, options->hover);
    if (picture.isNull()) {
      std::fprintf(stderr, "quillet-snapshot: no day %d in the month shown\n",
                   options->hover);
      return kUsageExit;
    }
  }
  if (!picture.save(QString::fromStdString(options->out), "PNG")) {
    std::fprintf(stderr, "quillet-snapshot: cannot write %s\n",
                 options->out.c_str());
    return 1;
  }
  return 0;
}
