"""The Python module seen against quillet-lunar and against published dates.

The calendar's own truth is tested in C++; these check the binding: that
Python's values go in and come out right, and that every bad argument is a
Python exception, never a crash.
"""

import datetime
import json
import os
import pickle
import random
import subprocess

import pytest

import quillet_lunar as q

D = datetime.date
QUILLET_LUNAR = os.environ["QUILLET_LUNAR"]


def run_cli(*args: str, stdin: str | None = None) -> str:
    return subprocess.run(
        [QUILLET_LUNAR, *args],
        input=stdin,
        capture_output=True,
        text=True,
        check=True,
    ).stdout


def test_every_day_of_the_range_agrees_with_quillet_lunar_tsv():
    rows = run_cli("--tsv", "1901-02-19", "2100-12-31").splitlines()[1:]
    dates = q.lunar_dates(D(1901, 2, 19), D(2100, 12, 31))
    assert len(rows) == len(dates) == 73000
    day = D(1901, 2, 19)
    for row, lunar in zip(rows, dates):
        fields = row.split("\t")
        assert fields[0] == day.isoformat()
        assert (lunar.year, lunar.month, lunar.leap, lunar.day) == (
            int(fields[1]),
            int(fields[2]),
            fields[3] == "1",
            int(fields[4]),
        ), fields[0]
        day += datetime.timedelta(days=1)


def test_round_trips_over_the_range():
    first, last = q.FIRST_DAY, q.LAST_DAY
    assert (first, last) == (D(1901, 2, 19), D(2100, 12, 31))
    day = first
    for lunar in q.lunar_dates(first, last):
        assert q.to_gregorian(lunar.year, lunar.month, lunar.day, lunar.leap) == day
        day += datetime.timedelta(days=1)
    # A LunarDate survives repr, pickling and a datetime's date.
    for lunar in q.lunar_dates(D(2023, 3, 20), D(2023, 3, 24)):
        assert eval(repr(lunar), {"quillet_lunar": q}) == lunar
        assert pickle.loads(pickle.dumps(lunar)) == lunar
    assert q.to_lunar(datetime.datetime(2024, 2, 10, 23, 59)) == q.to_lunar(
        D(2024, 2, 10)
    )


# Published dates: the Spring Festivals, 2023's leap second month (闰二月
# from 2023-03-22) and 2020's leap fourth (闰四月 from 2020-05-23).
@pytest.mark.parametrize(
    "day, value, text, traditional",
    [
        (D(2024, 2, 10), (2024, 1, 1, False), "正月初一", "正月初一"),
        (D(2024, 2, 9), (2023, 12, 30, False), "腊月三十", "臘月三十"),
        (D(2023, 3, 22), (2023, 2, 1, True), "闰二月初一", "閏二月初一"),
        (D(2023, 3, 21), (2023, 2, 30, False), "二月三十", "二月三十"),
        (D(2020, 5, 23), (2020, 4, 1, True), "闰四月初一", "閏四月初一"),
        (D(2027, 2, 6), (2027, 1, 1, False), "正月初一", "正月初一"),
    ],
)
def test_lunar_dates_of_published_days(day, value, text, traditional):
    lunar = q.to_lunar(day)
    assert (lunar.year, lunar.month, lunar.day, lunar.leap) == value
    assert str(lunar) == text
    assert lunar.text(traditional=True) == traditional
    assert q.LunarDate(*value) == lunar
    assert q.to_gregorian(*value) == day


def test_lunar_dates_are_ordered_as_the_days_fall():
    days = q.lunar_dates(D(2023, 2, 18), D(2023, 5, 1))
    assert days == sorted(days, key=lambda d: (d.year, d.month, d.leap, d.day))
    assert sorted(reversed(days)) == days
    assert q.LunarDate(2023, 2, 30) < q.LunarDate(2023, 2, 1, leap=True)
    assert len({*days, *days}) == len(days)  # hashable, equal ones collapse
    assert q.lunar_dates(D(2024, 1, 2), D(2024, 1, 1)) == []
    assert (q.LunarDate(2024, 1, 1) == (2024, 1, 1, False)) is False


def test_month_lengths_terms_and_names():
    assert [q.month_days(2023, m) for m in (1, 2)] == [29, 30]
    assert q.month_days(2023, 2, leap=True) == 29
    terms = q.solar_terms(2024)
    assert [t.name for t in terms[:3]] == ["小寒", "大寒", "立春"]
    listed = [json.loads(line) for line in run_cli("--json", "--terms", "2024").splitlines()]
    assert [(t.name, t.instant.isoformat()) for t in terms] == [
        (t["name"], t["instant"]) for t in listed
    ]
    assert terms[2].instant.utcoffset() == datetime.timedelta(hours=8)
    assert q.term_on(D(2024, 2, 4)) == terms[2]
    assert q.term_on(D(2024, 2, 5)) is None
    assert q.solar_terms(2024, traditional=True)[4].name == "驚蟄"
    assert q.ganzhi(D(2024, 2, 10)) == ("甲辰", "丙寅", "甲辰")
    # Between 立春 and the new year the two reckonings of the year differ.
    assert q.ganzhi(D(2024, 2, 5)).year == "癸卯"
    assert q.ganzhi(D(2024, 2, 5), year_start="spring").year == "甲辰"
    assert (q.zodiac(2024), q.zodiac(2024, traditional=True)) == ("龙", "龍")


# Born on 2020's 闰四月初一; born on 腊月三十 of lunar 2023, when the five
# lunar years after it have a 腊月 of 29 days (no 年三十 2025..2029). The
# days are the published ones: 四月初一 of each year, and the eve of each
# Spring Festival.
@pytest.mark.parametrize(
    "born, years, leap_rule, missing_day, expected",
    [
        (D(2020, 5, 23), (2020, 2023), "when_present", "last",
         [D(2020, 5, 23), D(2021, 5, 12), D(2022, 5, 1), D(2023, 5, 19)]),
        (D(2020, 5, 23), (2020, 2021), "ordinary", "last",
         [D(2020, 4, 23), D(2021, 5, 12)]),
        (D(2020, 5, 23), (2020, 2030), "leap_only", "last", [D(2020, 5, 23)]),
        (D(2024, 2, 9), (2024, 2028), "when_present", "last",
         [D(2025, 1, 28), D(2026, 2, 16), D(2027, 2, 5), D(2028, 1, 25),
          D(2029, 2, 12)]),
        (D(2024, 2, 9), (2024, 2028), "when_present", "skip", []),
        (q.LunarDate(2023, 12, 30), (2025, 2025), "ordinary", "last",
         [D(2026, 2, 16)]),
    ],
)
def test_anniversaries(born, years, leap_rule, missing_day, expected):
    got = q.anniversaries(born, *years, leap_rule=leap_rule, missing_day=missing_day)
    assert got == expected


def test_official_days():
    # 国务院办公厅 notice for 2025: 10-01..10-08 off, 09-28 and 10-11 worked.
    assert q.official_day(D(2025, 10, 1)) == ("rest", "国庆节、中秋节", True, "notice")
    assert q.official_day(D(2025, 9, 28)).kind == "work"
    assert q.official_day(D(2025, 10, 9)) is None
    table = [(D(2025, 10, 1), False), (D(2025, 9, 28), True), (D(2025, 10, 9), True),
             (D(2025, 10, 12), False)]
    for day, workday in table:
        assert q.is_workday(day) is workday, day
    with pytest.raises(LookupError, match=f"2006..{q.LAST_NOTICE_YEAR}"):
        q.is_workday(D(q.LAST_NOTICE_YEAR + 1, 3, 2))
    assert q.festivals(D(2025, 10, 1)) == ["国庆节"]


def test_day_dict_is_quillet_lunar_json():
    rng = random.Random(20261210)
    days = [q.FIRST_DAY, q.LAST_DAY, D(2024, 2, 10), D(2025, 10, 1), D(2027, 3, 1)]
    days += [q.FIRST_DAY + datetime.timedelta(days=rng.randrange(73000))
             for _ in range(60)]
    for traditional in (False, True):
        flags = ["--json"] + (["--traditional"] if traditional else [])
        out = run_cli(*flags, "-", stdin="".join(f"{d}\n" for d in days))
        for day, line in zip(days, out.splitlines(), strict=True):
            listed = json.loads(line)
            assert q.day(day, traditional=traditional) == listed, day
            # The functions that answer one part of the day say the same.
            lunar = q.to_lunar(day)
            assert {"year": lunar.year, "month": lunar.month, "day": lunar.day,
                    "leap": lunar.leap} == {k: listed["lunar"][k] for k in
                                            ("year", "month", "day", "leap")}
            assert q.month_days(lunar.year, lunar.month, lunar.leap) == (
                listed["lunar"]["month_days"])
            assert lunar.text(traditional=traditional) == listed["text"]
            assert q.ganzhi(day)._asdict() == listed["ganzhi"]
            assert q.zodiac(lunar.year, traditional=traditional) == listed["zodiac"]
            term = q.term_on(day, traditional=traditional)
            assert (term and {"name": term.name, "instant": term.instant.isoformat()}
                    ) == listed["term"]
            assert q.festivals(day) == listed["festivals"]
            official = q.official_day(day)
            assert (official and official._asdict()) == listed["official"]
            try:
                assert q.is_workday(day) is listed["workday"]
            except LookupError:
                assert listed["workday"] is None


# Each call: the exception it must raise.
BAD_CALLS = [
    (lambda: q.to_lunar("2024-02-10"), TypeError),
    (lambda: q.to_lunar(None), TypeError),
    (lambda: q.to_lunar(20240210), TypeError),
    (lambda: q.to_lunar(), TypeError),
    (lambda: q.to_lunar(day=D(2024, 2, 10)), TypeError),
    (lambda: q.to_lunar(D(2024, 2, 10), D(2024, 2, 11)), TypeError),
    (lambda: q.to_lunar(D(1901, 2, 18)), ValueError),
    (lambda: q.to_lunar(D(2101, 1, 1)), ValueError),
    (lambda: q.to_gregorian(2024, 1, 30), ValueError),
    (lambda: q.to_gregorian(2024, 2, 1, leap=True), ValueError),
    (lambda: q.to_gregorian(2024, 13, 1), ValueError),
    (lambda: q.to_gregorian(1900, 1, 1), ValueError),
    (lambda: q.to_gregorian(2024.0, 1, 1), TypeError),
    (lambda: q.LunarDate(2024, 1, 31), ValueError),
    (lambda: q.lunar_dates(D(1901, 1, 1), D(1901, 3, 1)), ValueError),
    (lambda: q.month_days(2024, 0), ValueError),
    (lambda: q.solar_terms(1900), ValueError),
    (lambda: q.ganzhi(D(2024, 1, 1), year_start="立春"), ValueError),
    (lambda: q.zodiac(3000), ValueError),
    (lambda: q.anniversaries(D(2024, 1, 1), 2024, 2101), ValueError),
    (lambda: q.anniversaries(D(2024, 1, 1), 2024, 2025, leap_rule="x"), ValueError),
    (lambda: q.anniversaries("x", 2024, 2025), TypeError),
    (lambda: q.official_day(D(1, 1, 1)), ValueError),
    (lambda: q.day(D(9999, 12, 31)), ValueError),
]


@pytest.mark.parametrize("call, error", BAD_CALLS)
def test_bad_arguments_raise_python_errors(call, error):
    with pytest.raises(error) as raised:
        call()
    assert type(raised.value) is error


def test_random_arguments_never_crash():
    rng = random.Random(7)
    values = [None, 0, -1, 1, 2**64, -(2**70), 3.5, float("nan"), "", "正月", b"\xff",
              [], {}, (2024, 1, 1), True, D(1, 1, 1), D(9999, 12, 31), D(2024, 2, 10),
              datetime.datetime(2024, 2, 10, tzinfo=datetime.timezone.utc),
              q.LunarDate(2024, 1, 1), "when_present", "skip", "spring", object()]
    entry_points = [q.to_lunar, q.to_gregorian, q.lunar_dates, q.month_days,
                    q.solar_terms, q.term_on, q.ganzhi, q.zodiac, q.anniversaries,
                    q.festivals, q.official_day, q.is_workday, q.day, q.LunarDate]
    for _ in range(20000):
        function = rng.choice(entry_points)
        args = [rng.choice(values) for _ in range(rng.randrange(6))]
        keywords = {rng.choice(["date", "leap", "traditional", "year_start",
                                "leap_rule", "start", "x"]): rng.choice(values)
                    for _ in range(rng.randrange(3))}
        try:
            function(*args, **keywords)
        except (TypeError, ValueError, LookupError):
            pass


def test_every_function_is_documented():
    for name in q.__all__:
        value = getattr(q, name)
        if callable(value):
            assert value.__doc__ and len(value.__doc__) > 40, name


def test_stub_names_the_parameters_the_module_takes():
    # pybind11 writes each function's signature as its docstring's first line,
    # "to_lunar(date: datetime.date) -> quillet_lunar.LunarDate"; the stub
    # must name the same parameters in the same order.
    import ast
    import pathlib
    import re

    stub = pathlib.Path(q.__file__).with_name("__init__.pyi")
    functions = {
        node.name: node
        for node in ast.parse(stub.read_text(encoding="utf-8")).body
        if isinstance(node, ast.FunctionDef)
    }
    assert set(functions) == {n for n in q.__all__ if callable(getattr(q, n))
                              and not isinstance(getattr(q, n), type)}
    for name, node in functions.items():
        stub_params = [a.arg for a in (*node.args.args, *node.args.kwonlyargs)]
        signature = getattr(q, name).__doc__.splitlines()[0]
        assert re.findall(r"(\w+): ", signature) == stub_params, signature


def test_readme_session_runs_as_written():
    import doctest
    import pathlib

    readme = pathlib.Path(__file__).resolve().parents[2] / "README.md"
    result = doctest.testfile(str(readme), module_relative=False, encoding="utf-8",
                              optionflags=doctest.ELLIPSIS)
    assert result.attempted >= 8 and result.failed == 0
