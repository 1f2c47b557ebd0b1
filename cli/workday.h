// `quillet-lunar workday`: whether a day is a working day in China, as the
// exit status, for scripts and cron jobs; and `workday --check FILE`, which
// validates a file of later notices before it is installed.
//
//   quillet-lunar workday [-v] [YYYY-MM-DD]
//   quillet-lunar workday --check FILE
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/output.h"
#include "cli/run.h"
#include "lunar/official_days.h"

namespace quillet::lunar_cli {

// The statuses of `workday`, each meaning one thing.
inline constexpr int kWorkingDay = 0;
inline constexpr int kDayOff = 1;
inline constexpr int kBadInput = 2;
inline constexpr int kNotKnown = 3;     // no notice of the day's year
inline constexpr int kWriteFailed = 4;  // -v's line could not be written

struct WorkdayRequest {
  bool help = false;
  bool verbose = false;
  std::chrono::year_month_day day{};  // today without a date
  std::optional<std::string> checkFile;
};

// The arguments that follow "workday"; throws UsageError naming the one that
// is wrong.
WorkdayRequest ParseWorkdayArguments(std::span<const std::string_view> args,
                                     std::chrono::year_month_day today);

// -v's line: "2025-10-01 休 国庆节、中秋节 法定假日", "2025-09-28 班
// 国庆节、中秋节调休", "2025-10-09 工作日", "2025-10-12 休息日", and a
// newline; std::nullopt where the table does not know the day.
std::optional<std::string> WorkdayLine(std::chrono::year_month_day day,
                                       const OfficialDays& table);

// Why a day's year cannot be answered: "2027年调休安排尚未收录: Quillet's
// data covers the notices of 2006..2026".
std::string NotCoveredText(int year, const OfficialDays& table);

int RunWorkday(std::span<const std::string_view> args, const Context& context,
               Output& out, Output& errors);

}  // namespace quillet::lunar_cli
