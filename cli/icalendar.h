// Writing iCalendar (RFC 5545) text: content lines, folding, TEXT escaping
// and all-day events. No I/O: the caller decides where the text goes and
// which events it holds.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::ical {

// A content line is at most this many octets before its CRLF; longer ones
// are folded onto continuation lines that begin with one space.
inline constexpr std::size_t kMaxLineOctets = 75;

// TEXT with its backslashes, semicolons, commas and newlines escaped (RFC
// 5545, 3.3.11). A CR LF pair counts as one newline. The text is expected
// to be UTF-8 without other control characters, which TEXT cannot carry.
std::string EscapeText(std::string_view text);

// "NAME:VALUE" as one or more physical lines, each ended by CRLF and at most
// kMaxLineOctets octets long, never split inside a UTF-8 sequence.
std::string ContentLine(std::string_view nameAndParameters,
                        std::string_view value);

// DATE and UTC DATE-TIME values: "19971102", "19970901T130000Z".
std::string DateValue(std::chrono::year_month_day date);
std::string UtcDateTimeValue(std::chrono::sys_seconds instant);

// A stable, ASCII-only token for a key (64-bit FNV-1a, 16 hex digits), for
// UIDs built from texts that may hold anything.
std::string KeyToken(std::string_view key);

// One occurrence on one whole day, or on `days` whole days from `date`:
// DTSTART;VALUE=DATE and DTEND the day after the last, shown as free time
// (TRANSP:TRANSPARENT).
struct AllDayEvent {
  std::string uid;
  std::chrono::year_month_day date;
  std::string summary;
  std::string description;              // left out when empty
  std::vector<std::string> categories;  // left out when empty
  // An alarm that many days before the day begins.
  std::optional<int> remindDaysBefore;
  int days = 1;
};

struct CalendarHeader {
  std::string productId;     // PRODID
  std::string calendarName;  // X-WR-CALNAME, which many clients show
};

// Collects a VCALENDAR's text: the header, then each event as it is added;
// Finish closes it. DTSTAMP, which RFC 5545 asks of every event, is the one
// instant given here, so the same events give the same bytes.
class CalendarWriter {
 public:
  CalendarWriter(const CalendarHeader& header, std::chrono::sys_seconds stamp);
  void Add(const AllDayEvent& event);
  // Room for that many events of a typical size, so that a long calendar
  // is not copied as it grows.
  void Reserve(std::size_t events);
  // The whole calendar; the writer is spent afterwards.
  std::string Finish();

 private:
  std::string text_;
  std::string stamp_;
};

}  // namespace quillet::ical
