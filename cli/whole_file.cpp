#include "cli/whole_file.h"

#if defined(_WIN32)
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace quillet::lunar_cli {

#if defined(_WIN32)

namespace {

// The path as Windows' wide functions take it; empty if it is not UTF-8.
std::wstring Wide(const std::string& utf8) {
  const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS,
                                       utf8.c_str(), -1, nullptr, 0);
  if (size <= 1) return {};
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), -1,
                      wide.data(), size);
  wide.pop_back();  // the terminating NUL
  return wide;
}

// errno's nearest value for what MoveFileExW failed with.
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_DISK_FULL:
      return ENOSPC;
    default:
      return EIO;
  }
}

}  // namespace

// Windows: the temporary file opened with _O_EXCL under a name of the
// process's own, committed to the disk (_commit, as fsync), and moved over the
// target by MoveFileExW, which replaces an existing file as rename() does on
// POSIX. The file's permissions are those the folder gives.
std::optional<std::string> WriteWholeFile(const std::string& path,
                                          std::string_view text) {
  const auto failure = [&](std::string_view doing, int error) {
    return std::string{doing} + " " + path + ": " + std::strerror(error);
  };
  const std::wstring target = Wide(path);
  if (target.empty()) return failure("cannot create a file beside", EINVAL);
  std::wstring temporary;
  int file = -1;
  for (unsigned attempt = 0; attempt < 100 && file < 0; ++attempt) {
    temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"." +
                std::to_wstring(attempt);
    file =
        ::_wopen(temporary.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                 _S_IREAD | _S_IWRITE);
    if (file < 0 && errno != EEXIST) break;
  }
  if (file < 0) return failure("cannot create a file beside", errno);
  const auto abandon = [&](std::string_view doing, int error) {
    ::_close(file);
    ::_wunlink(temporary.c_str());
    return failure(doing, error);
  };
  while (!text.empty()) {
    const unsigned piece =
        static_cast<unsigned>(std::min<std::size_t>(text.size(), 1u << 30));
    const int written = ::_write(file, text.data(), piece);
    if (written <= 0) return abandon("cannot write", written < 0 ? errno : EIO);
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  if (::_commit(file) != 0) return abandon("cannot write", errno);
  if (::_close(file) != 0) {
    const int error = errno;
    ::_wunlink(temporary.c_str());
    return failure("cannot write", error);
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const int error = ErrnoOf(GetLastError());
    ::_wunlink(temporary.c_str());
    return failure("cannot write", error);
  }
  return std::nullopt;
}

#else

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

#endif

}  // namespace quillet::lunar_cli
