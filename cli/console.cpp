#include "cli/console.h"

#if defined(_WIN32)

// windows.h first: shellapi.h uses its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace quillet {
namespace {

UINT savedOutputCodePage = 0;
UINT savedInputCodePage = 0;

void RestoreCodePages() {
  if (savedOutputCodePage != 0) SetConsoleOutputCP(savedOutputCodePage);
  if (savedInputCodePage != 0) SetConsoleCP(savedInputCodePage);
}

std::string Utf8(const wchar_t* text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr,
                      nullptr);
  utf8.pop_back();  // the terminating NUL
  return utf8;
}

}  // namespace

void UseUtf8Console(int& argc, char**& argv) {
  // Only a process with a console has code pages to set; the calls fail
  // harmlessly when output goes to a file or a pipe.
  savedOutputCodePage = GetConsoleOutputCP();
  savedInputCodePage = GetConsoleCP();
  if (savedOutputCodePage != 0 || savedInputCodePage != 0) {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
    std::atexit(RestoreCodePages);
  }
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);

  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return;
  // Kept for the whole run: argv points into them.
  static std::vector<std::string> texts;
  static std::vector<char*> pointers;
  texts.clear();
  for (int i = 0; i < count; ++i) texts.push_back(Utf8(wide[i]));
  LocalFree(wide);
  pointers.clear();
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  argc = count;
  argv = pointers.data();
}

}  // namespace quillet

#else

namespace quillet {

void UseUtf8Console(int&, char**&) {}

}  // namespace quillet

#endif
