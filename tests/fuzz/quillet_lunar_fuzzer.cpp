// quillet-lunar's two readers of untrusted text, under the sanitizers.
// The first byte chooses: even, the rest is a command line (arguments
// separated by NUL bytes) for the main forms, `cal`, `ics` and `workday`; odd,
// the rest is standard input for `quillet-lunar -`, in text or JSON by its
// second bit. Every outcome must be an answer or a UsageError whose message is
// one line with no control bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/date_list.h"
#include "cli/ics.h"
#include "cli/workday.h"

namespace {

namespace chr = std::chrono;
using namespace quillet::lunar_cli;
using namespace std::chrono_literals;

void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(text.size()),
               text.data());
  std::abort();
}

// One line, no control bytes but its final newline.
void CheckMessage(std::string_view message, bool endsWithNewline) {
  if (endsWithNewline) {
    if (message.empty() || message.back() != '\n') Fail("no newline", message);
    message.remove_suffix(1);
  }
  for (const char c : message) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      Fail("control byte in a message", message);
    }
  }
}

void ParseCommandLine(std::string_view text) {
  std::vector<std::string_view> args;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    args.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  constexpr chr::year_month_day kToday = 2024y / 2 / 10;
  try {
    const Request request = ParseArguments(args, kToday);
    if (request.form == Form::kRange && request.from > request.to) {
      Fail("range backwards", text);
    }
  } catch (const UsageError& e) {
    CheckMessage(e.what(), false);
  }
  if (!args.empty() && args[0] == "ics") {
    try {
      const IcsRequest request = ParseIcsArguments(std::span{args}.subspan(1));
      if (request.fromYear > request.toYear) Fail("ics years backwards", text);
    } catch (const UsageError& e) {
      CheckMessage(e.what(), false);
    }
    return;
  }
  if (!args.empty() && args[0] == "workday") {
    try {
      const WorkdayRequest request =
          ParseWorkdayArguments(std::span{args}.subspan(1), kToday);
      if (request.checkFile && request.verbose) Fail("-v with --check", text);
    } catch (const UsageError& e) {
      CheckMessage(e.what(), false);
    }
    return;
  }
  if (args.empty() || args[0] != "cal") return;
  try {
    const CalRequest request =
        ParseCalArguments(std::span{args}.subspan(1), kToday);
    if (!request.help && (request.month < 0 || request.month > 12)) {
      Fail("month", text);
    }
  } catch (const UsageError& e) {
    CheckMessage(e.what(), false);
  }
}

// Each line's message names its number; every line is either converted or
// named.
class Lines final : public Output {
 public:
  void Write(std::string_view text) override {
    CheckMessage(text, true);
    ++count;
  }
  int count = 0;
};

void ReadDateList(std::string_view text, bool json) {
  static const quillet::CnCalendar calendar;
  std::istringstream input{std::string{text}};
  Lines out, errors;
  ConvertDateList(calendar, input, json ? LineFormat::kJson : LineFormat::kText,
                  quillet::Script::kSimplified, out, errors);
  std::size_t lines = 0;
  for (std::size_t at = 0; at < text.size(); ++lines) {
    const std::size_t end = text.find('\n', at);
    at = end == std::string_view::npos ? text.size() : end + 1;
  }
  if (static_cast<std::size_t>(out.count + errors.count) != lines) {
    Fail("lines lost", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1,
                              size - 1);
  if ((data[0] & 1) == 0) {
    ParseCommandLine(text);
  } else {
    ReadDateList(text, (data[0] & 2) != 0);
  }
  return 0;
}
