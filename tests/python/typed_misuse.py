# Read by mypy through the package's stub: each call below is a type error
# mypy must report (the test counts them).
import datetime

import quillet_lunar

quillet_lunar.to_lunar("2024-02-10")
quillet_lunar.to_gregorian(2024, 1, 1, leap="yes")
quillet_lunar.ganzhi(datetime.date(2024, 2, 10), year_start="autumn")
quillet_lunar.anniversaries(datetime.date(2024, 2, 10), 2024, 2025, leap_rule="x")
quillet_lunar.to_lunar(datetime.date(2024, 2, 10)).year = 2025
quillet_lunar.is_workday(datetime.date(2024, 2, 10)).upper()
