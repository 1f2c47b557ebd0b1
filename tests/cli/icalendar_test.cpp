// The iCalendar writer against RFC 5545's own examples and rules, and a
// property over random UTF-8: unfolding and unescaping gives the text back.
#include "cli/icalendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tests/cli/rfc5545_reading.h"

namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;
using quillet::ical::AllDayEvent;
using quillet::ical::CalendarHeader;
using quillet::ical::CalendarWriter;
using quillet::ical::ContentLine;
using quillet::ical::DateValue;
using quillet::ical::EscapeText;
using quillet::ical::KeyToken;
using quillet::ical::UtcDateTimeValue;
using quillet::tests::PhysicalLines;
using quillet::tests::Unescape;
using quillet::tests::Unfold;

// Whether `text` is well-formed UTF-8 (shortest forms, no surrogates).
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      length = 1;
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (int k = 1; k < length; ++k) {
      const auto byte = static_cast<unsigned char>(text[i + k]);
      if ((byte & 0xC0) != 0x80) return false;
      code = (code << 6) | (byte & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

// `prefix` followed by `piece` `times` times.
std::string Repeat(std::string_view piece, int times,
                   std::string_view prefix = "") {
  std::string out{prefix};
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(EscapeText, EscapesWhatTextValuesMust) {
  struct Case {
    const char* text;
    const char* escaped;
  } cases[] = {
      // RFC 5545, 3.3.11's example.
      {"Project XYZ Final Review\nConference Room - 3B\nCome Prepared.",
       "Project XYZ Final Review\\nConference Room - 3B\\nCome Prepared."},
      {"a,b;c\\d", "a\\,b\\;c\\\\d"},
      {"\\n is not a newline", "\\\\n is not a newline"},
      // CR LF and a lone CR are line breaks too.
      {"one\r\ntwo\rthree", "one\\ntwo\\nthree"},
      // Colons, quotes and Chinese need nothing.
      {"时间: \"正月初一\"", "时间: \"正月初一\""},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EscapeText(c.text), c.escaped) << c.text;
  }
}

TEST(ContentLine, FoldsAtSeventyFiveOctetsBetweenCharacters) {
  struct Case {
    const char* what;
    std::string name;
    std::string value;
    std::vector<std::string> lines;  // physical lines, without CRLF
  } cases[] = {
      {"75 octets stay on one line",
       "SUMMARY",
       Repeat("a", 67),
       {Repeat("a", 67, "SUMMARY:")}},
      {"76 octets fold after the 75th",
       "SUMMARY",
       Repeat("a", 68),
       {Repeat("a", 67, "SUMMARY:"), " a"}},
      {"a continuation holds the space and 74 more",
       "X",
       Repeat("b", 73 + 75),
       {Repeat("b", 73, "X:"), Repeat("b", 74, " "), " b"}},
      // 8 + 22 × 3 = 74 octets; the 23rd character would end at 77, so it
      // starts the next line whole.
      {"a Chinese character is not split",
       "SUMMARY",
       Repeat("腊", 24),
       {Repeat("腊", 22, "SUMMARY:"), " 腊腊"}},
      // 8 + 21 × 3 = 71; the emoji's four octets would end at 75 exactly.
      {"a four-octet character may end the line",
       "SUMMARY",
       Repeat("春", 21) + "🐉" + "x",
       {Repeat("春", 21, "SUMMARY:") + "🐉", " x"}},
      {"nor is a two-octet one",
       "SUMMARY",
       Repeat("a", 66) + "é",
       {Repeat("a", 66, "SUMMARY:"), " é"}},
      // Continuations hold 74 octets: 24 characters, the 25th moves on.
      {"continuations keep characters whole too",
       "S",
       Repeat("月", 24 + 25),
       {Repeat("月", 24, "S:"), Repeat("月", 24, " "), " 月"}},
  };
  for (const Case& c : cases) {
    const std::string text = ContentLine(c.name, c.value);
    EXPECT_EQ(PhysicalLines(text), c.lines) << c.what;
    EXPECT_EQ(Unfold(text), c.name + ":" + c.value + "\r\n") << c.what;
  }
}

TEST(Values, DatesAndUtcTimes) {
  // RFC 5545, 3.3.4 and 3.3.5's examples.
  EXPECT_EQ(DateValue(chr::year{1997} / chr::July / 14), "19970714");
  EXPECT_EQ(UtcDateTimeValue(chr::sys_days{chr::year{1998} / 1 / 19} + 7h),
            "19980119T070000Z");
  EXPECT_EQ(DateValue(chr::year{1901} / 2 / 19), "19010219");
  EXPECT_EQ(UtcDateTimeValue(chr::sys_days{chr::year{2100} / 12 / 31} + 23h +
                             59min + 59s),
            "21001231T235959Z");
}

TEST(KeyToken, IsSixtyFourBitFnv1a) {
  // The published FNV-1a test vectors.
  struct Case {
    const char* key;
    const char* token;
  } cases[] = {
      {"", "cbf29ce484222325"},
      {"a", "af63dc4c8601ec8c"},
      {"foobar", "85944171f73967e8"},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyToken(c.key), c.token) << c.key;
}

TEST(CalendarWriter, AnEmptyCalendarHasItsFrame) {
  CalendarWriter writer({"-//Quillet//Test//ZH", "农历, 节日"},
                        chr::sys_seconds{});
  EXPECT_EQ(writer.Finish(),
            "BEGIN:VCALENDAR\r\n"
            "VERSION:2.0\r\n"
            "PRODID:-//Quillet//Test//ZH\r\n"
            "CALSCALE:GREGORIAN\r\n"
            "X-WR-CALNAME:农历\\, 节日\r\n"
            "END:VCALENDAR\r\n");
}

TEST(CalendarWriter, WritesRfc5545sAnniversaryAsOneAllDayEvent) {
  // RFC 5545, 3.6.1's all-day anniversary, less its class and its
  // recurrence rule, with the day's end that the writer states.
  const chr::sys_seconds stamp = chr::sys_days{chr::year{1997} / 9 / 1} + 13h;
  CalendarWriter writer({"-//Quillet//Test//EN", "Test"}, stamp);
  writer.Add({.uid = "19970901T130000Z-123403@example.com",
              .date = chr::year{1997} / 11 / 2,
              .summary = "Our Blissful Anniversary",
              .description = "",
              .categories = {"ANNIVERSARY", "PERSONAL", "SPECIAL OCCASION"},
              .remindDaysBefore = std::nullopt});
  const std::string text = writer.Finish();
  const std::string event =
      "BEGIN:VEVENT\r\n"
      "UID:19970901T130000Z-123403@example.com\r\n"
      "DTSTAMP:19970901T130000Z\r\n"
      "DTSTART;VALUE=DATE:19971102\r\n"
      "DTEND;VALUE=DATE:19971103\r\n"
      "SUMMARY:Our Blissful Anniversary\r\n"
      "CATEGORIES:ANNIVERSARY,PERSONAL,SPECIAL OCCASION\r\n"
      "TRANSP:TRANSPARENT\r\n"
      "END:VEVENT\r\n";
  EXPECT_NE(text.find("X-WR-CALNAME:Test\r\n" + event + "END:VCALENDAR\r\n"),
            std::string::npos)
      << text;
}

TEST(CalendarWriter, EventFieldsAndAlarms) {
  struct Case {
    const char* what;
    AllDayEvent event;
    const char* start;  // DTSTART
    const char* end;    // DTEND
    std::string lines;  // the event's lines from SUMMARY on
  } cases[] = {
      {"a description and categories are escaped",
       {"u1",
        chr::year{2024} / 2 / 10,
        "春节",
        "甲辰年; 正月初一",
        {"节日,假日"},
        std::nullopt},
       "20240210",
       "20240211",
       "SUMMARY:春节\r\nDESCRIPTION:甲辰年\\; 正月初一\r\n"
       "CATEGORIES:节日\\,假日\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n"},
      {"an alarm days before; a leap day ends on 1 March",
       {"u2", chr::year{2024} / 2 / 29, "生日", "", {}, 3},
       "20240229",
       "20240301",
       "SUMMARY:生日\r\nTRANSP:TRANSPARENT\r\nBEGIN:VALARM\r\n"
       "ACTION:DISPLAY\r\nDESCRIPTION:生日\r\nTRIGGER:-P3D\r\n"
       "END:VALARM\r\nEND:VEVENT\r\n"},
      {"an alarm on the day; the last day of a year ends in the next",
       {"u3", chr::year{2024} / 12 / 31, "除夕", "", {}, 0},
       "20241231",
       "20250101",
       "SUMMARY:除夕\r\nTRANSP:TRANSPARENT\r\nBEGIN:VALARM\r\n"
       "ACTION:DISPLAY\r\nDESCRIPTION:除夕\r\nTRIGGER:PT0S\r\n"
       "END:VALARM\r\nEND:VEVENT\r\n"},
  };
  for (const Case& c : cases) {
    CalendarWriter writer({"p", "n"}, chr::sys_seconds{});
    writer.Add(c.event);
    const std::string text = writer.Finish();
    const std::string expected =
        "BEGIN:VEVENT\r\nUID:" + c.event.uid +
        "\r\nDTSTAMP:19700101T000000Z\r\nDTSTART;VALUE=DATE:" + c.start +
        "\r\nDTEND;VALUE=DATE:" + c.end + "\r\n" + c.lines;
    EXPECT_NE(text.find(expected), std::string::npos) << c.what << "\n" << text;
  }
}

// Random UTF-8 text drawn from every length of sequence and from the
// characters TEXT escapes.
std::string RandomText(std::mt19937& random) {
  static constexpr std::pair<char32_t, char32_t> kRanges[] = {
      {0x20, 0x7E},        // ASCII
      {0x80, 0x7FF},       // two octets
      {0x4E00, 0x9FFF},    // CJK, three octets
      {0xE000, 0xFFFD},    // three octets past the surrogates
      {0x10000, 0x10FFFF}  // four octets
  };
  static constexpr char kSpecial[] = {'\\', ';', ',', '\n', ':', ' '};
  std::uniform_int_distribution<int> length(0, 160);
  std::uniform_int_distribution<int> kind(0, 5);
  std::string text;
  for (int n = length(random); n > 0; --n) {
    const int k = kind(random);
    if (k == 5) {
      text += kSpecial[std::uniform_int_distribution<std::size_t>(
          0, std::size(kSpecial) - 1)(random)];
      continue;
    }
    const auto [low, high] = kRanges[k];
    const char32_t c =
        std::uniform_int_distribution<char32_t>(low, high)(random);
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c < 0x800) {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      text += static_cast<char>(0xE0 | (c >> 12));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (c >> 18));
      text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

TEST(ContentLine, UnfoldingAndUnescapingGivesAnyUtf8TextBack) {
  std::mt19937 random(20240210);
  const std::string names[] = {"SUMMARY", "DESCRIPTION",
                               "X-WR-CALNAME;LANGUAGE=zh-CN"};
  for (int round = 0; round < 3000; ++round) {
    const std::string text = RandomText(random);
    ASSERT_TRUE(IsUtf8(text));
    const std::string& name = names[round % 3];
    const std::string written = ContentLine(name, EscapeText(text));
    const std::vector<std::string> lines = PhysicalLines(written);
    ASSERT_FALSE(lines.empty());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_LE(lines[i].size(), 75u) << text;
      EXPECT_TRUE(IsUtf8(lines[i])) << "line " << i << " of " << written;
      EXPECT_EQ(lines[i].find('\n'), std::string::npos);
      if (i > 0) {
        EXPECT_EQ(lines[i][0], ' ');
      }
      // A fold only where it must be: a line shorter than the limit by a
      // whole character would have taken the next one.
      if (i + 1 < lines.size()) {
        EXPECT_GE(lines[i].size(), 72u);
      }
    }
    const std::string logical = Unfold(written);
    ASSERT_EQ(logical.compare(0, name.size() + 1, name + ":"), 0);
    ASSERT_EQ(logical.substr(logical.size() - 2), "\r\n");
    EXPECT_EQ(Unescape(logical.substr(name.size() + 1,
                                      logical.size() - name.size() - 3)),
              text);
  }
}

}  // namespace
