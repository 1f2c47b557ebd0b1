# Read by mypy --strict through the package's stub: every line must check.
import datetime

import quillet_lunar

day: datetime.date = datetime.date(2024, 2, 10)
lunar: quillet_lunar.LunarDate = quillet_lunar.to_lunar(day)
year: int = lunar.year + lunar.month + lunar.day
leap: bool = lunar.leap
back: datetime.date = quillet_lunar.to_gregorian(2023, 2, 1, leap=True)
everyday: list[quillet_lunar.LunarDate] = quillet_lunar.lunar_dates(day, back)
first: bool = min(everyday) < max(everyday)
length: int = quillet_lunar.month_days(2023, 2, True)
instant: datetime.datetime = quillet_lunar.solar_terms(2024)[2].instant
term = quillet_lunar.term_on(day, traditional=True)
name: str = term.name if term is not None else ""
ganzhi: str = quillet_lunar.ganzhi(day, year_start="spring").day
animal: str = quillet_lunar.zodiac(2024)
again: list[datetime.date] = quillet_lunar.anniversaries(
    lunar, 2024, 2030, leap_rule="leap_only", missing_day="skip"
)
festival_names: list[str] = quillet_lunar.festivals(day)
official = quillet_lunar.official_day(day)
kind: str = official.kind if official is not None else "none"
working: bool = quillet_lunar.is_workday(day)
text: object = quillet_lunar.day(day)["text"]
