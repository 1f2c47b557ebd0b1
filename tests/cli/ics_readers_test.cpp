// Files of quillet-lunar ics read back by two independent iCalendar parsers
// (libical, python3-icalendar): both must read them without an error and
// alike, and every event they find must be on the day the lunar library
// gives, over every served day of 1901..2100.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "lunar/cn_calendar.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "monthview/festivals.h"
#include "tests/cli/run_program.h"

namespace {

namespace chr = std::chrono;
using quillet::CnCalendar;
using quillet::LeapMonthRule;
using quillet::LunarDate;
using quillet::MissingDayRule;
using quillet::tests::Outcome;
using quillet::tests::Run;

// One VEVENT as a reader lists it (see ics_read_libical.cpp).
struct Row {
  std::string start, end, summary, uid, categories, description, transp, alarms;
  friend bool operator==(const Row&, const Row&) = default;
};

struct Listing {
  std::string calendar;  // the calendar's own line
  std::vector<Row> rows;
};

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in{line};
  std::string field;
  while (std::getline(in, field, '\t')) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

Listing Parse(const std::string& text) {
  Listing listing;
  std::stringstream in{text};
  std::string line;
  std::getline(in, listing.calendar);
  while (std::getline(in, line)) {
    const std::vector<std::string> f = Split(line);
    if (f.size() != 8) {
      ADD_FAILURE() << "not 8 fields: " << line;
      continue;
    }
    listing.rows.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]});
  }
  return listing;
}

struct Reader {
  const char* name;
  std::vector<std::string> command;  // the file's path follows
};

const Reader kReaders[] = {
    {"libical", {ICS_READ_LIBICAL}},
    {"python3-icalendar", {DEBIAN_PYTHON, ICS_READ_ICALENDAR}},
};

// Writes the file with these arguments, reads it with both parsers, checks
// that both read it without complaint and alike, and gives the listing.
Listing WriteAndRead(std::vector<std::string> arguments) {
  static int files = 0;
  const std::string file = ::testing::TempDir() + "ics_readers_" +
                           std::to_string(::getpid()) + "_" +
                           std::to_string(++files) + ".ics";
  arguments.insert(arguments.begin(), {QUILLET_LUNAR_PROGRAM, "ics"});
  arguments.insert(arguments.end(), {"--output", file});
  const Outcome written = Run(arguments);
  EXPECT_EQ(written.status, 0) << written.err;
  std::vector<Listing> listings;
  for (const Reader& reader : kReaders) {
    std::vector<std::string> command = reader.command;
    command.push_back(file);
    const Outcome read = Run(command);
    EXPECT_EQ(read.status, 0) << reader.name << ": " << read.err;
    EXPECT_EQ(read.err, "") << reader.name;
    listings.push_back(Parse(read.out));
  }
  std::remove(file.c_str());
  EXPECT_EQ(listings[0].calendar, listings[1].calendar);
  EXPECT_EQ(listings[0].rows.size(), listings[1].rows.size());
  for (std::size_t i = 0;
       i < std::min(listings[0].rows.size(), listings[1].rows.size()); ++i) {
    if (!(listings[0].rows[i] == listings[1].rows[i])) {
      ADD_FAILURE() << "the parsers differ on event " << i << ": "
                    << listings[0].rows[i].uid << " / "
                    << listings[1].rows[i].uid;
      break;
    }
  }
  return listings[0];
}

std::string Day(chr::sys_days day) {
  return quillet::DateText(chr::year_month_day{day});
}

LunarDate LunarOf(const CnCalendar& calendar, chr::sys_days day) {
  const chr::year_month_day date{day};
  return calendar.GregorianToLunar(static_cast<int>(date.year()),
                                   static_cast<int>(unsigned{date.month()}),
                                   static_cast<int>(unsigned{date.day()}));
}

// What the listing shows of an event that the library decides: its day,
// its summary and its category.
using Fact = std::tuple<std::string, std::string, std::string>;

std::vector<Fact> Facts(const std::vector<Row>& rows) {
  std::vector<Fact> facts;
  for (const Row& row : rows) {
    facts.emplace_back(row.start, row.summary, row.categories);
  }
  std::sort(facts.begin(), facts.end());
  return facts;
}

void ExpectAllDayAndUnique(const std::vector<Row>& rows) {
  std::set<std::string> uids;
  for (const Row& row : rows) {
    const auto start = quillet::ParseDateText(row.start);
    ASSERT_TRUE(start) << row.start;
    EXPECT_EQ(row.end, Day(chr::sys_days{*start} + chr::days{1})) << row.uid;
    EXPECT_EQ(row.transp, "TRANSPARENT");
    uids.insert(row.uid);
  }
  EXPECT_EQ(uids.size(), rows.size()) << "UIDs repeat";
}

const std::string kCategory[] = {"法定假日", "纪念日", "传统节日"};

// 休 and 班 of the notice of 2025 as both parsers read them: six spans of
// days off, each over all its days (DTEND the day after the last), and five
// weekend days worked.
TEST(IcsReaders, HolidaysOf2025SpanTheirDays) {
  const Listing listing = WriteAndRead({"--holidays", "2025", "2025"});
  std::vector<std::string> spans;
  int worked = 0;
  for (const Row& row : listing.rows) {
    if (row.summary.find(" 休 ") != std::string::npos) {
      spans.push_back(row.start + ".." + row.end);
    } else if (row.summary.ends_with("调休 上班")) {
      ++worked;
    } else {
      ADD_FAILURE() << row.summary;
    }
  }
  EXPECT_EQ(spans, (std::vector<std::string>{
                       "2025-01-01..2025-01-02", "2025-01-28..2025-02-05",
                       "2025-04-04..2025-04-07", "2025-05-01..2025-05-06",
                       "2025-05-31..2025-06-03", "2025-10-01..2025-10-09"}));
  EXPECT_EQ(worked, 5);
}

TEST(IcsReaders, EveryEventOf1901To2100IsTheLibrarysDay) {
  const Listing listing =
      WriteAndRead({"--festivals", "--terms", "--days", "1901", "2100"});
  EXPECT_EQ(listing.calendar,
            "calendar\t农历 1901–2100\t2.0\t-//Quillet//quillet-lunar "
            "ics//ZH\tGREGORIAN");
  ExpectAllDayAndUnique(listing.rows);

  // The same facts straight from the library, day by day.
  const CnCalendar calendar;
  std::vector<Fact> expected;
  const chr::sys_days first{quillet::kFirstServedDay};
  const chr::sys_days last{quillet::kLastServedDay};
  for (chr::sys_days day = first; day <= last; ++day) {
    const chr::year_month_day date{day};
    const LunarDate lunar = LunarOf(calendar, day);
    expected.emplace_back(
        Day(day),
        lunar.day == 1
            ? quillet::names::LunarMonth(lunar.month, lunar.isLeapMonth,
                                         quillet::names::MonthStyle::kFull)
            : std::string{quillet::names::LunarDay(lunar.day)},
        "农历");
    for (const quillet::Festival& festival :
         quillet::FestivalsOn(static_cast<int>(date.year()),
                              static_cast<int>(unsigned{date.month()}),
                              static_cast<int>(unsigned{date.day()}))) {
      expected.emplace_back(
          Day(day), festival.name,
          kCategory[static_cast<std::size_t>(festival.category)]);
    }
    // 除夕: the next day begins a lunar year.
    if (day < last && LunarOf(calendar, day + chr::days{1}) ==
                          LunarDate{lunar.year + 1, 1, 1, false}) {
      expected.emplace_back(Day(day), "除夕", "传统节日");
    }
  }
  // A term's description gives its instant, UTC+8, to the second.
  std::map<std::string, std::string> instants;  // UID's day and name
  for (int year = quillet::kFirstSolarTermYear;
       year <= quillet::kLastSolarTermYear; ++year) {
    int index = 0;
    for (const quillet::SolarTerm& term : calendar.SolarTerms(year)) {
      const chr::sys_seconds utc8 = term.instant + chr::hours{8};
      const std::string day = Day(chr::floor<chr::days>(utc8));
      const std::string name{quillet::names::SolarTermName(index++)};
      expected.emplace_back(day, name, "节气");
      instants[day + name] = quillet::DateTimeText(utc8);
    }
  }
  std::size_t terms = 0;
  for (const Row& row : listing.rows) {
    if (row.categories != "节气") continue;
    ++terms;
    const auto instant = instants.find(row.start + row.summary);
    ASSERT_NE(instant, instants.end()) << row.start << " " << row.summary;
    EXPECT_NE(row.description.find(instant->second + " (UTC+8)"),
              std::string::npos)
        << row.description;
  }
  EXPECT_EQ(terms, 24u * 200);
  std::sort(expected.begin(), expected.end());
  const std::vector<Fact> read = Facts(listing.rows);
  EXPECT_EQ(read.size(), expected.size());
  // The first difference, if any, rather than two lists of 90,000.
  const auto [a, b] =
      std::mismatch(read.begin(), read.end(), expected.begin(), expected.end());
  if (a != read.end() || b != expected.end()) {
    ADD_FAILURE() << "first difference: read "
                  << (a != read.end() ? std::get<0>(*a) + " " + std::get<1>(*a)
                                      : "nothing")
                  << ", the library "
                  << (b != expected.end()
                          ? std::get<0>(*b) + " " + std::get<1>(*b)
                          : "nothing");
  }
  std::printf("events: %zu\n", read.size());
}

// Every lunar date of the served days, by walking them: a computation apart
// from the library's Anniversary.
struct LunarIndex {
  const CnCalendar& calendar;
  std::map<std::tuple<int, int, bool, int>, chr::sys_days> days;

  explicit LunarIndex(const CnCalendar& c) : calendar(c) {
    for (chr::sys_days day{quillet::kFirstServedDay};
         day <= chr::sys_days{quillet::kLastServedDay}; ++day) {
      const LunarDate l = LunarOf(calendar, day);
      days[{l.year, l.month, l.isLeapMonth, l.day}] = day;
    }
  }

  // The month's length, or 0 for a leap month the year does not have.
  int Length(int year, int month, bool isLeap) const {
    try {
      return calendar.LunarMonthDays(year, month, isLeap);
    } catch (const std::invalid_argument&) {
      return 0;
    }
  }

  // The anniversary rules, as stated for users, applied to the index; none
  // where the day lies past the range served.
  std::optional<chr::sys_days> Recurrence(const LunarDate& kept, int year,
                                          LeapMonthRule leap,
                                          MissingDayRule missing) const {
    bool isLeap = false;
    if (kept.isLeapMonth) {
      const bool present = Length(year, kept.month, true) > 0;
      if (leap == LeapMonthRule::kLeapOnly && !present) return std::nullopt;
      isLeap = present && leap != LeapMonthRule::kOrdinaryMonth;
    }
    int day = kept.day;
    const int length = Length(year, kept.month, isLeap);
    if (day > length) {
      if (missing == MissingDayRule::kSkip) return std::nullopt;
      day = length;
    }
    const auto found = days.find({year, kept.month, isLeap, day});
    if (found == days.end()) return std::nullopt;
    return found->second;
  }
};

TEST(IcsReaders, AnniversariesOf1901To2100FollowTheirRules) {
  const CnCalendar calendar;
  const LunarIndex index(calendar);
  // Births and deaths on the days where the rules matter: 闰四月 of 2020,
  // 闰二月 of 2023, a 闰六月 of 1987, 腊月三十, 三十 of a leap month, the
  // first and last served days.
  std::vector<std::string> all = {"2020-06-05", "2023-03-25", "1987-08-10",
                                  "2024-02-09", "1901-02-19", "2100-12-31",
                                  "1903-07-23", "1955-04-21"};
  // 三十 of a leap month of 30 days, found by walking the index.
  std::string leapThirtieth;
  for (const auto& [key, day] : index.days) {
    if (std::get<2>(key) && std::get<3>(key) == 30) {
      leapThirtieth = Day(day);
      break;
    }
  }
  ASSERT_FALSE(leapThirtieth.empty());
  all.push_back(leapThirtieth);
  const std::pair<const char*, LeapMonthRule> leapRules[] = {
      {"when-present", LeapMonthRule::kLeapWhenPresent},
      {"ordinary", LeapMonthRule::kOrdinaryMonth},
      {"leap-only", LeapMonthRule::kLeapOnly},
  };
  const std::pair<const char*, MissingDayRule> missingRules[] = {
      {"last", MissingDayRule::kLastDay},
      {"skip", MissingDayRule::kSkip},
  };
  for (const auto& [leapWord, leap] : leapRules) {
    for (const auto& [missingWord, missing] : missingRules) {
      std::vector<std::string> arguments = {"--leap-rule",   leapWord,
                                            "--missing-day", missingWord,
                                            "--remind",      "7"};
      std::vector<Fact> expected;
      for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string name = "纪念 " + std::to_string(i);
        arguments.insert(arguments.end(), {"--anniversary", name, all[i]});
        const chr::sys_days born{*quillet::ParseDateText(all[i])};
        const LunarDate kept = LunarOf(calendar, born);
        for (int year = kept.year; year <= quillet::kLastLunarYear; ++year) {
          const auto day = index.Recurrence(kept, year, leap, missing);
          if (day && *day >= born)
            expected.emplace_back(Day(*day), name, "农历纪念日");
        }
      }
      arguments.insert(arguments.end(), {"1901", "2100"});
      const Listing listing = WriteAndRead(arguments);
      ExpectAllDayAndUnique(listing.rows);
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(Facts(listing.rows), expected)
          << leapWord << " " << missingWord;
      for (const Row& row : listing.rows) {
        EXPECT_EQ(row.alarms, std::to_string(7 * 86400)) << row.uid;
        EXPECT_EQ(row.description.rfind("农历", 0), 0u) << row.description;
      }
    }
  }
}

}  // namespace
