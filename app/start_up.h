// The program's start-up: the window on the system's clock and browser,
// shown, and its start-up work run once the event loop turns. The program's
// entry calls it; so does the start-up probe that the benchmark times, through
// the two hooks.
#pragma once

#include <functional>
#include <optional>

#include "monthview/official_days_file.h"
#include "ui/start_window.h"

namespace quillet::app {

struct StartUpHooks {
  // Today's date and the opener of web pages: the system's unless given.
  ui::StartWindow::Clock clock = {};
  ui::StartWindow::UrlOpener openUrl = {};
  // The window, built and not yet shown.
  std::function<void(ui::StartWindow&)> beforeShow = {};
  // The window again, right after its start-up work ran.
  std::function<void(ui::StartWindow&)> afterStartUp = {};
  // The arrangements of 休 and 班 the window tells: the built-in table
  // unless given.
  std::optional<LoadedOfficialDays> officialDays = std::nullopt;
};

// The built-in table and the user's file of later notices, looked for where
// the process's environment says.
LoadedOfficialDays LoadOfficialDaysOfThisUser();

// Builds and shows the window, queues its start-up work and runs the event
// loop until the window closes; returns the loop's exit code. The
// QApplication must exist.
int RunWindow(const StartUpHooks& hooks = {});

}  // namespace quillet::app
