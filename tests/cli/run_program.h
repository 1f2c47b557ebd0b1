// Runs a built program as a user or a script runs it: its standard input
// from a given text, its standard output, standard error and exit status.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
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

// Where the program's standard output goes.
enum class Sink {
  kFile,        // a scratch file, read back into Outcome::out
  kFullDevice,  // /dev/full: every write fails with ENOSPC
  kClosedPipe,  // a pipe whose reading end is already closed
  kClosed,      // no descriptor 1 at all
};

struct RunOptions {
  // SOURCE_DATE_EPOCH for the program, or none at all.
  std::optional<std::string> sourceDateEpoch = kTestEpoch;
  Sink output = Sink::kFile;
  std::string input{};  // all of standard input
};

// Runs `command` (the program first), standard input from a scratch file,
// standard output and error into scratch files read back into the Outcome.
inline Outcome Run(std::vector<std::string> command, RunOptions options = {}) {
  static int runs = 0;
  const std::string scratch = ::testing::TempDir() + "quillet_run_" +
                              std::to_string(::getpid()) + "_" +
                              std::to_string(++runs) + "_";
  const std::string inPath = scratch + "in";
  const std::string outPath = scratch + "out";
  const std::string errPath = scratch + "err";
  std::ofstream{inPath, std::ios::binary} << options.input;
  std::vector<char*> argv;
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);
  int pipeEnds[2] = {-1, -1};
  if (options.output == Sink::kClosedPipe && ::pipe(pipeEnds) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    // No file of later notices: neither the home directory's nor the
    // system's is read, so the answers are the built-in table's.
    const std::string noData = ::testing::TempDir() + "quillet_no_data";
    ::setenv("XDG_DATA_HOME", noData.c_str(), 1);
    ::setenv("XDG_DATA_DIRS", noData.c_str(), 1);
    if (options.sourceDateEpoch) {
      ::setenv("SOURCE_DATE_EPOCH", options.sourceDateEpoch->c_str(), 1);
    } else {
      ::unsetenv("SOURCE_DATE_EPOCH");
    }
    int out = -1;
    switch (options.output) {
      case Sink::kFile:
        out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        break;
      case Sink::kFullDevice:
        out = ::open("/dev/full", O_WRONLY);
        break;
      case Sink::kClosedPipe:
        ::close(pipeEnds[0]);
        out = pipeEnds[1];
        break;
      case Sink::kClosed:
        break;
    }
    const int in = ::open(inPath.c_str(), O_RDONLY);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(err, 2) < 0) {
      std::_Exit(127);
    }
    if (options.output == Sink::kClosed) {
      ::close(1);
    } else if (out < 0 || ::dup2(out, 1) < 0) {
      std::_Exit(127);
    }
    ::execv(argv[0], argv.data());
    std::_Exit(127);
  }
  if (options.output == Sink::kClosedPipe) {
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
  }
  Outcome outcome;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    outcome.status = WEXITSTATUS(status);
  }
  outcome.out = ReadFile(outPath);
  outcome.err = ReadFile(errPath);
  for (const std::string& path : {inPath, outPath, errPath}) {
    std::remove(path.c_str());
  }
  return outcome;
}

// The lines of a text, each without its '\n'.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in{text};
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace quillet::tests
