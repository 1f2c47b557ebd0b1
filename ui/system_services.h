// What the window needs from the machine: today's date and a way to open a web
// page. The window takes both as arguments, so tests can hand it their own.
#pragma once

#include <string>

#include "monthview/month_view.h"

namespace quillet::ui {

// The author's site, and the page opened at start-up.
std::string SiteAddress();       // "https://<host>"
std::string StartPageAddress();  // "https://<host>/tc2.htm"

// Today by the local clock.
CivilDate SystemToday();

// Opens `url` in the user's browser without waiting; failures stay silent.
// On Windows through the command interpreter ("cmd /c start <url>"), elsewhere
// through the desktop's opener (xdg-open, or open on macOS).
void OpenUrlDetached(const std::string& url);

}  // namespace quillet::ui
