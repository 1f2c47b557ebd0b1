// The file of later notices that a user or a distribution adds to the
// built-in table of 休 and 班, before the next release has them:
// quillet/official-days.tsv under $XDG_DATA_HOME (else ~/.local/share), then
// under each directory of $XDG_DATA_DIRS (else /usr/local/share and
// /usr/share); the first that exists is read.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lunar/official_days.h"

namespace quillet {

// The value of an environment variable, or std::nullopt where it is unset.
using EnvironmentLookup =
    std::function<std::optional<std::string>(const char* name)>;
// A file's whole text, or std::nullopt where there is no such file. Throws
// std::runtime_error with the reason where it exists but cannot be read.
using FileReader =
    std::function<std::optional<std::string>(const std::string& path)>;

// The process's own environment, as an EnvironmentLookup.
std::optional<std::string> ProcessEnvironment(const char* name);

// Where the file is looked for, in order.
std::vector<std::string> OfficialDaysPaths(
    const EnvironmentLookup& environment);

// The file as read from disk: none, too large (over 1 MiB) or unreadable
// throws std::runtime_error naming the reason.
std::optional<std::string> ReadOfficialDaysFile(const std::string& path);

struct LoadedOfficialDays {
  OfficialDays table;   // the built-in table, and the file's years if sound
  std::string path;     // the file read, or "" where there was none
  std::string refusal;  // "PATH:LINE: what is wrong" where it was refused
};

// The built-in table and the first file found. A file that is refused is
// left out whole, and `refusal` says why in one line.
LoadedOfficialDays LoadOfficialDays(
    const EnvironmentLookup& environment,
    const FileReader& read = ReadOfficialDaysFile);

// "PATH:LINE: message", or "PATH: message" for a fault of the whole file.
std::string FaultLine(const std::string& path, const OfficialDaysFault& fault);

}  // namespace quillet
