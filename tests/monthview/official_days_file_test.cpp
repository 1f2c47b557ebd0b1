// The file of later notices: where it is looked for, and a refusal in one
// line that leaves the built-in table as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "monthview/official_days_file.h"

namespace quillet {
namespace {

namespace fs = std::filesystem;

EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
  return [variables](const char* name) -> std::optional<std::string> {
    const auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
}

TEST(OfficialDaysFile, IsLookedForWhereTheXdgRulesSay) {
  const std::string kName = "/quillet/official-days.tsv";
  const struct {
    std::map<std::string, std::string> environment;
    std::vector<std::string> paths;
  } kRows[] = {
      {{{"HOME", "/home/li"}},
       {"/home/li/.local/share" + kName, "/usr/local/share" + kName,
        "/usr/share" + kName}},
      {{{"HOME", "/home/li"},
        {"XDG_DATA_HOME", "/data"},
        {"XDG_DATA_DIRS", "/opt/share:relative::/usr/share"}},
       {"/data" + kName, "/opt/share" + kName, "/usr/share" + kName}},
      // A relative XDG_DATA_HOME is ignored, as the rules ask.
      {{{"HOME", "/h"}, {"XDG_DATA_HOME", "data"}, {"XDG_DATA_DIRS", "/s"}},
       {"/h/.local/share" + kName, "/s" + kName}},
      {{}, {"/usr/local/share" + kName, "/usr/share" + kName}},
  };
  for (const auto& row : kRows) {
    EXPECT_EQ(OfficialDaysPaths(Environment(row.environment)), row.paths);
  }
}

TEST(OfficialDaysFile, TheFirstFileFoundIsReadAndARefusalIsOneLine) {
  const auto environment =
      Environment({{"HOME", "/h"}, {"XDG_DATA_DIRS", "/a:/b"}});
  std::vector<std::string> asked;
  const auto reader =
      [&](const std::string& path) -> std::optional<std::string> {
    asked.push_back(path);
    if (path.starts_with("/a/")) return "2027\t元旦\trest\t2027-01-01\n";
    return std::nullopt;
  };
  const LoadedOfficialDays loaded = LoadOfficialDays(environment, reader);
  EXPECT_EQ(asked.size(), 2u);  // /b is not asked once /a answers
  EXPECT_EQ(loaded.path, "/a/quillet/official-days.tsv");
  EXPECT_EQ(loaded.refusal,
            "/a/quillet/official-days.tsv:1: expected 5 fields separated by "
            "tabs (notice year, holiday, rest or work, first day, last day), "
            "found 4");
  EXPECT_EQ(loaded.table.lastYear(), kLastNoticeYear);
}

TEST(OfficialDaysFile, WhatCannotBeReadIsRefused) {
  const fs::path root = fs::path{::testing::TempDir()} / "official_days_file";
  fs::remove_all(root);
  fs::create_directories(root / "directory");
  std::ofstream{root / "large"} << std::string(1 << 20, '#') << "\n";
  std::ofstream{root / "empty"};
  EXPECT_EQ(ReadOfficialDaysFile((root / "absent").string()), std::nullopt);
  EXPECT_EQ(ReadOfficialDaysFile((root / "empty").string()), "");
  for (const char* name : {"directory", "large"}) {
    EXPECT_THROW(ReadOfficialDaysFile((root / name).string()),
                 std::runtime_error)
        << name;
  }
  fs::remove_all(root);
}

}  // namespace
}  // namespace quillet
