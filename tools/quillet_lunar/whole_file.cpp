#include "tools/quillet_lunar/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quillet::lunar_cli {

std::optional<std::string> WriteWholeFile(const std::string& path,
                                          std::string_view text) {
  const auto failure = [&](std::string_view doing, int error) {
    return std::string{doing} + " " + path + ": " + std::strerror(error);
  };
  std::string temporary = path + ".XXXXXX";
  const int file = ::mkstemp(temporary.data());
  if (file < 0) return failure("cannot create a file beside", errno);
  const auto abandon = [&](std::string_view doing, int error) {
    ::close(file);
    ::unlink(temporary.c_str());
    return failure(doing, error);
  };
  // mkstemp makes the file private; the finished one gets the permissions a
  // newly created file would.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(file, 0666 & ~mask) != 0) return abandon("cannot write", errno);
  while (!text.empty()) {
    const ssize_t written = ::write(file, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return abandon("cannot write", written < 0 ? errno : EIO);
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  if (::fsync(file) != 0) return abandon("cannot write", errno);
  if (::close(file) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure("cannot write", error);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure("cannot write", error);
  }
  return std::nullopt;
}

}  // namespace quillet::lunar_cli
