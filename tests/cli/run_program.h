// Runs a built program as a user or a script runs it: its standard output,
// standard error and exit status.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace quillet::tests {

struct Outcome {
  int status = -1;
  std::string out, err;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream file{path, std::ios::binary};
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The SOURCE_DATE_EPOCH the tests write with: 2023-11-14 22:13:20 UTC.
inline constexpr const char* kTestEpoch = "1700000000";

struct RunOptions {
  // SOURCE_DATE_EPOCH for the program, or none at all.
  std::optional<std::string> sourceDateEpoch = kTestEpoch;
  // Standard output to /dev/full, where every write fails with ENOSPC.
  bool fullOutput = false;
};

// Runs `command` (the program first), standard output and error into
// scratch files read back into the Outcome.
inline Outcome Run(std::vector<std::string> command, RunOptions options = {}) {
  static int runs = 0;
  const std::string scratch = ::testing::TempDir() + "quillet_run_" +
                              std::to_string(::getpid()) + "_" +
                              std::to_string(++runs) + "_";
  const std::string outPath = scratch + "out";
  const std::string errPath = scratch + "err";
  std::vector<char*> argv;
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    if (options.sourceDateEpoch) {
      ::setenv("SOURCE_DATE_EPOCH", options.sourceDateEpoch->c_str(), 1);
    } else {
      ::unsetenv("SOURCE_DATE_EPOCH");
    }
    const int out =
        options.fullOutput
            ? ::open("/dev/full", O_WRONLY)
            : ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) {
      std::_Exit(127);
    }
    ::execv(argv[0], argv.data());
    std::_Exit(127);
  }
  Outcome outcome;
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return outcome;
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.out = ReadFile(outPath);
  outcome.err = ReadFile(errPath);
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  return outcome;
}

}  // namespace quillet::tests
