#include "ui/system_services.h"

#include <QDate>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "ui/layout.h"

namespace quillet::ui {

std::string SiteAddress() { return "https://" + std::string(kSiteHost); }

std::string StartPageAddress() { return SiteAddress() + "/tc2.htm"; }

CivilDate SystemToday() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

void OpenUrlDetached(const std::string& url) {
  const QString address = QString::fromStdString(url);
#if defined(Q_OS_WIN)
  const QString program = QStringLiteral("cmd");
  const QStringList arguments{QStringLiteral("/c"), QStringLiteral("start"),
                              address};
#elif defined(Q_OS_MACOS)
  const QString program = QStringLiteral("open");
  const QStringList arguments{address};
#else
  const QString program = QStringLiteral("xdg-open");
  const QStringList arguments{address};
#endif
  // Whether a browser came up is not the program's concern.
  static_cast<void>(QProcess::startDetached(program, arguments));
}

}  // namespace quillet::ui
