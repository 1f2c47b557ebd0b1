// The phases of the Moon: the instants of 朔 (new moon), 上弦 (first quarter),
// 望 (full moon) and 下弦 (last quarter), when the Moon's apparent longitude
// exceeds the Sun's by 0, 90, 180 and 270 degrees. They are read from a
// committed table that tools/lunar_tablegen derives from the same astronomy
// as the calendar's new moons, so a 朔 falls on the first day of a lunar month
// (the calendar before 1929, reckoned at the Beijing meridian, put three
// months a day earlier: see cn_calendar.h).
//
// Instants are to the minute, the seconds dropped; a phase's day is the day
// of its instant in UTC+8, the time the calendar is reckoned in.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

// Included by its own name, so that the installed header finds it beside
// itself (quillet/lunar/) as the build finds it in lunar/.
#include "cn_calendar.h"

namespace quillet {

enum class MoonPhase { kNew, kFirstQuarter, kFull, kLastQuarter };

// The Gregorian years whose phases the table holds, whole.
inline constexpr int kFirstMoonPhaseYear = 1901;
inline constexpr int kLastMoonPhaseYear = 2100;

struct MoonPhaseInstant {
  MoonPhase phase;
  std::chrono::sys_seconds instant;  // UTC, to the minute
  friend bool operator==(const MoonPhaseInstant&,
                         const MoonPhaseInstant&) = default;
};

// The phase whose instant falls on a Gregorian day in UTC+8, if any (phases
// are at least six days apart, so a day has at most one). Days 1901-02-19 ..
// 2100-12-31; others throw std::out_of_range naming the argument.
std::optional<MoonPhaseInstant> MoonPhaseOn(int year, int month, int day);

// Every phase whose instant falls in a Gregorian year (UTC+8), in order: 49
// or 50 of them. Years 1901 .. 2100; others throw std::out_of_range.
std::vector<MoonPhaseInstant> MoonPhases(int gregorianYear);

// 朔, 上弦, 望 or 下弦: the same characters in both scripts.
std::string_view MoonPhaseName(MoonPhase phase,
                               Script script = Script::kSimplified);

}  // namespace quillet
