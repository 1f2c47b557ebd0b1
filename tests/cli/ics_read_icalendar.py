"""Reads an iCalendar file with Debian's python3-icalendar and lists what it
understood, in the listing that ics_read_libical writes too (see there):
one calendar line, then one line per VEVENT. Exit 1, with the reasons on
standard error, when the parser reports an error or a required property is
missing."""

import datetime
import sys

import icalendar


def field(value):
    text = "" if value is None else str(value)
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def main():
    if len(sys.argv) != 2:
        print("usage: ics_read_icalendar.py FILE.ics", file=sys.stderr)
        return 2
    with open(sys.argv[1], "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    errors = []
    for component in calendar.walk():
        for prop, message in getattr(component, "errors", []):
            errors.append(f"{component.name} {prop}: {message}")

    def date(event, name):
        prop = event.get(name)
        if prop is None:
            errors.append(f"missing {name}")
            return "?"
        value = prop.dt
        if isinstance(value, datetime.datetime) or not isinstance(
            value, datetime.date
        ):
            errors.append(f"{name} {value!r} is not an all-day date")
        return value.isoformat()

    out = [
        "\t".join(
            [
                "calendar",
                field(calendar.get("X-WR-CALNAME")),
                field(calendar.get("VERSION")),
                field(calendar.get("PRODID")),
                field(calendar.get("CALSCALE")),
            ]
        )
    ]
    for event in calendar.walk("VEVENT"):
        for name in ("UID", "DTSTAMP", "DTSTART"):
            if name not in event:
                errors.append(f"0 {name} in an event")
        categories = event.get("CATEGORIES")
        if categories is None:
            categories = []
        elif not isinstance(categories, list):
            categories = [categories]
        cats = [str(c) for prop in categories for c in prop.cats]
        alarms = []
        for alarm in event.walk("VALARM"):
            trigger = alarm.get("TRIGGER")
            if trigger is None:
                errors.append("an alarm without a trigger")
                continue
            alarms.append(str(int(-trigger.dt.total_seconds())))
        out.append(
            "\t".join(
                [
                    date(event, "DTSTART"),
                    date(event, "DTEND"),
                    field(event.get("SUMMARY")),
                    field(event.get("UID")),
                    field(",".join(cats)),
                    field(event.get("DESCRIPTION")),
                    field(event.get("TRANSP")),
                    ",".join(alarms) if alarms else "-",
                ]
            )
        )
    sys.stdout.write("\n".join(out) + "\n")
    if errors:
        for message in errors:
            print(message, file=sys.stderr)
        print(f"{len(errors)} error(s)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
