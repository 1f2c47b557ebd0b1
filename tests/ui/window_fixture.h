// A real StartWindow on Qt's offscreen platform, with a fixed clock, a URL
// opener that only records what it was asked to open, and a site whatever
// the build was configured with.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/box_model.h"
#include "tools/type_keys.h"
#include "ui/start_window.h"

namespace quillet::ui::testing {

// The one QApplication of a test program; `scale` (QT_SCALE_FACTOR) counts
// only on the first call.
inline QApplication& TestApp(const char* scale = "1") {
  static QApplication* app = [scale] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", scale);
    static int argc = 1;
    static char name[] = "quillet-ui-test";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  return *app;
}

using quillet::tools::Retype;

// Whether a spoken description names every day of `month` of `year`, from
// "M月1日" to its last, one by one.
inline bool DescribesMonth(const QString& description, int year, int month) {
  namespace chr = std::chrono;
  const auto days = static_cast<int>(static_cast<unsigned>(
      (chr::year{year} / chr::month{static_cast<unsigned>(month)} / chr::last)
          .day()));
  return description.startsWith(QStringLiteral("%1月1日 ").arg(month)) &&
         description.contains(
             QStringLiteral("；%1月%2日 ").arg(month).arg(days)) &&
         description.count(QStringLiteral("；")) == days - 1;
}

// The points of `area` where `hit(point)` holds: how many, and the smallest
// rectangle that holds them all.
struct Hits {
  int count = 0;
  QRect bounds;
};
template <class Hit>
Hits Find(const QRect& area, Hit hit) {
  Hits found;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (hit(QPoint(x, y))) {
        ++found.count;
        found.bounds |= QRect(x, y, 1, 1);
      }
    }
  }
  return found;
}

// Whether two drawings of the canvas show the same: the smoothed edges of
// the large watermark can come out a shade apart from one drawing of the
// same text to the next, so pixels may differ by that much.
inline constexpr int kWatermarkShade = 8;
inline bool ShadeApart(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > kWatermarkShade ||
         std::abs(qGreen(a) - qGreen(b)) > kWatermarkShade ||
         std::abs(qBlue(a) - qBlue(b)) > kWatermarkShade;
}
// The part of `before` that `after` shows differently, by more than that.
inline QRect Changed(const QImage& before, const QImage& after) {
  const auto apart = [&](QPoint p) {
    return ShadeApart(before.pixel(p), after.pixel(p));
  };
  return Find(before.rect(), apart).bounds;
}
inline bool LooksSame(const QImage& a, const QImage& b) {
  return a.size() == b.size() && Changed(a, b).isEmpty();
}

inline std::string Title(const StartWindow& window) {
  return window.TitleLabel()->text().toStdString();
}

struct AppHolder {
  AppHolder() { TestApp(); }
};

class WindowTest : public ::testing::Test, private AppHolder {
 protected:
  CivilDate today{2024, 3, 15};
  std::chrono::milliseconds untilNextDay = std::chrono::hours(9);
  std::vector<std::string> opened;
  StartWindow window{[this] { return ClockReading(today, untilNextDay); },
                     [this](const std::string& url) { opened.push_back(url); },
                     "example.org"};

  QImage Picture() const { return window.CanvasControl()->Picture().copy(); }
  // Another window on the same clock and opener, for `site`.
  std::unique_ptr<StartWindow> Another(std::string site = "example.org") {
    return std::make_unique<StartWindow>(
        [this] { return ClockReading(today, untilNextDay); },
        [this](const std::string& url) { opened.push_back(url); },
        std::move(site));
  }
};

using quillet::testing::ExpectedOutcome;
using quillet::testing::ExpectedTitle;
using quillet::testing::kMonthMessage;
using quillet::testing::kYearMessage;
using quillet::testing::Outcome;
using quillet::testing::Stepped;

}  // namespace quillet::ui::testing
