// quillet-lunar: the lunar calendar component on the command line. This file
// is the process around run.h: the clock, standard input, standard output
// written through one buffer whose every write is checked, the files
// `ics --output` writes, and the file of later notices of 休 and 班, read
// once at the start.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/console.h"
#include "cli/output.h"
#include "cli/run.h"
#include "cli/whole_file.h"
#include "monthview/official_days_file.h"

namespace {

namespace chr = std::chrono;
using quillet::lunar_cli::Output;

// A file descriptor written in pieces of 64 KiB. A reader that has gone away
// (EPIPE) throws ReaderGone; any other failure (a full disk, a closed
// descriptor) throws WriteError, so a script never takes a cut-off result for
// the whole.
class DescriptorOutput final : public Output {
 public:
  explicit DescriptorOutput(int descriptor) : descriptor_(descriptor) {}

  void Write(std::string_view text) override {
    buffer_.append(text);
    if (buffer_.size() >= kBufferSize) Flush();
  }

  void Flush() override {
    std::string_view rest = buffer_;
    while (!rest.empty()) {
      const ssize_t written = ::write(descriptor_, rest.data(), rest.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0 && errno == EPIPE) throw quillet::lunar_cli::ReaderGone{};
      if (written <= 0) {
        throw quillet::lunar_cli::WriteError{
            std::string{"cannot write standard output: "} +
            std::strerror(written < 0 ? errno : EIO)};
      }
      rest.remove_prefix(static_cast<std::size_t>(written));
    }
    buffer_.clear();
  }

 private:
  static constexpr std::size_t kBufferSize = 64 * 1024;
  int descriptor_;
  std::string buffer_;
};

// Standard error: each message whole, at once; its own failure is not
// reported anywhere.
class ErrorOutput final : public Output {
 public:
  void Write(std::string_view text) override {
    while (!text.empty()) {
      const ssize_t written = ::write(STDERR_FILENO, text.data(), text.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return;
      text.remove_prefix(static_cast<std::size_t>(written));
    }
  }
};

chr::year_month_day LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  ::localtime_s(&local, &now);
#else
  ::localtime_r(&now, &local);
#endif
  return chr::year{local.tm_year + 1900} /
         chr::month{static_cast<unsigned>(local.tm_mon + 1)} /
         chr::day{static_cast<unsigned>(local.tm_mday)};
}

}  // namespace

int main(int argc, char** argv) {
  quillet::UseUtf8Console(argc, argv);
#ifdef SIGPIPE
  // A closed pipe shows as EPIPE from write(), not as a signal. (Windows has
  // no such signal: there write() reports the closed pipe as it is.)
  std::signal(SIGPIPE, SIG_IGN);
#endif
  // Standard input through a buffer of its own, whose fill date_list.cpp
  // looks at.
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0),
                                           argv + argc);
  const char* noColor = std::getenv("NO_COLOR");
  const quillet::LoadedOfficialDays official =
      quillet::LoadOfficialDays(quillet::ProcessEnvironment);
  const quillet::lunar_cli::Context context{
      .today = LocalToday(),
      .input = &std::cin,
      .outputIsTerminal = ::isatty(STDOUT_FILENO) == 1,
      .noColor = noColor != nullptr && *noColor != '\0',
      .now = chr::floor<chr::seconds>(chr::system_clock::now()),
      .sourceDateEpoch = std::getenv("SOURCE_DATE_EPOCH"),
      .writeWholeFile = quillet::lunar_cli::WriteWholeFile,
      .officialDays = &official.table,
      .officialDaysRefusal = official.refusal,
  };
  DescriptorOutput out{STDOUT_FILENO};
  ErrorOutput errors;
  try {
    const int status = quillet::lunar_cli::Run(args, context, out, errors);
    out.Flush();
    return status;
  } catch (const quillet::lunar_cli::ReaderGone&) {
    return 0;
  } catch (const quillet::lunar_cli::WriteError& e) {
    errors.Write(std::string{"quillet-lunar: "} + e.what() + "\n");
    return 1;
  }
}
