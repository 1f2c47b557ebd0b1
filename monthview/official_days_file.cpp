#include "monthview/official_days_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <variant>

namespace quillet {
namespace {

constexpr const char* kFileName = "/quillet/official-days.tsv";
// Far more than two centuries of rows take; a larger file is no such list.
constexpr std::streamsize kLargestFile = 1 << 20;

// The directories of a colon-separated list, relative ones left out as the
// XDG base directory rules ask.
std::vector<std::string> AbsoluteDirectories(const std::string& list) {
  std::vector<std::string> directories;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    const std::string directory = list.substr(start, end - start);
    if (!directory.empty() && directory.front() == '/') {
      directories.push_back(directory);
    }
    start = end + 1;
  }
  return directories;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string{value};
}

std::vector<std::string> OfficialDaysPaths(
    const EnvironmentLookup& environment) {
  std::vector<std::string> paths;
  const std::optional<std::string> dataHome = environment("XDG_DATA_HOME");
  const std::optional<std::string> home = environment("HOME");
  if (dataHome && !dataHome->empty() && dataHome->front() == '/') {
    paths.push_back(*dataHome + kFileName);
  } else if (home && !home->empty()) {
    paths.push_back(*home + "/.local/share" + kFileName);
  }
  std::optional<std::string> dataDirs = environment("XDG_DATA_DIRS");
  if (!dataDirs || dataDirs->empty()) dataDirs = "/usr/local/share:/usr/share";
  for (const std::string& directory : AbsoluteDirectories(*dataDirs)) {
    paths.push_back(directory + kFileName);
  }
  return paths;
}

std::optional<std::string> ReadOfficialDaysFile(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return std::nullopt;
  }
  // A directory or a pipe is not read: a pipe could keep the program
  // waiting.
  if (status.type() != std::filesystem::file_type::regular) {
    throw std::runtime_error(error ? "cannot be read: " + error.message()
                                   : "is not a regular file");
  }
  std::ifstream file{path, std::ios::binary};
  if (!file) throw std::runtime_error("cannot be read");
  std::string text;
  text.resize(static_cast<std::size_t>(kLargestFile) + 1);
  file.read(text.data(), kLargestFile + 1);
  if (file.bad()) throw std::runtime_error("cannot be read");
  const std::streamsize count = file.gcount();
  if (count > kLargestFile) throw std::runtime_error("larger than 1 MiB");
  text.resize(static_cast<std::size_t>(count));
  return text;
}

std::string FaultLine(const std::string& path, const OfficialDaysFault& fault) {
  std::string line = path;
  if (fault.line > 0) {
    line += ':';
    line += std::to_string(fault.line);
  }
  line += ": ";
  line += fault.message;
  return line;
}

LoadedOfficialDays LoadOfficialDays(const EnvironmentLookup& environment,
                                    const FileReader& read) {
  LoadedOfficialDays loaded{OfficialDays::BuiltIn(), "", ""};
  for (const std::string& path : OfficialDaysPaths(environment)) {
    std::optional<std::string> text;
    try {
      text = read(path);
    } catch (const std::runtime_error& e) {
      loaded.path = path;
      loaded.refusal = FaultLine(path, {0, e.what()});
      return loaded;
    }
    if (!text) continue;
    loaded.path = path;
    auto table = OfficialDays::WithFurtherYears(*text);
    if (auto* fault = std::get_if<OfficialDaysFault>(&table)) {
      loaded.refusal = FaultLine(path, *fault);
    } else {
      loaded.table = std::move(std::get<OfficialDays>(table));
    }
    return loaded;
  }
  return loaded;
}

}  // namespace quillet
