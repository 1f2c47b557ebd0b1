// The reader's side of RFC 5545, written from the RFC for the tests rather
// than taken from the writer: unfolding (3.1) and TEXT unescaping (3.3.11).
#pragma once

#include <string>
#include <string_view>

namespace quillet::tests {

// Removes every CRLF that a space or a tab follows, and that one character.
inline std::string Unfold(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0 && i + 2 < text.size() &&
        (text[i + 2] == ' ' || text[i + 2] == '\t')) {
      i += 2;
      continue;
    }
    out += text[i];
  }
  return out;
}

// Reads \\ \; \, \n and \N.
inline std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      out += (next == 'n' || next == 'N') ? '\n' : next;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace quillet::tests
