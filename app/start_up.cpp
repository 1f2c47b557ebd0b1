#include "app/start_up.h"

#include <QApplication>
#include <QTimer>

#include "ui/system_services.h"

namespace quillet::app {

LoadedOfficialDays LoadOfficialDaysOfThisUser() {
  return LoadOfficialDays(ProcessEnvironment);
}

int RunWindow(const StartUpHooks& hooks) {
  ui::StartWindow window(
      hooks.clock ? hooks.clock : ui::StartWindow::Clock(ui::SystemClock),
      hooks.openUrl ? hooks.openUrl
                    : ui::StartWindow::UrlOpener(ui::OpenUrlDetached));
  if (hooks.officialDays) {
    window.UseOfficialDays(hooks.officialDays->table,
                           hooks.officialDays->refusal);
  }
  if (hooks.beforeShow) hooks.beforeShow(window);
  window.show();
  QTimer::singleShot(0, &window, [&] {
    window.RunStartUp();
    if (hooks.afterStartUp) hooks.afterStartUp(window);
  });
  return QApplication::exec();
}

}  // namespace quillet::app
