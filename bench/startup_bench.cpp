// Start-up as the user meets it: from starting the program to the canvas's
// first paint of the current month, offscreen, and the peak resident memory
// of that run. Each iteration starts quillet_startup_probe, the program built
// to end after that paint, and waits for it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The start page is opened through xdg-open; a stand-in that does nothing
// keeps a browser from coming up while the cost of starting it is counted.
class StandInOpener {
 public:
  StandInOpener() {
    char name[] = "/tmp/quillet-bench-XXXXXX";
    if (mkdtemp(name) == nullptr) return;
    dir_ = name;
    std::ofstream(Script()) << "#!/bin/sh\nexit 0\n";
    chmod(Script().c_str(), 0755);
  }
  ~StandInOpener() {
    if (dir_.empty()) return;
    unlink(Script().c_str());
    rmdir(dir_.c_str());
  }
  StandInOpener(const StandInOpener&) = delete;
  StandInOpener& operator=(const StandInOpener&) = delete;

  const std::string& Dir() const { return dir_; }

 private:
  std::string Script() const { return dir_ + "/xdg-open"; }
  std::string dir_;
};

// This process's environment with the offscreen platform and the stand-in
// opener first on the path.
std::vector<std::string> ChildEnvironment(const StandInOpener& opener) {
  std::vector<std::string> env;
  std::string path = "/usr/local/bin:/usr/bin:/bin";
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (entry.rfind("PATH=", 0) == 0) {
      path = entry.substr(5);
    } else if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0) {
      env.push_back(entry);
    }
  }
  env.push_back("PATH=" + opener.Dir() + ":" + path);
  env.push_back("QT_QPA_PLATFORM=offscreen");
  return env;
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
  const StandInOpener opener;
  const std::vector<std::string> env = ChildEnvironment(opener);
  std::vector<char*> envp;
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  char program[] = QUILLET_STARTUP_PROBE_PATH;
  char* argv[] = {program, nullptr};

  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY,
                                   0);
  posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY,
                                   0);

  long peakKiB = 0;
  double totalKiB = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program, &quiet, nullptr, argv, envp.data()) != 0) {
      state.SkipWithError("cannot start quillet_startup_probe");
      break;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("quillet_startup_probe did not end cleanly");
      break;
    }
    state.SetIterationTime(elapsed.count());
    peakKiB = std::max(peakKiB, usage.ru_maxrss);  // KiB on Linux
    totalKiB += static_cast<double>(usage.ru_maxrss);
  }
  posix_spawn_file_actions_destroy(&quiet);
  state.counters["peak_rss_MiB"] = static_cast<double>(peakKiB) / 1024.0;
  state.counters["mean_rss_MiB"] =
      benchmark::Counter(totalKiB / 1024.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartUpToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(40);

}  // namespace
