#include "monthview/gbk.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <chrono>
#include <optional>
#include <set>
#include <string>

#include "lunar/cn_calendar.h"
#include "lunar/lunar_names.h"
#include "monthview/day_label.h"
#include "monthview/festivals.h"
#include "monthview/grid.h"
#include "monthview/input.h"
#include "monthview/title_line.h"
#include "tests/support/served_days.h"

namespace quillet {
namespace {

// The GBK bytes of a UTF-8 text by the system's converter, or nullopt when
// the text has a character outside GBK.
#if defined(_WIN32)
// Windows: through UTF-16 into code page 936, its GBK.
std::optional<std::string> ToGbk(const std::string& utf8) {
  if (utf8.empty()) return std::string{};
  const int utf8Size = static_cast<int>(utf8.size());
  std::wstring wide(utf8.size(), L'\0');
  const int wideSize =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8Size,
                          wide.data(), utf8Size);
  if (wideSize <= 0) return std::nullopt;
  std::string out(utf8.size() * 2 + 4, '\0');
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(
      936, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, out.data(),
      static_cast<int>(out.size()), nullptr, &lossy);
  if (size <= 0 || lossy) return std::nullopt;
  out.resize(static_cast<std::size_t>(size));
  return out;
}
#else
std::optional<std::string> ToGbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in = utf8, out(utf8.size() * 2 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  size_t inLeft = in.size(), outLeft = out.size();
  const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}
#endif

// Every text the month view can write: festival texts, month and day names,
// the lunar component's notes, titles and the two messages.
std::set<std::string> EveryMonthViewText() {
  std::set<std::string> texts = {kYearMessage, kMonthMessage};
  for (const FestivalRow& row : FestivalRows()) texts.emplace(row.text);
  for (int day = 2; day <= 30; ++day) texts.emplace(names::LunarDay(day));
  for (int month = 1; month <= 12; ++month) {
    for (const bool leap : {false, true}) {
      for (const int days : {29, 30}) {
        texts.insert(LunarMonthLabel(month, leap, days));
      }
    }
  }
  const CnCalendar calendar;
  for (auto day = testing::kFirstShownDay; day <= testing::kLastShownDay;
       day += std::chrono::days{1}) {
    const LunarDate lunar = testing::LunarOf(calendar, day);
    texts.insert(calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                        lunar.isLeapMonth));
  }
  for (int year = 1902; year <= 2047; ++year) {
    for (int month = 1; month <= 12; ++month) {
      texts.insert(TitleText(year, month));
    }
  }
  return texts;
}

TEST(GbkTest, LengthsMatchTheSystemConverter) {
  const auto texts = EveryMonthViewText();
  EXPECT_GT(texts.size(), 400u);
  for (const std::string& text : texts) {
    const auto gbk = ToGbk(text);
    ASSERT_TRUE(gbk.has_value()) << "not representable in GBK: " << text;
    EXPECT_EQ(GbkByteLength(text), gbk->size()) << text;
  }
}

TEST(GbkTest, MixedAndMalformedTexts) {
  const struct {
    std::string text;
    size_t bytes;
  } cases[] = {{"", 0},         {"1元旦", 5},    {"abc", 3},
               {"\xE5\xB9", 2}, {"\xFF\x41", 2}, {"◆〖〗\u3000", 8}};
  for (const auto& c : cases) EXPECT_EQ(GbkByteLength(c.text), c.bytes);
}

}  // namespace
}  // namespace quillet
