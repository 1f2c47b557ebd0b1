// The reader's side of RFC 5545, written from the RFC for the tests rather
// than taken from the writer: lines and unfolding (3.1), TEXT unescaping
// (3.3.11).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillet::tests {

// The physical lines of a text, each without its CRLF; fails the test if a
// line is not ended by CRLF.
inline std::vector<std::string> PhysicalLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "line without CRLF: " << text;
      break;
    }
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  return lines;
}

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
