"""The Chinese lunar calendar, derived from astronomy: Quillet's library.

Lunar dates of every day from 1901-02-19 to 2100-12-31 and back, month
lengths, the 24 solar terms, stem-branch names, zodiac animals, lunar
anniversaries, festivals, and China's official days off (休) and make-up
workdays (班). See help(quillet_lunar.to_lunar) and the others.
"""

from ._quillet_lunar import (
    CHINA_STANDARD_TIME,
    FIRST_DAY,
    FIRST_LUNAR_YEAR,
    LAST_DAY,
    LAST_LUNAR_YEAR,
    LAST_NOTICE_YEAR,
    GanZhi,
    LunarDate,
    OfficialDay,
    SolarTerm,
    anniversaries,
    day,
    festivals,
    ganzhi,
    is_workday,
    lunar_dates,
    month_days,
    official_day,
    solar_terms,
    term_on,
    to_gregorian,
    to_lunar,
    zodiac,
)
from ._quillet_lunar import __version__

__all__ = [
    "CHINA_STANDARD_TIME",
    "FIRST_DAY",
    "FIRST_LUNAR_YEAR",
    "LAST_DAY",
    "LAST_LUNAR_YEAR",
    "LAST_NOTICE_YEAR",
    "GanZhi",
    "LunarDate",
    "OfficialDay",
    "SolarTerm",
    "anniversaries",
    "day",
    "festivals",
    "ganzhi",
    "is_workday",
    "lunar_dates",
    "month_days",
    "official_day",
    "solar_terms",
    "term_on",
    "to_gregorian",
    "to_lunar",
    "zodiac",
]
