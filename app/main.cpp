// Quillet's entry: show the window, then do the start-up work once the event
// loop runs; closing the window ends the program. Where no display can be
// opened, one line says so and the program ends with status 1. Where the
// user's file of later notices of 休 and 班 is refused, one line on standard
// error says why, and the window tells it under every day's details.
#include <QApplication>
#include <cstdio>
#include <optional>

#include "app/display_guard.h"
#include "app/start_up.h"

int main(int argc, char* argv[]) {
  std::optional<QApplication> app;
  {
    const quillet::app::DisplayGuard guard;
    app.emplace(argc, argv);
  }
  quillet::LoadedOfficialDays official =
      quillet::app::LoadOfficialDaysOfThisUser();
  if (!official.refusal.empty()) {
    std::fprintf(stderr, "quillet: %s\n", official.refusal.c_str());
  }
  return quillet::app::RunWindow({.officialDays = std::move(official)});
}
