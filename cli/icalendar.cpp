#include "cli/icalendar.h"

#include <cstdio>
#include <utility>

namespace quillet::ical {
namespace {

namespace chr = std::chrono;

constexpr std::string_view kLineEnd = "\r\n";

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\':
      case ';':
      case ',':
        out += '\\';
        out += c;
        break;
      case '\r':
        // CR LF, or a CR alone: one line break either way.
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "\\n";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
}

// Appends `line` folded: a first line of at most kMaxLineOctets octets, then
// continuation lines of one space and at most kMaxLineOctets - 1 octets. A
// cut that would fall inside a UTF-8 sequence moves back to its lead byte
// (a sequence is at most four octets, so at most three steps; text that is
// not UTF-8 is cut where it must be).
void AppendFolded(std::string& out, std::string_view line) {
  std::size_t room = kMaxLineOctets;
  while (line.size() > room) {
    std::size_t cut = room;
    for (int step = 0; step < 3 && IsContinuationByte(line[cut]); ++step) {
      --cut;
    }
    if (IsContinuationByte(line[cut])) cut = room;
    out.append(line.substr(0, cut));
    out += kLineEnd;
    out += ' ';
    line.remove_prefix(cut);
    room = kMaxLineOctets - 1;
  }
  out.append(line);
  out += kLineEnd;
}

// A property whose value is already in its final form (escaped TEXT, a
// DATE, a number).
void AppendLine(std::string& out, std::string_view nameAndParameters,
                std::string_view value) {
  if (nameAndParameters.size() + 1 + value.size() <= kMaxLineOctets) {
    // Most lines need no fold: straight into the text.
    out.append(nameAndParameters);
    out += ':';
    out.append(value);
    out += kLineEnd;
    return;
  }
  std::string line;
  line.reserve(nameAndParameters.size() + 1 + value.size());
  line.append(nameAndParameters);
  line += ':';
  line.append(value);
  AppendFolded(out, line);
}

void AppendTextLine(std::string& out, std::string_view name,
                    std::string_view text) {
  std::string value;
  value.reserve(text.size() + 8);
  AppendEscaped(value, text);
  AppendLine(out, name, value);
}

// How long before an all-day event's start its alarm goes off, as an RFC
// 5545 DURATION: "-P3D", or "PT0S" for the start itself.
std::string TriggerValue(int daysBefore) {
  if (daysBefore == 0) return "PT0S";
  return "-P" + std::to_string(daysBefore) + "D";
}

}  // namespace

std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  AppendEscaped(out, text);
  return out;
}

std::string ContentLine(std::string_view nameAndParameters,
                        std::string_view value) {
  std::string out;
  AppendLine(out, nameAndParameters, value);
  return out;
}

std::string DateValue(chr::year_month_day date) {
  char text[16];
  std::snprintf(
      text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()),
      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::string UtcDateTimeValue(chr::sys_seconds instant) {
  const auto day = chr::floor<chr::days>(instant);
  const chr::hh_mm_ss clock{instant - day};
  char text[16];
  std::snprintf(text, sizeof text, "T%02d%02d%02dZ",
                static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return DateValue(chr::year_month_day{day}) + text;
}

std::string KeyToken(std::string_view key) {
  // FNV-1a, 64 bits: offset basis and prime as its authors publish them.
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : key) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3u;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx",
                static_cast<unsigned long long>(hash));
  return text;
}

CalendarWriter::CalendarWriter(const CalendarHeader& header,
                               chr::sys_seconds stamp)
    : stamp_(UtcDateTimeValue(stamp)) {
  AppendLine(text_, "BEGIN", "VCALENDAR");
  AppendLine(text_, "VERSION", "2.0");
  AppendTextLine(text_, "PRODID", header.productId);
  AppendLine(text_, "CALSCALE", "GREGORIAN");
  AppendTextLine(text_, "X-WR-CALNAME", header.calendarName);
}

void CalendarWriter::Add(const AllDayEvent& event) {
  const chr::year_month_day next{chr::sys_days{event.date} +
                                 chr::days{event.days}};
  AppendLine(text_, "BEGIN", "VEVENT");
  AppendTextLine(text_, "UID", event.uid);
  AppendLine(text_, "DTSTAMP", stamp_);
  AppendLine(text_, "DTSTART;VALUE=DATE", DateValue(event.date));
  AppendLine(text_, "DTEND;VALUE=DATE", DateValue(next));
  AppendTextLine(text_, "SUMMARY", event.summary);
  if (!event.description.empty()) {
    AppendTextLine(text_, "DESCRIPTION", event.description);
  }
  if (!event.categories.empty()) {
    // A list of TEXT values: each escaped on its own, then joined by commas.
    std::string value;
    for (const std::string& category : event.categories) {
      if (!value.empty()) value += ',';
      AppendEscaped(value, category);
    }
    AppendLine(text_, "CATEGORIES", value);
  }
  AppendLine(text_, "TRANSP", "TRANSPARENT");
  if (event.remindDaysBefore) {
    AppendLine(text_, "BEGIN", "VALARM");
    AppendLine(text_, "ACTION", "DISPLAY");
    AppendTextLine(text_, "DESCRIPTION", event.summary);
    AppendLine(text_, "TRIGGER", TriggerValue(*event.remindDaysBefore));
    AppendLine(text_, "END", "VALARM");
  }
  AppendLine(text_, "END", "VEVENT");
}

void CalendarWriter::Reserve(std::size_t events) {
  // An all-day event with a short summary, a description and a category
  // takes about 250 octets.
  text_.reserve(text_.size() + events * 256);
}

std::string CalendarWriter::Finish() {
  AppendLine(text_, "END", "VCALENDAR");
  return std::move(text_);
}

}  // namespace quillet::ical
