// Started where no display can be opened, quillet says so in one line on
// standard error, with how to run it, and exits with status 1: no abort, no
// core dump, nothing from the toolkit.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Ended {
  int status;  // as wait() reports it
  std::string out, err;
};

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The program under `env`, with DISPLAY and WAYLAND_DISPLAY taken away
// first, and a runtime folder of its own, where no desktop's sockets are;
// `timeout` ends it should a window open after all.
Ended RunQuillet(const std::string& env) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("quillet-no-display-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string command =
      "cd '" + dir.string() +
      "' && env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE " + env +
      " XDG_RUNTIME_DIR='" + dir.string() +
      "' timeout 30 '" QUILLET_PROGRAM_PATH "' >out 2>err </dev/null";
  const int status = std::system(command.c_str());
  Ended run{status, Slurp(dir / "out"), Slurp(dir / "err")};
  std::filesystem::remove_all(dir);
  return run;
}

TEST(NoDisplayTest, OneLineAndStatusOne) {
  const struct {
    const char* what;
    std::string env;
    std::string line;
  } cases[] = {
      {"no display at all", "-u QT_QPA_PLATFORM",
       "quillet: cannot open a display (DISPLAY is not set); run it in a "
       "desktop session, or without one as: xvfb-run quillet\n"},
      {"a display nobody serves", "QT_QPA_PLATFORM=xcb DISPLAY=:4711",
       "quillet: cannot open a display (DISPLAY=:4711); run it in a desktop "
       "session, or without one as: xvfb-run quillet\n"},
      {"a kind of display there is none of",
       "QT_QPA_PLATFORM=no-such-platform DISPLAY=:4711",
       "quillet: cannot open a display (DISPLAY=:4711); run it in a desktop "
       "session, or without one as: xvfb-run quillet\n"},
      {"an empty DISPLAY", "-u QT_QPA_PLATFORM DISPLAY=",
       "quillet: cannot open a display (DISPLAY is not set); run it in a "
       "desktop session, or without one as: xvfb-run quillet\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Ended run = RunQuillet(c.env);
    ASSERT_TRUE(WIFEXITED(run.status)) << "ended by a signal";
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    EXPECT_EQ(run.err, c.line);
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
