#include "lunar/moon_phases.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "lunar/lunar_tables.h"
#include "lunar/served_day.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using lunar_tables::kMoonPhases;
using lunar_tables::MoonPhaseRow;

static_assert(lunar_tables::kMoonPhaseYearCount ==
              kLastMoonPhaseYear - kFirstMoonPhaseYear + 1);
static_assert(kFirstMoonPhaseYear == lunar_tables::kFirstTableYear);

constexpr int kPhasesPerLunation = 4;

// The rows of the table are in year order from the first table year.
const MoonPhaseRow& RowOf(int year) {
  return kMoonPhases[static_cast<std::size_t>(year -
                                              lunar_tables::kFirstTableYear)];
}

// Entry i of a year's row, a phase and its instant in UTC.
MoonPhaseInstant EntryOf(const MoonPhaseRow& row, std::size_t i) {
  const lunar_tables::PhaseTime time =
      lunar_tables::DecodePhaseTime(row.monthDayTime[i]);
  const chr::sys_days day{chr::year{row.year} /
                          chr::month{static_cast<unsigned>(time.month)} /
                          chr::day{static_cast<unsigned>(time.day)}};
  const auto utc8 = day + chr::hours{time.hours} + chr::minutes{time.minutes};
  return {static_cast<MoonPhase>((row.firstPhase + static_cast<int>(i)) %
                                 kPhasesPerLunation),
          chr::sys_seconds{utc8} - kChinaStandardTimeOffset};
}

// The number of phases a row holds: its entries up to the first empty slot.
std::size_t CountOf(const MoonPhaseRow& row) {
  return static_cast<std::size_t>(std::ranges::find(row.monthDayTime, 0) -
                                  row.monthDayTime.begin());
}

}  // namespace

std::optional<MoonPhaseInstant> MoonPhaseOn(int year, int month, int day) {
  lunar_detail::ServedDay("MoonPhaseOn", year, month, day);
  const MoonPhaseRow& row = RowOf(year);
  // The entries are MMDDhhmm in order, then 0s: the day's phase, if any, is
  // the first entry from MMDD0000 on, and it is that day's if below the next
  // day's MMDD0000.
  const std::int32_t dayStart = (month * 100 + day) * 1'00'00;
  const auto first = row.monthDayTime.begin();
  const auto entry = std::partition_point(
      first, row.monthDayTime.end(),
      [&](std::int32_t e) { return e != 0 && e < dayStart; });
  if (entry == row.monthDayTime.end() || *entry == 0 ||
      *entry >= dayStart + 1'00'00) {
    return std::nullopt;
  }
  return EntryOf(row, static_cast<std::size_t>(entry - first));
}

std::vector<MoonPhaseInstant> MoonPhases(int gregorianYear) {
  if (gregorianYear < kFirstMoonPhaseYear ||
      gregorianYear > kLastMoonPhaseYear) {
    throw std::out_of_range("MoonPhases: gregorianYear " +
                            std::to_string(gregorianYear) + " is outside " +
                            std::to_string(kFirstMoonPhaseYear) + ".." +
                            std::to_string(kLastMoonPhaseYear));
  }
  const MoonPhaseRow& row = RowOf(gregorianYear);
  std::vector<MoonPhaseInstant> phases;
  const std::size_t count = CountOf(row);
  phases.reserve(count);
  for (std::size_t i = 0; i < count; ++i) phases.push_back(EntryOf(row, i));
  return phases;
}

std::string_view MoonPhaseName(MoonPhase phase, Script script) {
  // By script, then phase. 弦 and 望 have no traditional forms of their own.
  static constexpr std::array<std::array<std::string_view, kPhasesPerLunation>,
                              2>
      kNames{{{"朔", "上弦", "望", "下弦"}, {"朔", "上弦", "望", "下弦"}}};
  const auto p = static_cast<std::size_t>(phase);
  if (p >= kPhasesPerLunation) {
    throw std::out_of_range("MoonPhaseName: phase " + std::to_string(p) +
                            " is outside 0..3");
  }
  return kNames[script == Script::kTraditional ? 1 : 0][p];
}

}  // namespace quillet
