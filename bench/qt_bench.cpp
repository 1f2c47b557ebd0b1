// The window's share of a keystroke: one month drawn into the real canvas
// picture (Qt's raster text on the offscreen platform), averaged over many
// months; and the same through the boxes, as typing does it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "monthview/month_view.h"
#include "ui/start_window.h"

namespace quillet::ui {
namespace {

QApplication& App() {
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillet-qt-bench";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  return *app;
}

constexpr int kFirstYear = 1902;
constexpr int kYears = 146;
constexpr CivilDate kToday{2024, 3, 15};

// The window's canvas, with the boxes' texts given directly.
class CanvasControls : public MonthViewControls {
 public:
  explicit CanvasControls(Canvas& canvas) : canvas_(canvas) {}
  std::string YearText() const override { return year; }
  std::string MonthText() const override { return month; }
  void SetTitle(std::string_view text) override {
    benchmark::DoNotOptimize(text.size());
  }
  Canvas& DrawingCanvas() override { return canvas_; }
  CivilDate Today() const override { return kToday; }

  std::string year, month;

 private:
  Canvas& canvas_;
};

// DrawMonth into the CanvasWidget's picture; the months run through the
// whole range, a different year each time.
void BM_DrawMonthIntoCanvas(benchmark::State& state) {
  App();
  StartWindow window([] { return kToday; }, [](const std::string&) {});
  CanvasControls controls(*window.CanvasControl());
  int i = 0;
  for (auto _ : state) {
    controls.year = std::to_string(kFirstYear + (i * 7) % kYears);
    controls.month = std::to_string(1 + i % 12);
    DrawMonth(controls);
    benchmark::DoNotOptimize(window.CanvasControl()->Picture().constBits());
    ++i;
  }
}
BENCHMARK(BM_DrawMonthIntoCanvas)->Unit(benchmark::kMicrosecond);

// One text change of a box: the window's whole redraw (checks, title line,
// canvas, the canvas's spoken description). Year and month box take turns,
// so every change shows another month.
void BM_RedrawAfterTyping(benchmark::State& state) {
  App();
  StartWindow window([] { return kToday; }, [](const std::string&) {});
  window.RunStartUp();
  int i = 0;
  for (auto _ : state) {
    if (i % 2 == 0) {
      window.YearBox()->setText(QString::number(kFirstYear + (i * 7) % kYears));
    } else {
      window.MonthBox()->setText(QString::number(1 + (i / 2) % 12));
    }
    benchmark::DoNotOptimize(window.CanvasControl()->Picture().constBits());
    ++i;
  }
}
BENCHMARK(BM_RedrawAfterTyping)->Unit(benchmark::kMicrosecond);

// Resting the pointer on a day: the day under the point and its details,
// the tooltip's text; the canvas is not drawn. The points walk over every
// cell of the month shown, empty ones included.
void BM_DetailsUnderPointer(benchmark::State& state) {
  App();
  StartWindow window([] { return kToday; }, [](const std::string&) {});
  window.RunStartUp();
  int i = 0;
  for (auto _ : state) {
    const QPoint at(5 + (i * 37) % 430, 5 + (i * 23) % 265);
    benchmark::DoNotOptimize(window.DetailsAt(at).size());
    ++i;
  }
}
BENCHMARK(BM_DetailsUnderPointer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet::ui
