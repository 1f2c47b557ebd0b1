#!/usr/bin/env python3
"""quillet-lunar's output read by other programs' rules: JSON Lines by
Python's own JSON parser, and the grids of `cal` measured by the East Asian
Width of Python's Unicode database. Expected values are computed here in
other ways: weekdays by Python's datetime, stem-branch days by counting from
1949-10-01 (甲子, a published fact).

Usage: check_output.py <quillet-lunar program>
"""
import datetime
import json
import subprocess
import sys
import unicodedata

PROGRAM = sys.argv[1]
STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
CYCLE = [STEMS[i % 10] + BRANCHES[i % 12] for i in range(60)]
DAY_KEYS = ["gregorian", "weekday", "lunar", "text", "ganzhi", "zodiac",
            "term", "note", "festivals"]
failures = []


def run(*args, stdin=""):
    done = subprocess.run([PROGRAM, *args], input=stdin.encode(),
                          capture_output=True, check=False)
    return done.returncode, done.stdout.decode(), done.stderr.decode()


def expect(condition, what):
    if not condition:
        failures.append(what)


def json_lines(text):
    return [json.loads(line) for line in text.splitlines()]


def check_day(day):
    """One day's object against what Python computes itself."""
    date = datetime.date.fromisoformat(day["gregorian"])
    expect(list(day) [:len(DAY_KEYS)] == DAY_KEYS, f"keys of {date}: {list(day)}")
    expect(day["weekday"] == date.isoweekday(), f"weekday of {date}")
    offset = (date - datetime.date(1949, 10, 1)).days
    expect(day["ganzhi"]["day"] == CYCLE[offset % 60], f"day ganzhi of {date}")
    lunar = day["lunar"]
    expect(sorted(lunar) == ["day", "leap", "month", "month_days", "year"],
           f"lunar keys of {date}")
    expect(isinstance(lunar["leap"], bool), f"leap of {date}")
    expect(lunar["month_days"] in (29, 30) and 1 <= lunar["day"] <= lunar["month_days"],
           f"lunar day of {date}")
    expect(day["ganzhi"]["year"] in CYCLE and day["ganzhi"]["month"] in CYCLE,
           f"ganzhi of {date}")
    term = day["term"]
    if term is not None:
        instant = datetime.datetime.fromisoformat(term["instant"])
        expect(instant.utcoffset() == datetime.timedelta(hours=8)
               and instant.date() == date, f"term instant of {date}")
    expect(isinstance(day["festivals"], list), f"festivals of {date}")


# One day, as interfaces.md gives it: 2024-02-10, the lunar new year.
status, out, err = run("--json", "2024-02-10")
expect(status == 0 and err == "", f"--json 2024-02-10: {status} {err}")
day = json_lines(out)[0]
expect(day["lunar"] == {"year": 2024, "month": 1, "day": 1, "leap": False,
                        "month_days": 29}, f"lunar of 2024-02-10: {day['lunar']}")
expect(day["text"] == "正月初一" and day["zodiac"] == "龙"
       and day["ganzhi"] == {"year": "甲辰", "month": "丙寅", "day": "甲辰"}
       and day["term"] is None and day["note"] == ""
       and day["festivals"] == ["春节"], f"2024-02-10: {day}")

# The whole range: every line one object, one a day, in order.
status, out, err = run("--json", "--tsv", "1901-02-19", "2100-12-31")
days = json_lines(out)
expect(status == 0 and err == "", f"--json --tsv: {status} {err}")
first = datetime.date(1901, 2, 19)
expect(len(days) == (datetime.date(2100, 12, 31) - first).days + 1,
       f"days in the range: {len(days)}")
for index, day in enumerate(days):
    expect(day["gregorian"] == (first + datetime.timedelta(index)).isoformat(),
           f"day {index}: {day['gregorian']}")
    check_day(day)
    if len(failures) > 20:
        break
# The month's stem-branch name moves on by one, and only on the day of one of
# the twelve 节, the terms that begin the months of the solar year.
JIE = {"小寒", "立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露",
       "寒露", "立冬", "大雪"}
for before, day in zip(days, days[1:]):
    month, previous = day["ganzhi"]["month"], before["ganzhi"]["month"]
    if month != previous:
        expect(CYCLE.index(month) == (CYCLE.index(previous) + 1) % 60
               and day["term"] is not None and day["term"]["name"] in JIE,
               f"month ganzhi changes on {day['gregorian']}")
terms = [day for day in days if day["term"] is not None]
expect(len(terms) == 200 * 24 - 3, f"terms in the range: {len(terms)}")

# The terms of a year, and a list from standard input with a bad line.
status, out, err = run("--json", "--traditional", "--terms", "2024")
objects = json_lines(out)
expect(len(objects) == 24 and all(list(o) == ["name", "date", "instant"]
                                  for o in objects), "--json --terms keys")
expect(objects[4]["name"] == "驚蟄" and objects[4]["date"] == "2024-03-05",
       f"2024's fifth term: {objects[4]}")
status, out, err = run("--json", "-", stdin="2024-02-10\nnot a date\n2024-02-09\n")
objects = json_lines(out)
expect(status == 2 and [o["gregorian"] for o in objects] == ["2024-02-10", "2024-02-09"]
       and err.count("\n") == 1 and "line 2" in err, f"- with a bad line: {status} {err}")


def width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else
               0 if unicodedata.combining(c) else 1 for c in text)


# Every year's grids in both scripts, either first weekday: every line the
# same width.
for year in range(1901, 2101):
    for options in ([], ["--traditional"], ["--monday"]):
        status, out, err = run("cal", *options, str(year))
        lines = out.splitlines()
        widths = {width(line) for line in lines if line}
        expect(status == 0 and widths == {3 * 35 + 2 * 2},
               f"cal {' '.join(options)} {year}: widths {sorted(widths)}")
        expect("\x1b" not in out, f"cal {year} piped has escapes")

if failures:
    for failure in failures[:20]:
        print("FAIL:", failure, file=sys.stderr)
print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
