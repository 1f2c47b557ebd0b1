// The program's own start-up, ending once the canvas has painted the month
// that start-up drew: what the start-up benchmark spawns and times. Never
// installed.
#include <QApplication>
#include <QEvent>

#include "app/start_up.h"

namespace {

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

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QuitAfterFirstPaint probe;
  return quillet::app::RunWindow(
      {.beforeShow =
           [&](quillet::ui::StartWindow& window) {
             window.CanvasControl()->installEventFilter(&probe);
           },
       .afterStartUp =
           [&](quillet::ui::StartWindow&) { probe.startedUp = true; }});
}
