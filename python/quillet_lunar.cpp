// quillet_lunar: the lunar calendar library in Python. A thin layer of
// conversions: Python's dates, strings and exceptions in, the library's
// answers out as datetime.date, named tuples and dicts. Every rule stays in
// the C++ library, where it is tested.
#include <Python.h>
#include <datetime.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "cli/json_lines.h"
#include "cli/workday.h"
#include "lunar/cn_calendar.h"
#include "lunar/lunar_names.h"
#include "lunar/official_days.h"
#include "monthview/festivals.h"
#include "monthview/official_days_file.h"

namespace py = pybind11;
namespace chr = std::chrono;

// datetime.date (and datetime.datetime, whose date is taken) as
// std::chrono::year_month_day, both ways. Anything else does not convert, and
// pybind11 raises TypeError naming the expected types.
namespace pybind11::detail {
template <>
struct type_caster<chr::year_month_day> {
  PYBIND11_TYPE_CASTER(chr::year_month_day, const_name("datetime.date"));

  bool load(handle source, bool) {
    if (!source || !PyDate_Check(source.ptr())) return false;
    value = chr::year{PyDateTime_GET_YEAR(source.ptr())} /
            static_cast<int>(PyDateTime_GET_MONTH(source.ptr())) /
            static_cast<int>(PyDateTime_GET_DAY(source.ptr()));
    return true;
  }

  static handle cast(const chr::year_month_day& date, return_value_policy,
                     handle) {
    return PyDate_FromDate(static_cast<int>(date.year()),
                           static_cast<int>(unsigned{date.month()}),
                           static_cast<int>(unsigned{date.day()}));
  }
};
}  // namespace pybind11::detail

namespace {

using quillet::CnCalendar;
using quillet::LunarDate;
using quillet::Script;

const CnCalendar kCalendar;

int Year(chr::year_month_day date) { return static_cast<int>(date.year()); }
int Month(chr::year_month_day date) {
  return static_cast<int>(unsigned{date.month()});
}
int Day(chr::year_month_day date) {
  return static_cast<int>(unsigned{date.day()});
}

Script ScriptOf(bool traditional) {
  return traditional ? Script::kTraditional : Script::kSimplified;
}

LunarDate ToLunar(chr::year_month_day date) {
  return kCalendar.GregorianToLunar(Year(date), Month(date), Day(date));
}

// A LunarDate as it stands, or the lunar date of a datetime.date.
LunarDate LunarOf(py::handle value) {
  if (py::isinstance<LunarDate>(value)) return value.cast<LunarDate>();
  py::detail::make_caster<chr::year_month_day> date;
  if (!date.load(value, false)) {
    throw py::type_error(
        "date must be a datetime.date or a quillet_lunar.LunarDate, not " +
        std::string{py::str(py::type::handle_of(value).attr("__name__"))});
  }
  return ToLunar(py::detail::cast_op<chr::year_month_day>(date));
}

// The arrangements of 休 and 班 that quillet-lunar uses: the built-in table
// and the user's file of later notices, read once, at import. A refused file
// is left out whole, and the module warns why.
const quillet::LoadedOfficialDays& Loaded() {
  static const quillet::LoadedOfficialDays loaded =
      quillet::LoadOfficialDays(quillet::ProcessEnvironment);
  return loaded;
}
const quillet::OfficialDays& Official() { return Loaded().table; }

// One of a few spellings of a choice, or ValueError listing them.
template <typename T, std::size_t N>
T Choice(std::string_view argument, std::string_view given,
         const std::pair<std::string_view, T> (&choices)[N]) {
  std::string listed;
  for (const auto& [name, value] : choices) {
    if (name == given) return value;
    listed += listed.empty() ? "" : ", ";
    listed += '"' + std::string{name} + '"';
  }
  throw py::value_error(std::string{argument} + " must be one of " + listed +
                        ", not \"" + std::string{given} + "\"");
}

constexpr std::pair<std::string_view, quillet::YearStart> kYearStarts[] = {
    {"lunar_new_year", quillet::YearStart::kLunarNewYear},
    {"spring", quillet::YearStart::kSpringBegins}};
constexpr std::pair<std::string_view, quillet::LeapMonthRule> kLeapRules[] = {
    {"when_present", quillet::LeapMonthRule::kLeapWhenPresent},
    {"ordinary", quillet::LeapMonthRule::kOrdinaryMonth},
    {"leap_only", quillet::LeapMonthRule::kLeapOnly}};
constexpr std::pair<std::string_view, quillet::MissingDayRule> kMissingRules[] =
    {{"last", quillet::MissingDayRule::kLastDay},
     {"skip", quillet::MissingDayRule::kSkip}};

// Named tuples made once at import: SolarTerm, GanZhi, OfficialDay.
struct Types {
  py::object solarTerm;
  py::object ganZhi;
  py::object officialDay;
  py::object chinaStandardTime;  // datetime.timezone(timedelta(hours=8))
  py::object jsonLoads;
};
Types& types() {
  static Types* t = new Types;  // lives as long as the interpreter
  return *t;
}

py::object SolarTermValue(const quillet::SolarTerm& term, int index,
                          bool traditional) {
  const auto local = term.instant + quillet::kChinaStandardTimeOffset;
  const auto day = chr::floor<chr::days>(local);
  const chr::year_month_day date{day};
  const chr::hh_mm_ss time{local - day};
  py::object instant =
      py::reinterpret_steal<py::object>(PyDateTimeAPI->DateTime_FromDateAndTime(
          Year(date), Month(date), Day(date),
          static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count()),
          static_cast<int>(time.seconds().count()), 0,
          types().chinaStandardTime.ptr(), PyDateTimeAPI->DateTimeType));
  if (!instant) throw py::error_already_set();
  return types().solarTerm(
      std::string{quillet::names::SolarTermName(index, ScriptOf(traditional))},
      instant);
}

// to_lunar is the call a script makes once a day over long ranges. It takes
// CPython's fast calling convention itself, which skips pybind11's general
// dispatch of arguments (most of the time of a call through it), and
// answers the same LunarDate and the same errors as the other functions.
PyObject* ToLunarFast(PyObject*, PyObject* const* args, Py_ssize_t positional,
                      PyObject* keywords) {
  const Py_ssize_t named = keywords ? PyTuple_GET_SIZE(keywords) : 0;
  if (positional + named != 1 ||
      (named == 1 && PyUnicode_CompareWithASCIIString(
                         PyTuple_GET_ITEM(keywords, 0), "date") != 0)) {
    PyErr_SetString(PyExc_TypeError,
                    "to_lunar() takes one argument, date (a datetime.date)");
    return nullptr;
  }
  PyObject* date = args[0];  // a keyword's value follows the positional ones
  if (!PyDate_Check(date)) {
    PyErr_Format(PyExc_TypeError,
                 "to_lunar(): date must be a datetime.date, not %.200s",
                 Py_TYPE(date)->tp_name);
    return nullptr;
  }
  try {
    return py::cast(kCalendar.GregorianToLunar(PyDateTime_GET_YEAR(date),
                                               PyDateTime_GET_MONTH(date),
                                               PyDateTime_GET_DAY(date)))
        .release()
        .ptr();
  } catch (const std::out_of_range& e) {
    PyErr_SetString(PyExc_ValueError, e.what());
  } catch (py::error_already_set& e) {
    e.restore();
  } catch (const std::exception& e) {
    PyErr_SetString(PyExc_RuntimeError, e.what());
  }
  return nullptr;
}

constexpr const char* kModuleDoc =
    R"(The Chinese lunar calendar, derived from astronomy.

Lunar dates of every day from 1901-02-19 to 2100-12-31 and back, month
lengths, the 24 solar terms to the second (in China Standard Time, UTC+8),
the stem-branch names of year, month and day, the zodiac animals, lunar
anniversaries with explicit rules, festivals, and China's official days off
(休) and make-up workdays (班) as the State Council's notices arrange them.

Dates are datetime.date (a datetime.datetime is taken by its date). Dates
outside the range and impossible lunar dates raise ValueError; arguments of
the wrong type raise TypeError.

>>> import datetime, quillet_lunar
>>> d = quillet_lunar.to_lunar(datetime.date(2024, 2, 10))
>>> d
quillet_lunar.LunarDate(2024, 1, 1)
>>> str(d)
'正月初一'
)";

}  // namespace

PYBIND11_MODULE(_quillet_lunar, m) {
  PyDateTime_IMPORT;
  if (!PyDateTimeAPI) throw py::error_already_set();

  m.doc() = kModuleDoc;
  m.attr("__version__") = QUILLET_VERSION;
  // The library names the argument it refuses with std::out_of_range or
  // std::invalid_argument: both are ValueError, as datetime's own are.
  py::register_exception_translator([](std::exception_ptr error) {
    try {
      if (error) std::rethrow_exception(error);
    } catch (const std::out_of_range& e) {
      PyErr_SetString(PyExc_ValueError, e.what());
    } catch (const std::invalid_argument& e) {
      PyErr_SetString(PyExc_ValueError, e.what());
    }
  });

  py::module_ collections = py::module_::import("collections");
  py::module_ datetime = py::module_::import("datetime");
  Types& t = types();
  const auto namedTuple = [&](const char* name, const char* fields,
                              const char* doc) {
    py::object type = collections.attr("namedtuple")(name, fields);
    type.attr("__module__") = "quillet_lunar";
    type.attr("__doc__") = doc;
    m.attr(name) = type;
    return type;
  };
  t.solarTerm = namedTuple(
      "SolarTerm", "name instant",
      "A solar term: its name (清明) and the instant it falls, an aware "
      "datetime in UTC+8.");
  t.ganZhi =
      namedTuple("GanZhi", "year month day",
                 "The stem-branch names of a day's year, month and day.");
  t.officialDay = namedTuple(
      "OfficialDay", "kind holiday statutory source",
      "A day's official arrangement: kind \"rest\" (休) or \"work\" (班), the "
      "holiday it belongs to, whether it is a statutory day off, and source "
      "\"notice\" (the year's notice) or \"rules\" (the national rules "
      "alone).");
  t.chinaStandardTime = datetime.attr("timezone")(
      datetime.attr("timedelta")(py::arg("hours") = 8));
  t.jsonLoads = py::module_::import("json").attr("loads");

  m.attr("FIRST_DAY") = quillet::kFirstServedDay;
  m.attr("LAST_DAY") = quillet::kLastServedDay;
  m.attr("FIRST_LUNAR_YEAR") = quillet::kFirstLunarYear;
  m.attr("LAST_LUNAR_YEAR") = quillet::kLastLunarYear;
  m.attr("CHINA_STANDARD_TIME") = t.chinaStandardTime;

  // --- LunarDate ----------------------------------------------------------
  py::class_<LunarDate> lunarDate(m, "LunarDate",
                                  R"(A date of the lunar calendar.

year is the Gregorian year in which the lunar year begins; month 1..12,
leap True for a leap month (which carries the number of the month it
follows); day 1..30. Immutable, hashable, and ordered as the days fall: a
leap month after the ordinary month of its number.)");
  lunarDate.attr("__module__") = "quillet_lunar";
  lunarDate
      .def(py::init([](int year, int month, int day, bool leap) {
             // The date must be one the lunar year has.
             kCalendar.LunarToGregorian(year, month, day, leap);
             return LunarDate{year, month, day, leap};
           }),
           py::arg("year"), py::arg("month"), py::arg("day"),
           py::arg("leap") = false,
           "LunarDate(2023, 2, 1, leap=True): ValueError where the lunar year "
           "has no such date.")
      .def_readonly("year", &LunarDate::year)
      .def_readonly("month", &LunarDate::month)
      .def_readonly("day", &LunarDate::day)
      .def_readonly("leap", &LunarDate::isLeapMonth)
      .def("__repr__",
           [](const LunarDate& d) {
             return "quillet_lunar.LunarDate(" + std::to_string(d.year) + ", " +
                    std::to_string(d.month) + ", " + std::to_string(d.day) +
                    (d.isLeapMonth ? ", leap=True)" : ")");
           })
      .def("__str__",
           [](const LunarDate& d) { return quillet::names::LunarMonthDay(d); })
      .def(
          "text",
          [](const LunarDate& d, bool traditional) {
            return quillet::names::LunarMonthDay(d, ScriptOf(traditional));
          },
          py::kw_only(), py::arg("traditional") = false,
          "The month and day as written in full: 正月初一, 闰四月十五 "
          "(traditional=True: 臘月 …).")
      .def("__hash__", [](const LunarDate& d) {
        return py::hash(py::make_tuple(d.year, d.month, d.isLeapMonth, d.day));
      });
  // The order of the days: year, month, the leap month after the ordinary
  // one, day. A comparison with anything else is NotImplemented.
  const auto compare = [&lunarDate](const char* name, auto order) {
    lunarDate.def(
        name,
        [order](const LunarDate& a, const LunarDate& b) {
          return order(std::tuple{a.year, a.month, a.isLeapMonth, a.day},
                       std::tuple{b.year, b.month, b.isLeapMonth, b.day});
        },
        py::is_operator());
  };
  compare("__eq__", std::equal_to<>{});
  compare("__ne__", std::not_equal_to<>{});
  compare("__lt__", std::less<>{});
  compare("__le__", std::less_equal<>{});
  compare("__gt__", std::greater<>{});
  compare("__ge__", std::greater_equal<>{});
  lunarDate.def(py::pickle(
      [](const LunarDate& d) {
        return py::make_tuple(d.year, d.month, d.day, d.isLeapMonth);
      },
      [](const py::tuple& state) {
        if (state.size() != 4) throw py::value_error("bad LunarDate state");
        const LunarDate d{state[0].cast<int>(), state[1].cast<int>(),
                          state[2].cast<int>(), state[3].cast<bool>()};
        kCalendar.LunarToGregorian(d.year, d.month, d.day, d.isLeapMonth);
        return d;
      }));

  // --- Dates both ways ----------------------------------------------------
  static PyMethodDef toLunar = {
      "to_lunar",
      reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&ToLunarFast)),
      METH_FASTCALL | METH_KEYWORDS,
      R"(to_lunar(date: datetime.date) -> quillet_lunar.LunarDate

The lunar date of a Gregorian day (1901-02-19 .. 2100-12-31).

>>> str(to_lunar(datetime.date(2024, 2, 10)))
'正月初一')"};
  py::object toLunarFunction = py::reinterpret_steal<py::object>(
      PyCFunction_NewEx(&toLunar, nullptr, py::str("quillet_lunar").ptr()));
  if (!toLunarFunction) throw py::error_already_set();
  m.attr("to_lunar") = toLunarFunction;
  m.def(
      "to_gregorian",
      [](int year, int month, int day, bool leap) {
        return kCalendar.LunarToGregorian(year, month, day, leap);
      },
      py::arg("year"), py::arg("month"), py::arg("day"),
      py::arg("leap") = false,
      R"(The Gregorian day of a lunar date: lunar year 1901..2100, month 1..12,
day 1..30, leap for a leap month. ValueError where the year has no such
date (a day 30 of a short month, a leap month it lacks).

>>> to_gregorian(2024, 1, 1)
datetime.date(2024, 2, 10))");
  m.def(
      "lunar_dates",
      [](chr::year_month_day start, chr::year_month_day end) {
        const chr::sys_days first{start};
        const chr::sys_days last{end};
        std::vector<LunarDate> dates;
        if (last < first) return dates;
        // Both ends must be served: the library names the one that is not.
        ToLunar(start);
        ToLunar(end);
        dates.reserve(static_cast<std::size_t>((last - first).count() + 1));
        for (chr::sys_days d = first; d <= last; d += chr::days{1}) {
          dates.push_back(ToLunar(chr::year_month_day{d}));
        }
        return dates;
      },
      py::arg("start"), py::arg("end"),
      R"(The lunar dates of every day from start to end, both included, as a
list; empty where end is before start.)");
  m.def(
      "month_days",
      [](int year, int month, bool leap) {
        return kCalendar.LunarMonthDays(year, month, leap);
      },
      py::arg("year"), py::arg("month"), py::arg("leap") = false,
      "The length of a lunar month, 29 or 30 days; ValueError for a leap month "
      "the year does not have.");

  // --- Solar terms, stems and branches -----------------------------------
  m.def(
      "solar_terms",
      [](int year, bool traditional) {
        const auto terms = kCalendar.SolarTerms(year);
        py::list list;
        for (int i = 0; i < static_cast<int>(terms.size()); ++i) {
          list.append(SolarTermValue(terms[static_cast<std::size_t>(i)], i,
                                     traditional));
        }
        return list;
      },
      py::arg("year"), py::kw_only(), py::arg("traditional") = false,
      R"(The 24 solar terms of a Gregorian year (1901..2100), 小寒 first, each
a SolarTerm(name, instant) with instant an aware datetime in UTC+8.)");
  m.def(
      "term_on",
      [](chr::year_month_day date, bool traditional) -> py::object {
        const auto term =
            kCalendar.SolarTermOn(Year(date), Month(date), Day(date));
        if (!term) return py::none();
        return SolarTermValue(term->term, term->index, traditional);
      },
      py::arg("date"), py::kw_only(), py::arg("traditional") = false,
      "The SolarTerm whose instant falls on the day (in UTC+8), or None.");
  m.def(
      "ganzhi",
      [](chr::year_month_day date, std::string_view yearStart) {
        const auto start = Choice("year_start", yearStart, kYearStarts);
        const int y = Year(date), mo = Month(date), d = Day(date);
        return types().ganZhi(
            quillet::names::Sexagenary(
                kCalendar.SexagenaryYear(y, mo, d, start)),
            quillet::names::Sexagenary(kCalendar.SexagenaryMonth(y, mo, d)),
            quillet::names::Sexagenary(kCalendar.SexagenaryDay(y, mo, d)));
      },
      py::arg("date"), py::arg("year_start") = "lunar_new_year",
      R"(The stem-branch names of the day's year, month and day, as
GanZhi(year, month, day). The year begins at the lunar new year
(year_start="lunar_new_year", as calendars print it) or at 立春
(year_start="spring", as horoscopes count it); the month changes on the
day of each of the twelve 节.

>>> ganzhi(datetime.date(2024, 2, 10))
GanZhi(year='甲辰', month='丙寅', day='甲辰'))");
  m.def(
      "zodiac",
      [](int year, bool traditional) {
        return kCalendar.ZodiacAnimal(year, ScriptOf(traditional));
      },
      py::arg("year"), py::kw_only(), py::arg("traditional") = false,
      "The zodiac animal of a lunar year (1901..2100): zodiac(2024) is '龙'.");

  // --- Anniversaries --------------------------------------------------------
  m.def(
      "anniversaries",
      [](py::object of, int firstYear, int lastYear, std::string_view leapRule,
         std::string_view missingDay) {
        const auto leap = Choice("leap_rule", leapRule, kLeapRules);
        const auto missing = Choice("missing_day", missingDay, kMissingRules);
        const LunarDate lunar = LunarOf(of);
        std::vector<chr::year_month_day> days;
        for (int year = firstYear; year <= lastYear; ++year) {
          if (const auto day =
                  kCalendar.Anniversary(lunar, year, leap, missing)) {
            days.push_back(*day);
          }
        }
        return days;
      },
      py::arg("date"), py::arg("first_year"), py::arg("last_year"),
      py::arg("leap_rule") = "when_present", py::arg("missing_day") = "last",
      R"(The Gregorian days on which a lunar date recurs in the lunar years
first_year..last_year (1901..2100), in order: a list of datetime.date.

date is the day of the event (a datetime.date, whose lunar month and day
are kept) or a LunarDate. Where a year lacks the date as it stands:
leap_rule="when_present" keeps a leap-month date in that year's leap
month of the number where it has one, else in the ordinary month;
"ordinary" always in the ordinary month; "leap_only" only in years with
that leap month. missing_day="last" keeps day 30 on a 29-day month's
last day; "skip" leaves that year out.)");

  // --- Festivals, 休 and 班, the whole day
  // ------------------------------------
  m.def(
      "festivals",
      [](chr::year_month_day date) {
        std::vector<std::string> names;
        for (const quillet::Festival& festival :
             quillet::FestivalsOn(Year(date), Month(date), Day(date))) {
          names.push_back(festival.name);
        }
        return names;
      },
      py::arg("date"),
      "The names of the day's festivals and commemorative days, Gregorian and "
      "lunar, in the order the calendar lists them.");
  m.def(
      "official_day",
      [](chr::year_month_day date) -> py::object {
        const auto day = Official().On(chr::sys_days{date});
        if (!day) return py::none();
        return types().officialDay(
            day->kind == quillet::OfficialDayKind::kRest ? "rest" : "work",
            day->holiday, day->statutory,
            day->source == quillet::OfficialDaySource::kNotice ? "notice"
                                                               : "rules");
      },
      py::arg("date"),
      R"(The day's official arrangement as an OfficialDay, or None on an
ordinary day: a day off (kind "rest", 休) of a holiday or a weekend day
worked instead (kind "work", 班), from the State Council's notice of the
year; in a year after the last notice known, the statutory days off by the
national rules alone (source "rules").)");
  m.def(
      "is_workday",
      [](chr::year_month_day date) {
        const auto workday = Official().IsWorkday(chr::sys_days{date});
        if (!workday) {
          PyErr_SetString(PyExc_LookupError, quillet::lunar_cli::NotCoveredText(
                                                 Year(date), Official())
                                                 .c_str());
          throw py::error_already_set();
        }
        return *workday;
      },
      py::arg("date"),
      R"(Whether the day is a working day in China: True on a weekday that is
no day off and on a make-up workday, False on a weekend or a day off.
LookupError, naming the years covered, where no notice known here covers
the day's year (a statutory day off of a later year is still False).)");
  m.def(
      "day",
      [](chr::year_month_day date, bool traditional) {
        return types().jsonLoads(quillet::lunar_cli::DayJson(
            kCalendar, date, ScriptOf(traditional), Official()));
      },
      py::arg("date"), py::kw_only(), py::arg("traditional") = false,
      R"(Everything about the day as a dict: the keys and values of one object
of `quillet-lunar --json` (gregorian, weekday, lunar, text, ganzhi, zodiac,
term, note, festivals, official, workday, dog_days, nines, plum_rain,
moon_phase, pentad, almanac).)");

  m.attr("LAST_NOTICE_YEAR") = Official().lastYear();
  if (!Loaded().refusal.empty()) {
    if (PyErr_WarnEx(PyExc_RuntimeWarning, Loaded().refusal.c_str(), 1) < 0) {
      throw py::error_already_set();
    }
  }
}
