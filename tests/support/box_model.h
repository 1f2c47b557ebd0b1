// What a user should see for what stands in the two boxes, worked out here
// rather than by the program's own reading and title: tests compare the
// program against it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "lunar/cn_calendar.h"
#include "tests/support/sexagenary.h"

namespace quillet::testing {

inline constexpr char kYearMessage[] = "※※ 年份应在1902-2047之间 ※※";
inline constexpr char kMonthMessage[] = "※※ 月份数应在 1-12 之间　※※";

// The code points of a UTF-8 text; a byte that starts no well-formed
// sequence stands for U+FFFD.
inline std::u32string CodePoints(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80   ? 1
                       : lead < 0xC2 ? 0
                       : lead < 0xE0 ? 2
                       : lead < 0xF0 ? 3
                       : lead < 0xF5 ? 4
                                     : 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    bool ok = length > 0 && i + length <= utf8.size();
    for (int k = 1; ok && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      ok = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    // The shortest form only: no character written in more bytes than it
    // needs.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    ok = ok && c >= kLeast[length];
    out += ok ? c : U'\uFFFD';
    i += ok ? length : 1;
  }
  return out;
}

// A box's number: after spaces and tabs, an optional sign, then ASCII or
// full-width digits up to the first other character. Past a trillion every
// number is as far out of range as any other.
inline std::int64_t BoxNumber(std::u32string_view text) {
  std::size_t i = text.find_first_not_of(U" \t");
  if (i == std::u32string_view::npos) return 0;
  const bool negative = text[i] == U'-';
  if (text[i] == U'-' || text[i] == U'+') ++i;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char32_t c = text[i];
    const int digit = c >= U'0' && c <= U'9'     ? static_cast<int>(c - U'0')
                      : c >= U'０' && c <= U'９' ? static_cast<int>(c - U'０')
                                                 : -1;
    if (digit < 0) break;
    if (value < 1'000'000'000'000) value = value * 10 + digit;
  }
  return negative ? -value : value;
}

// The decimal text a spin step leaves in a box.
inline std::string Stepped(std::u32string_view text, int delta, int lo,
                           int hi) {
  return std::to_string(
      std::clamp<std::int64_t>(BoxNumber(text) + delta, lo, hi));
}

// The title line for a shown month: the era, then the stem-branch name and
// the animal of the lunar year in which the month's first day falls.
inline std::string ExpectedTitle(int year, int month) {
  std::string era;
  if (year <= 1908) {
    era = "◆光绪" + std::to_string(year - 1874);
  } else if (year <= 1911) {
    era = year == 1909 ? "◆宣统元" : "◆宣统" + std::to_string(year - 1908);
  } else if (year <= 1949) {
    era = year == 1912 ? "◆民国元" : "◆民国" + std::to_string(year - 1911);
  } else {
    era = year == 1950 ? "◆共和国元" : "◆共和国" + std::to_string(year - 1949);
  }
  // 1984 was 甲子, the year of the rat; the range lies after 1864.
  const int lunarYear = CnCalendar().GregorianToLunar(year, month, 1).year;
  const int sinceJiazi = lunarYear - 1864;
  return era + "年◆ 农历 " + CycleName(sinceJiazi % 60 + 1) + "年〖" +
         kAnimals[sinceJiazi % 12] + "〗";
}

// What the title line shows after a draw from the two boxes' texts.
struct Outcome {
  bool drawn;
  int year, month;    // when drawn
  std::string title;  // the title line, or the message
};

inline Outcome ExpectedOutcome(std::u32string_view yearText,
                               std::u32string_view monthText) {
  const std::int64_t year = BoxNumber(yearText);
  if (year < 1902 || year > 2047) return {false, 0, 0, kYearMessage};
  const std::int64_t month = BoxNumber(monthText);
  if (month < 1 || month > 12) return {false, 0, 0, kMonthMessage};
  const int y = static_cast<int>(year), m = static_cast<int>(month);
  return {true, y, m, ExpectedTitle(y, m)};
}

}  // namespace quillet::testing
