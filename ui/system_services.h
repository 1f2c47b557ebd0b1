// What the window needs from the machine: today's date and a way to open a web
// page. The window takes both as arguments, so tests can hand it their own.
#pragma once

#include <chrono>
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

// What the window reads from the clock: the local date, and how long until
// the next local day begins (the next midnight, however long the day is
// where the clocks change). A date alone reads as a day that begins now and
// ends a whole day later.
struct ClockReading {
  ClockReading(CivilDate date,
               std::chrono::milliseconds untilNext = std::chrono::hours(24))
      : today(date), untilNextDay(untilNext) {}
  CivilDate today;
  std::chrono::milliseconds untilNextDay;
};

// The local clock.
ClockReading SystemClock();

// Opens `url` in the user's browser without waiting; failures stay silent.
// On Windows through the command interpreter ("cmd /c start <url>"),
// elsewhere through the desktop's own way of opening an address, which
// follows the user's choice of browser and the sandbox's portal.
void OpenUrlDetached(const std::string& url);

}  // namespace quillet::ui
