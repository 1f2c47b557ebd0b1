// How many terminal columns a character takes, and reading UTF-8 one
// character at a time: what cal needs to lay out its grids.
#pragma once

#include <cstddef>
#include <string_view>

namespace quillet::lunar_cli {

// The first character of `utf8` and how many bytes it takes; `length` is 0
// where `utf8` is empty or does not start with a well-formed UTF-8 sequence
// (an overlong form, a surrogate, a value past U+10FFFF, a cut-off end).
struct Utf8Character {
  char32_t codepoint = 0;
  std::size_t length = 0;
};
Utf8Character FirstCharacter(std::string_view utf8);

// Columns of one character: 2 where its East Asian Width is W or F, 0 for a
// combining mark or a control character, 1 otherwise. Where the build has
// utf8proc this is utf8proc's answer; elsewhere it is EastAsianColumns.
int CharacterColumns(char32_t codepoint);

// The same from Quillet's own table of the W and F ranges, which builds on
// any system: 2 for those, 0 for control characters, 1 for the rest
// (combining marks too, which nothing quillet-lunar writes contains).
int EastAsianColumns(char32_t codepoint);

}  // namespace quillet::lunar_cli
