// A file for other programs, written whole or not at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet::lunar_cli {

// Writes `text` to `path` through a temporary file beside it, renamed into
// place once complete, with the permissions a newly created file gets. On
// failure the temporary file is removed, `path` is left as it was, and the
// result is the line for standard error.
std::optional<std::string> WriteWholeFile(const std::string& path,
                                          std::string_view text);

}  // namespace quillet::lunar_cli
