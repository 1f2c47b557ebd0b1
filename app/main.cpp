// Quillet's entry: show the window, then do the start-up work once the event
// loop runs; closing the window ends the program.
#include <QApplication>
#include <QTimer>

#include "ui/start_window.h"
#include "ui/system_services.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quillet::ui::StartWindow window(quillet::ui::SystemToday,
                                  quillet::ui::OpenUrlDetached);
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.RunStartUp(); });
  return QApplication::exec();
}
