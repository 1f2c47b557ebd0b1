// Quillet's entry: show the window, then do the start-up work once the event
// loop runs; closing the window ends the program.
#include <QApplication>
#include <QTimer>

#include "ui/start_window.h"
#include "ui/system_services.h"

#ifdef QUILLET_STARTUP_PROBE
#include <QEvent>

namespace {

// Built only into quillet_startup_probe, which the start-up benchmark times:
// the program ends once the canvas has painted the month that start-up drew.
class QuitAfterFirstPaint : public QObject {
 public:
  bool startedUp = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (startedUp && event->type() == QEvent::Paint) {
      // Queued, so this paint is finished first.
      QMetaObject::invokeMethod(qApp, &QCoreApplication::quit,
                                Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace
#endif

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quillet::ui::StartWindow window(quillet::ui::SystemToday,
                                  quillet::ui::OpenUrlDetached);
#ifdef QUILLET_STARTUP_PROBE
  QuitAfterFirstPaint probe;
  window.CanvasControl()->installEventFilter(&probe);
#endif
  window.show();
  QTimer::singleShot(0, &window, [&] {
    window.RunStartUp();
#ifdef QUILLET_STARTUP_PROBE
    probe.startedUp = true;
#endif
  });
  return QApplication::exec();
}
