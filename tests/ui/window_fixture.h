// A real StartWindow on Qt's offscreen platform, with a fixed clock, a URL
// opener that only records what it was asked to open, and a site whatever
// the build was configured with.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <string>
#include <vector>

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

struct AppHolder {
  AppHolder() { TestApp(); }
};

class WindowTest : public ::testing::Test, private AppHolder {
 protected:
  CivilDate today{2024, 3, 15};
  std::vector<std::string> opened;
  StartWindow window{[this] { return today; },
                     [this](const std::string& url) { opened.push_back(url); },
                     "example.org"};

  QImage Picture() const { return window.CanvasControl()->Picture().copy(); }
};

inline constexpr char kYearMessage[] = "※※ 年份应在1902-2047之间 ※※";
inline constexpr char kMonthMessage[] = "※※ 月份数应在 1-12 之间　※※";

}  // namespace quillet::ui::testing
