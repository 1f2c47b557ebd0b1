// Reading UTF-8 and counting terminal columns. The widths expected are
// Unicode's East Asian Width classes of each character as published
// (EastAsianWidth.txt): W and F take two columns, the others one.
#include "cli/text_width.h"

#include <gtest/gtest.h>

#ifdef QUILLET_HAVE_UTF8PROC
#include <utf8proc.h>
#endif

#include <string_view>
#include <vector>

namespace quillet::lunar_cli {
namespace {

struct ColumnsRow {
  char32_t codepoint;
  int columns;
  const char* why;
};

TEST(EastAsianColumns, TakesTheWidthClassOfEachCharacter) {
  const std::vector<ColumnsRow> rows = {
      {U'A', 1, "Na: ASCII"},
      {U' ', 1, "Na: the space"},
      {U'\x07', 0, "a C0 control"},
      {U'\x7F', 0, "DEL"},
      {U'\x85', 0, "a C1 control"},
      {U'\xA0', 1, "N: no-break space, the first after the controls"},
      {U'é', 1, "A: ambiguous is narrow"},
      {U'\x10FF', 1, "N: just before the Hangul Jamo leads"},
      {U'\x1100', 2, "W: the first wide character"},
      {U'\x115F', 2, "W: the last Jamo lead"},
      {U'\x1160', 1, "N: the first Jamo vowel"},
      {U'\x2E80', 2, "W: CJK radicals begin"},
      {U'\x3000', 2, "F: the ideographic space"},
      {U'\x3007', 2, "W: 〇, a numeral of the lunar year"},
      {U'\x303E', 2, "W: the last wide CJK symbol"},
      {U'\x303F', 1, "N: the half fill space"},
      {U'\x4E2D', 2, "W: 中"},
      {U'\x95F0', 2, "W: 闰"},
      {U'\x9FFF', 2, "W: the end of the unified ideographs"},
      {U'\xA4C6', 2, "W: the last Yi radical"},
      {U'\xA4D0', 1, "N: Lisu"},
      {U'\xAC00', 2, "W: the first Hangul syllable"},
      {U'\xFF01', 2, "F: the first full-width form"},
      {U'\xFF21', 2, "F: Ａ"},
      {U'\xFF60', 2, "F: the last full-width form of the first run"},
      {U'\xFF61', 1, "H: the first half-width form"},
      {U'\xFF71', 1, "H: half-width katakana"},
      {U'\xFFE0', 2, "F: the full-width cent sign"},
      {U'\xFFFD', 1, "A: the replacement character"},
      {U'\x1F600', 2, "W: an emoji"},
      {U'\x20000', 2, "W: the first ideograph of extension B"},
      {U'\x10FFFF', 1, "the last code point, unassigned"},
  };
  for (const ColumnsRow& row : rows) {
    EXPECT_EQ(EastAsianColumns(row.codepoint), row.columns)
        << "U+" << std::hex << static_cast<unsigned>(row.codepoint) << " ("
        << row.why << ")";
  }
}

#ifdef QUILLET_HAVE_UTF8PROC
// Quillet's own table against utf8proc's count, on every assigned character
// that takes any room: the builds without utf8proc (Windows) lay out the same
// grids as those with it.
TEST(EastAsianColumns, AgreesWithUtf8procOnEveryAssignedVisibleCharacter) {
  int differences = 0;
  int compared = 0;
  for (utf8proc_int32_t c = 0; c <= 0x10FFFF; ++c) {
    if (utf8proc_category(c) == UTF8PROC_CATEGORY_CN) continue;  // unassigned
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const int columns = utf8proc_charwidth(c);
    if (columns <= 0) continue;  // combining marks, controls, format marks
    ++compared;
    const int own = EastAsianColumns(static_cast<char32_t>(c));
    if (own != columns && ++differences <= 10) {
      ADD_FAILURE() << "U+" << std::hex << c << ": utf8proc " << columns
                    << " columns, the table " << own;
    }
  }
  EXPECT_EQ(differences, 0);
  // Unicode 15 assigns some 149,000 characters; the count above is of the
  // visible ones among them.
  EXPECT_GT(compared, 140000);
}
#endif

struct DecodeRow {
  std::string_view utf8;
  char32_t codepoint;
  std::size_t length;
  const char* why;
};

TEST(FirstCharacter, ReadsWellFormedSequencesAndRefusesTheRest) {
  const std::vector<DecodeRow> rows = {
      {"A and more", U'A', 1, "ASCII"},
      {"\xC3\xA9", U'é', 2, "two bytes"},
      {"\xE4\xB8\xAD\xE6\x96\x87", U'\x4E2D', 3, "中, then more"},
      {"\xF0\x9F\x98\x80", U'\x1F600', 4, "four bytes"},
      {"\xF4\x8F\xBF\xBF", U'\x10FFFF', 4, "the last code point"},
      {"", 0, 0, "nothing"},
      {"\x80", 0, 0, "a continuation byte first"},
      {"\xC0\xAF", 0, 0, "an overlong '/'"},
      {"\xE0\x80\xAF", 0, 0, "an overlong '/' in three bytes"},
      {"\xED\xA0\x80", 0, 0, "a surrogate"},
      {"\xF4\x90\x80\x80", 0, 0, "past U+10FFFF"},
      {"\xE4\xB8", 0, 0, "cut off"},
      {"\xE4\x41\xAD", 0, 0, "ASCII inside the sequence"},
      {"\xF8\x88\x80\x80\x80", 0, 0, "a five-byte lead"},
  };
  for (const DecodeRow& row : rows) {
    const Utf8Character got = FirstCharacter(row.utf8);
    EXPECT_EQ(got.length, row.length) << row.why;
    if (row.length != 0) {
      EXPECT_EQ(static_cast<unsigned>(got.codepoint),
                static_cast<unsigned>(row.codepoint))
          << row.why;
    }
  }
}

}  // namespace
}  // namespace quillet::lunar_cli
