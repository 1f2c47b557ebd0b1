#include "ui/system_services.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#if defined(Q_OS_WIN)
#include <QProcess>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace quillet::ui {

std::string_view ConfiguredSiteHost() { return QUILLET_SITE_HOST; }

std::string SiteAddress(std::string_view host) {
  return host.empty() ? "" : "https://" + std::string(host);
}

std::string StartPageAddress(std::string_view host) {
  return host.empty() ? "" : SiteAddress(host) + "/tc2.htm";
}

ClockReading SystemClock() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate today = now.date();
  // Where the clocks go forward at midnight, the next day begins at the
  // first moment that exists, not at 00:00.
  const QDateTime nextDay = today.addDays(1).startOfDay();
  return {{today.year(), today.month(), today.day()},
          std::chrono::milliseconds(now.msecsTo(nextDay))};
}

void OpenUrlDetached(const std::string& url) {
  const QString address = QString::fromStdString(url);
  // Whether a browser came up is not the program's concern.
#if defined(Q_OS_WIN)
  static_cast<void>(QProcess::startDetached(
      QStringLiteral("cmd"),
      {QStringLiteral("/c"), QStringLiteral("start"), address}));
#else
  static_cast<void>(QDesktopServices::openUrl(QUrl(address)));
#endif
}

}  // namespace quillet::ui
