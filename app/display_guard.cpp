#include "app/display_guard.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace quillet::app {
namespace {

QtMessageHandler toolkitHandler = nullptr;
QStringList held;

// What the toolkit says, as its fatal message, when no platform could be
// started: the display is missing, refused, or of a kind it cannot drive.
bool NoPlatform(const QString& message) {
  return message.contains(QLatin1String("platform plugin"));
}

void Hold(QtMsgType type, const QMessageLogContext& context,
          const QString& message) {
  if (type == QtFatalMsg && NoPlatform(message)) {
    const std::string line = NoDisplayMessage(std::getenv("DISPLAY"));
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(kNoDisplayExit);
  }
  if (type == QtFatalMsg) {
    // Not the display: the toolkit's own way out, which aborts.
    if (toolkitHandler) {
      toolkitHandler(type, context, message);
    } else {
      std::fputs(qPrintable(qFormatLogMessage(type, context, message) + '\n'),
                 stderr);
    }
    return;
  }
  held.append(qFormatLogMessage(type, context, message));
}

}  // namespace

std::string NoDisplayMessage(const char* display) {
  const std::string which = display == nullptr || *display == '\0'
                                ? std::string("DISPLAY is not set")
                                : "DISPLAY=" + std::string(display);
  return "quillet: cannot open a display (" + which +
         "); run it in a desktop session, or without one as: xvfb-run "
         "quillet\n";
}

DisplayGuard::DisplayGuard() { toolkitHandler = qInstallMessageHandler(Hold); }

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(toolkitHandler);
  for (const QString& message : held) {
    std::fputs(qPrintable(message + '\n'), stderr);
  }
  held.clear();
}

}  // namespace quillet::app
