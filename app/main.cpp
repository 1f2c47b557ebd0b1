// Quillet's entry: show the window, then do the start-up work once the event
// loop runs; closing the window ends the program. Where no display can be
// opened, one line says so and the program ends with status 1.
#include <QApplication>
#include <optional>

#include "app/display_guard.h"
#include "app/start_up.h"

int main(int argc, char* argv[]) {
  std::optional<QApplication> app;
  {
    const quillet::app::DisplayGuard guard;
    app.emplace(argc, argv);
  }
  return quillet::app::RunWindow();
}
