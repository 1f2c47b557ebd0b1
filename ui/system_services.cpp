#include "ui/system_services.h"

#include <QDate>
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

CivilDate SystemToday() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
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
