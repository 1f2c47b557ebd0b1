// Reads an iCalendar file with libical and lists what it understood, in the
// listing that ics_read_icalendar.py writes too:
//
//   calendar <TAB> X-WR-CALNAME <TAB> VERSION <TAB> PRODID <TAB> CALSCALE
//   then per VEVENT: DTSTART <TAB> DTEND <TAB> SUMMARY <TAB> UID <TAB>
//   CATEGORIES (joined by ",") <TAB> DESCRIPTION <TAB> TRANSP <TAB>
//   the alarms' offsets before the start in seconds (joined by ","), or "-"
//
// dates as YYYY-MM-DD, tabs, newlines and backslashes in texts written \t \n
// \\. Exit 1, with the reasons on standard error, when libical reports a
// parse error or a property that RFC 5545 requires or forbids.
#include <libical/ical.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string Field(const char* text) {
  std::string out;
  for (const char* c = text ? text : ""; *c; ++c) {
    switch (*c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += *c;
    }
  }
  return out;
}

// A DATE as YYYY-MM-DD; a DATE-TIME where a DATE belongs is an error.
std::string Date(icaltimetype time, int& errors) {
  if (icaltime_is_null_time(time)) {
    ++errors;
    std::cerr << "missing date\n";
    return "?";
  }
  if (!time.is_date) {
    ++errors;
    std::cerr << "a date-time where an all-day date belongs: "
              << icaltime_as_ical_string(time) << "\n";
  }
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month,
                time.day);
  return text;
}

// A property's value as the reader hands it to a program (unescaped), or ""
// when the property is missing.
template <typename Get>
const char* Value(icalcomponent* component, icalproperty_kind kind, Get get) {
  icalproperty* property = icalcomponent_get_first_property(component, kind);
  return property ? get(property) : "";
}

// libical writes X-LIC-ERROR properties where it could not read the text;
// icalrestriction_check adds them where a property is missing, repeated or
// out of place.
int CountErrors(icalcomponent* calendar) {
  int errors = 0;
  if (!icalrestriction_check(calendar)) ++errors;
  for (icalcomponent* c = calendar; c;) {
    for (icalproperty* p =
             icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY);
         p; p = icalcomponent_get_next_property(c, ICAL_XLICERROR_PROPERTY)) {
      ++errors;
      std::cerr << icalproperty_get_xlicerror(p) << "\n";
    }
    c = c == calendar
            ? icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT)
            : icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT);
  }
  return errors;
}

// RFC 5545 asks every VEVENT for exactly one UID and one DTSTAMP, and this
// listing for one DTSTART; libical's own check leaves them to the reader.
int CountMissing(icalcomponent* event) {
  int errors = 0;
  for (const icalproperty_kind kind :
       {ICAL_UID_PROPERTY, ICAL_DTSTAMP_PROPERTY, ICAL_DTSTART_PROPERTY}) {
    const int count = icalcomponent_count_properties(event, kind);
    if (count != 1) {
      ++errors;
      std::cerr << count << " " << icalproperty_kind_to_string(kind)
                << " in an event\n";
    }
  }
  return errors;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ics_read_libical FILE.ics\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  if (!in) {
    std::cerr << "cannot read " << argv[1] << "\n";
    return 2;
  }
  icalcomponent* calendar = icalparser_parse_string(buffer.str().c_str());
  if (!calendar || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) {
    std::cerr << "not one VCALENDAR\n";
    return 1;
  }
  int errors = CountErrors(calendar);
  std::string name;
  for (icalproperty* p =
           icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY);
       p; p = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
    if (std::string{icalproperty_get_x_name(p)} == "X-WR-CALNAME") {
      name = icalproperty_get_x(p);
    }
  }
  std::string out =
      "calendar\t" + Field(name.c_str()) + "\t" +
      Field(Value(calendar, ICAL_VERSION_PROPERTY, icalproperty_get_version)) +
      "\t" +
      Field(Value(calendar, ICAL_PRODID_PROPERTY, icalproperty_get_prodid)) +
      "\t" +
      Field(
          Value(calendar, ICAL_CALSCALE_PROPERTY, icalproperty_get_calscale)) +
      "\n";
  for (icalcomponent* event =
           icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
       event; event = icalcomponent_get_next_component(calendar,
                                                       ICAL_VEVENT_COMPONENT)) {
    errors += CountMissing(event);
    std::string categories;
    for (icalproperty* p =
             icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
         p;
         p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY)) {
      if (!categories.empty()) categories += ",";
      categories += icalproperty_get_categories(p);
    }
    std::string alarms;
    for (icalcomponent* alarm =
             icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
         alarm; alarm = icalcomponent_get_next_component(
                    event, ICAL_VALARM_COMPONENT)) {
      icalproperty* trigger =
          icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
      if (!trigger) {
        ++errors;
        std::cerr << "an alarm without a trigger\n";
        continue;
      }
      const icaltriggertype value = icalproperty_get_trigger(trigger);
      if (!alarms.empty()) alarms += ",";
      alarms += std::to_string(-icaldurationtype_as_int(value.duration));
    }
    out += Date(icalcomponent_get_dtstart(event), errors) + "\t" +
           Date(icalcomponent_get_dtend(event), errors) + "\t" +
           Field(icalcomponent_get_summary(event)) + "\t" +
           Field(icalcomponent_get_uid(event)) + "\t" +
           Field(categories.c_str()) + "\t" +
           Field(icalcomponent_get_description(event)) + "\t" +
           Field(Value(event, ICAL_TRANSP_PROPERTY,
                       icalproperty_get_value_as_string)) +
           "\t" + (alarms.empty() ? "-" : alarms) + "\n";
  }
  icalcomponent_free(calendar);
  std::cout << out;
  if (errors > 0) {
    std::cerr << errors << " error(s)\n";
    return 1;
  }
  return 0;
}
