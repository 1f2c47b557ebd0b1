// Quillet's entry: show the window, then do the start-up work once the event
// loop runs; closing the window ends the program.
#include <QApplication>

#include "app/start_up.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  return quillet::app::RunWindow();
}
