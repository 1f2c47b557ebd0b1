// Where there is no display to open, the toolkit ends the process from
// inside the application's constructor with an abort, several lines of its
// own and a core dump. The guard stands by while the application is built:
// then that end is one line on standard error that says how to run the
// program, and exit status 1.
#pragma once

#include <string>

namespace quillet::app {

inline constexpr int kNoDisplayExit = 1;

// The line for a display named `display` (the value of DISPLAY, or null when
// it is not set).
std::string NoDisplayMessage(const char* display);

class DisplayGuard {
 public:
  // Holds the toolkit's messages from now on.
  DisplayGuard();
  // Prints the messages held, in order, and gives them back to the toolkit.
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace quillet::app
