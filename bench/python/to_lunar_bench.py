"""quillet_lunar and python3-lunardate side by side, in one run.

Times to_lunar over every day from 1901-02-19 (the first day quillet_lunar
serves) to 2099-12-31 for both modules, each called as its users call it,
then quillet_lunar.lunar_dates over its whole range; and counts the days on
which the two give different lunar dates, listing them as runs of days.

Usage: python3 to_lunar_bench.py   (with quillet_lunar and lunardate
importable; bench/python/run.sh sets that up)
"""

import datetime
import statistics
import time

import lunardate
import quillet_lunar

FIRST = datetime.date(1901, 2, 19)
LAST = datetime.date(2099, 12, 31)
REPEATS = 5


def days(first, last):
    day = first
    while day <= last:
        yield day
        day += datetime.timedelta(days=1)


def best_of(repeats, run):
    """The fastest of `repeats` runs, and their median, in seconds."""
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return min(times), statistics.median(times)


def main():
    every_day = list(days(FIRST, LAST))
    n = len(every_day)
    to_lunar = quillet_lunar.to_lunar
    from_solar = lunardate.LunarDate.fromSolarDate

    def quillet_loop():
        for day in every_day:
            to_lunar(day)

    def lunardate_loop():
        for day in every_day:
            from_solar(day.year, day.month, day.day)

    def quillet_bulk():
        quillet_lunar.lunar_dates(quillet_lunar.FIRST_DAY, quillet_lunar.LAST_DAY)

    quillet_best, quillet_median = best_of(REPEATS, quillet_loop)
    other_best, other_median = best_of(3, lunardate_loop)
    bulk_best, bulk_median = best_of(REPEATS, quillet_bulk)
    bulk_days = (quillet_lunar.LAST_DAY - quillet_lunar.FIRST_DAY).days + 1

    print(f"to_lunar over {n} days, {FIRST}..{LAST} (best of runs; median):")
    print(f"  quillet_lunar.to_lunar            {quillet_best / n * 1e9:8.0f} ns a call"
          f"  ({quillet_median / n * 1e9:.0f})")
    print(f"  lunardate.LunarDate.fromSolarDate {other_best / n * 1e9:8.0f} ns a call"
          f"  ({other_median / n * 1e9:.0f})")
    print(f"  quillet_lunar is {other_best / quillet_best:.0f}x faster")
    print(f"lunar_dates over {bulk_days} days: {bulk_best * 1e3:.1f} ms"
          f"  ({bulk_median * 1e3:.1f})")

    # Where the two differ, as runs of consecutive days.
    runs = []
    for day, lunar in zip(every_day, quillet_lunar.lunar_dates(FIRST, LAST)):
        other = from_solar(day.year, day.month, day.day)
        ours = (lunar.year, lunar.month, lunar.day, lunar.leap)
        theirs = (other.year, other.month, other.day, bool(other.isLeapMonth))
        if ours == theirs:
            continue
        if runs and runs[-1][1] + datetime.timedelta(days=1) == day:
            runs[-1][1] = day
        else:
            runs.append([day, day, ours, theirs])
    differing = sum((last - first).days + 1 for first, last, _, _ in runs)
    print(f"days on which the lunar dates differ: {differing}, in {len(runs)} runs")
    for first, last, ours, theirs in runs:
        span = f"{first}" if first == last else f"{first}..{last}"
        print(f"  {span}: quillet_lunar {format_date(ours)}, lunardate "
              f"{format_date(theirs)} (first day)")


def format_date(value):
    year, month, day, leap = value
    return f"{year}-{'闰' if leap else ''}{month}-{day}"


if __name__ == "__main__":
    main()
