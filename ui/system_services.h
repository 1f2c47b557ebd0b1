// What the window needs from the machine: today's date and a way to open a web
// page. The window takes both as arguments, so tests can hand it their own.
#pragma once

#include <string>
#include <string_view>

#include "monthview/month_view.h"

namespace quillet::ui {

// The host of the author's site as the program was configured, or "" when
// it has none.
std::string_view ConfiguredSiteHost();

// The site's address and the page opened at start-up; "" for no host.
std::string SiteAddress(std::string_view host);  // "https://<host>"
std::string StartPageAddress(
    std::string_view host);  // "https://<host>/tc2.htm"

// Today by the local clock.
CivilDate SystemToday();

// Opens `url` in the user's browser without waiting; failures stay silent.
// On Windows through the command interpreter ("cmd /c start <url>"),
// elsewhere through the desktop's own way of opening an address, which
// follows the user's choice of browser and the sandbox's portal.
void OpenUrlDetached(const std::string& url);

}  // namespace quillet::ui
