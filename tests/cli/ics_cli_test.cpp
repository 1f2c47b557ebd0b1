// quillet-lunar ics as a user runs it: what the file holds on days whose
// lunar dates are published facts, the leap-month and missing-day rules,
// stable UIDs, bad input and output that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/cli/rfc5545_reading.h"
#include "tests/cli/run_program.h"

namespace {

namespace fs = std::filesystem;
using quillet::tests::Outcome;
using quillet::tests::PhysicalLines;
using quillet::tests::ReadFile;
using quillet::tests::RunOptions;
using quillet::tests::Sink;
using quillet::tests::Unescape;
using quillet::tests::Unfold;

Outcome Ics(std::vector<std::string> arguments, RunOptions options = {}) {
  arguments.insert(arguments.begin(), {QUILLET_LUNAR_PROGRAM, "ics"});
  return quillet::tests::Run(std::move(arguments), options);
}

// One event as the file states it: each property's name (parameters cut
// off) and its value, TEXT unescaped.
using Event = std::map<std::string, std::string>;

// An empty scratch folder of its own for a test.
fs::path ScratchFolder(const std::string& name) {
  const fs::path folder = fs::path{::testing::TempDir()} /
                          (name + "_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::vector<Event> Events(const std::string& file) {
  std::vector<Event> events;
  bool inAlarm = false;
  for (const std::string& line : PhysicalLines(Unfold(file))) {
    const std::string name = line.substr(0, line.find_first_of(";:"));
    const std::string value = Unescape(line.substr(line.find(':') + 1));
    if (line == "BEGIN:VEVENT") {
      events.emplace_back();
    } else if (line == "BEGIN:VALARM") {
      inAlarm = true;
    } else if (line == "END:VALARM") {
      inAlarm = false;
    } else if (!events.empty() && line != "END:VEVENT" &&
               line != "END:VCALENDAR") {
      events.back()[inAlarm ? "VALARM " + name : name] = value;
    }
  }
  return events;
}

// The events on a day (YYYYMMDD), as "SUMMARY|CATEGORIES".
std::vector<std::string> On(const std::vector<Event>& events,
                            const std::string& day) {
  std::vector<std::string> found;
  for (const Event& event : events) {
    if (event.at("DTSTART") == day) {
      found.push_back(event.at("SUMMARY") + "|" + event.at("CATEGORIES"));
    }
  }
  return found;
}

std::vector<std::string> Days(const std::vector<Event>& events) {
  std::vector<std::string> days;
  for (const Event& event : events) days.push_back(event.at("DTSTART"));
  return days;
}

TEST(IcsFile, FestivalsFallOnTheirPublishedDays) {
  const Outcome run = Ics({"--festivals", "2001", "2026"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Event> events = Events(run.out);
  struct Case {
    const char* day;
    std::vector<std::string> festivals;  // every one, in table order
  } cases[] = {
      {"20240209", {"除夕|传统节日"}},
      {"20240210", {"春节|法定假日"}},
      {"20240212", {"春节|法定假日"}},
      {"20240213", {}},
      {"20240917", {"中秋节|传统节日"}},
      {"20240610", {"端午节|传统节日"}},
      // 中秋 fell on 国庆 in 2001 and 2020, 春节 on 情人节 in 2002 and 2010:
      // the file has both, not only the label's winner.
      {"20011001", {"国庆节|法定假日", "中秋节|传统节日"}},
      {"20201001", {"国庆节|法定假日", "中秋节|传统节日"}},
      {"20020214", {"春节|法定假日", "情人节|纪念日"}},
      {"20100214", {"春节|法定假日", "情人节|纪念日"}},
      // 腊月 of lunar 2024 and 2025 had 29 days: 除夕 on the 29th.
      {"20250128", {"除夕|传统节日"}},
      {"20250129", {"春节|法定假日"}},
      {"20260216", {"除夕|传统节日"}},
      {"20261122", {"彝族年|纪念日"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(On(events, c.day), c.festivals) << c.day;
  }
  for (const Event& event : events) {
    EXPECT_EQ(event.at("TRANSP"), "TRANSPARENT");
    EXPECT_EQ(event.count("RRULE"), 0u);
  }
}

TEST(IcsFile, SolarTermsOnTheirDaysInChinaWithTheirInstants) {
  const Outcome run = Ics({"--terms", "2024", "2024"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Event> events = Events(run.out);
  ASSERT_EQ(events.size(), 24u);
  EXPECT_EQ(On(events, "20240106"), std::vector<std::string>{"小寒|节气"});
  EXPECT_EQ(On(events, "20240404"), std::vector<std::string>{"清明|节气"});
  EXPECT_EQ(On(events, "20241221"), std::vector<std::string>{"冬至|节气"});
  // 立春 2024: in the afternoon of 4 February, Beijing time. (The instant to
  // the second is checked against the library where it is read back.)
  const auto spring = std::find_if(events.begin(), events.end(), [](auto& e) {
    return e.at("SUMMARY") == "立春";
  });
  ASSERT_NE(spring, events.end());
  EXPECT_EQ(spring->at("DTSTART"), "20240204");
  const std::string& description = spring->at("DESCRIPTION");
  EXPECT_EQ(description.rfind("立春 2024-02-04 16:", 0), 0u) << description;
  EXPECT_EQ(description.substr(description.size() - 8), " (UTC+8)")
      << description;
}

TEST(IcsFile, EveryDayCarriesItsLunarDate) {
  const Outcome run = Ics({"--days", "2020", "2025"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Event> events = Events(run.out);
  EXPECT_EQ(events.size(), 366u + 365 + 365 + 365 + 366 + 365);
  struct Case {
    const char* day;
    const char* summary;
    const char* description;
  } cases[] = {
      {"20240210", "正月", "农历甲辰年正月初一"},
      {"20240211", "初二", "农历甲辰年正月初二"},
      {"20240209", "三十", "农历癸卯年腊月三十"},
      {"20250128", "廿九", "农历甲辰年腊月廿九"},
      // 2020's leap month followed the fourth, 2023's the second.
      {"20200523", "闰四月", "农历庚子年闰四月初一"},
      {"20230322", "闰二月", "农历癸卯年闰二月初一"},
      {"20230420", "三月", "农历癸卯年三月初一"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day);
    EXPECT_EQ(On(events, c.day),
              std::vector<std::string>{std::string{c.summary} + "|农历"});
    for (const Event& event : events) {
      if (event.at("DTSTART") == c.day) {
        EXPECT_EQ(event.at("DESCRIPTION"), c.description);
      }
    }
  }
}

TEST(IcsFile, TraditionalScript) {
  const Outcome run =
      Ics({"--traditional", "--days", "--terms", "2024", "2024"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Event> events = Events(run.out);
  EXPECT_EQ(On(events, "20240305"),
            (std::vector<std::string>{"驚蟄|節氣", "廿五|農曆"}));
  const auto last = std::find_if(events.begin(), events.end(), [](auto& e) {
    return e.at("DTSTART") == "20240111" && e.at("CATEGORIES") == "農曆";
  });
  ASSERT_NE(last, events.end());
  EXPECT_EQ(last->at("SUMMARY"), "臘月");
}

// Lunar anniversaries, each on a day a published calendar gives: the first
// event of each rule and what it keeps.
TEST(IcsFile, AnniversariesFollowTheLeapMonthAndMissingDayRules) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    std::vector<std::string> days;
  } cases[] = {
      // Born on 闰四月十四 of 2020 (2020-06-05): in years without a leap
      // fourth month, the ordinary 四月十四.
      {"a 闰四月 birth, when-present",
       {"--anniversary", "生日", "2020-06-05", "2020", "2022"},
       {"20200605", "20210525", "20220514"}},
      {"a 闰四月 birth, ordinary: 2020's 四月十四 was before the birth",
       {"--leap-rule", "ordinary", "--anniversary", "生日", "2020-06-05",
        "2020", "2022"},
       {"20210525", "20220514"}},
      {"a 闰四月 birth, leap-only: no 闰四月 in 2021..2030",
       {"--leap-rule", "leap-only", "--anniversary", "生日", "2020-06-05",
        "2021", "2030"},
       {}},
      // 闰二月初四 of 2023 (2023-03-25); 2024's 二月初四 was 2024-03-13.
      {"2023's 闰二月",
       {"--anniversary", "婚礼", "2023-03-25", "2023", "2024"},
       {"20230325", "20240313"}},
      // 腊月三十 of lunar 2023 (2024-02-09); 腊月 had 29 days in lunar 2024
      // and 2025 (除夕 2025-01-28 and 2026-02-16).
      {"三十 kept on the last day",
       {"--anniversary", "忌日", "2024-02-09", "2024", "2026"},
       {"20240209", "20250128", "20260216"}},
      {"三十 skipped in 29-day years",
       {"--missing-day", "skip", "--anniversary", "忌日", "2024-02-09", "2024",
        "2026"},
       {"20240209"}},
      // A birth after the years asked for gives nothing before it.
      {"nothing before the date itself",
       {"--anniversary", "生日", "2024-02-09", "2020", "2023"},
       {}},
  };
  for (const Case& c : cases) {
    const Outcome run = Ics(c.arguments);
    ASSERT_EQ(run.status, 0) << c.what << ": " << run.err;
    EXPECT_EQ(Days(Events(run.out)), c.days) << c.what;
  }
  const Outcome run = Ics({"--remind", "3", "--anniversary", "外婆, 生日; 农历",
                           "2020-06-05", "2021", "2021"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<Event> events = Events(run.out);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].at("SUMMARY"), "外婆, 生日; 农历");
  EXPECT_EQ(events[0].at("DESCRIPTION"), "农历闰四月十四（2020-06-05）");
  EXPECT_EQ(events[0].at("VALARM TRIGGER"), "-P3D");
  EXPECT_EQ(events[0].at("DTEND"), "20210526");
}

TEST(IcsFile, IsWellFormedRfc5545) {
  const Outcome run =
      Ics({"--festivals", "--terms", "--days", "--anniversary",
           "一个很长很长的名字，长到一行写不下，必须折行才能写进文件里的名字",
           "2020-06-05", "2020", "2021"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string& file = run.out;
  EXPECT_EQ(file.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:", 0), 0u);
  EXPECT_NE(file.find("\r\nCALSCALE:GREGORIAN\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nX-WR-CALNAME:农历 2020–2021\r\n"),
            std::string::npos);
  EXPECT_EQ(file.substr(file.size() - 15), "END:VCALENDAR\r\n");
  // Every line ends in CRLF and holds at most 75 octets.
  std::size_t folds = 0;
  for (const std::string& line : PhysicalLines(file)) {
    EXPECT_LE(line.size(), 75u) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    if (line.starts_with(' ')) ++folds;
  }
  EXPECT_GT(folds, 0u);
}

TEST(IcsFile, SameArgumentsGiveTheSameBytesAndUids) {
  const std::vector<std::string> arguments = {
      "--festivals", "--terms",    "--days", "--anniversary",
      "生日",        "2020-06-05", "2019",   "2026"};
  const Outcome first = Ics(arguments);
  const Outcome second = Ics(arguments);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, second.out);
  EXPECT_NE(first.out.find("\r\nDTSTAMP:20231114T221320Z\r\n"),
            std::string::npos);
  // Without SOURCE_DATE_EPOCH only the stamps differ.
  const Outcome now = Ics(arguments, {.sourceDateEpoch = std::nullopt});
  ASSERT_EQ(now.status, 0) << now.err;
  const std::vector<Event> a = Events(first.out), b = Events(now.out);
  ASSERT_EQ(a.size(), b.size());
  std::set<std::string> uids;
  for (std::size_t i = 0; i < a.size(); ++i) {
    Event left = a[i], right = b[i];
    EXPECT_NE(right.at("DTSTAMP"), "20231114T221320Z");
    left.erase("DTSTAMP");
    right.erase("DTSTAMP");
    EXPECT_EQ(left, right);
    uids.insert(a[i].at("UID"));
  }
  EXPECT_EQ(uids.size(), a.size()) << "UIDs repeat";
}

// The UID says which event it is: the same occurrence written in the other
// script, with an alarm or in a file of other years has the same UID, so an
// import updates it.
TEST(IcsFile, UidsNameTheEventNotItsWording) {
  const auto uidDays = [](const Outcome& run, const std::string& year) {
    std::map<std::string, std::string> days;
    for (const Event& event : Events(run.out)) {
      if (event.at("DTSTART").substr(0, 4) == year) {
        days[event.at("UID")] = event.at("DTSTART");
      }
    }
    return days;
  };
  const Outcome plain =
      Ics({"--festivals", "--terms", "--days", "--anniversary", "生日",
           "2020-06-05", "2024", "2025"});
  const Outcome other =
      Ics({"--traditional", "--remind", "1", "--leap-rule", "ordinary",
           "--festivals", "--terms", "--days", "--anniversary", "生日",
           "2020-06-05", "2025", "2026"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  ASSERT_EQ(other.status, 0) << other.err;
  const auto left = uidDays(plain, "2025"), right = uidDays(other, "2025");
  EXPECT_GT(left.size(), 400u);
  EXPECT_EQ(left, right);
}

// Every kind of bad input: one line on standard error naming the fault,
// status 2, nothing on standard output, and with --output no file at all.
TEST(IcsFile, BadInputIsRefusedAndNothingIsWritten) {
  const struct {
    std::vector<std::string> arguments;
    const char* named;  // what the one line on standard error names
  } cases[] = {
      {{"--festivals", "1900", "2000"}, "1900"},
      {{"--festivals", "2000", "2101"}, "2101"},
      {{"--festivals", "2030", "2020"}, "after"},
      {{"--festivals", "20x0", "2030"}, "20x0"},
      {{"--festivals", "2020"}, "FROM and TO"},
      {{"--festivals", "2020", "2021", "2022"}, "2022"},
      {{"2020", "2021"}, "nothing to write"},
      {{"--colour", "--festivals", "2020", "2021"}, "--colour"},
      {{"--anniversary", "生日", "2020-13-01", "2020", "2021"}, "2020-13-01"},
      {{"--anniversary", "生日", "2023-02-29", "2020", "2021"}, "no such day"},
      {{"--anniversary", "生日", "20200101", "2020", "2021"}, "YYYY-MM-DD"},
      {{"--anniversary", "生日", "1901-02-18", "2020", "2021"}, "1901-02-18"},
      {{"--anniversary", "生日", "2101-01-01", "2020", "2021"}, "2101-01-01"},
      {{"--anniversary", "生日"}, "--anniversary needs"},
      {{"--anniversary", "", "2020-01-01", "2020", "2021"}, "empty"},
      {{"--anniversary", "a\tb", "2020-01-01", "2020", "2021"}, "control"},
      {{"--anniversary", "\xe7\x94", "2020-01-01", "2020", "2021"}, "UTF-8"},
      {{"--leap-rule", "sometimes", "--days", "2020", "2021"}, "sometimes"},
      {{"--leap-rule", "ordinary", "--leap-rule", "ordinary", "--days", "2020",
        "2021"},
       "twice"},
      {{"--missing-day", "first", "--days", "2020", "2021"}, "first"},
      {{"--remind", "-1", "--days", "2020", "2021"}, "-1"},
      {{"--remind", "366", "--days", "2020", "2021"}, "366"},
      {{"--remind", "soon", "--days", "2020", "2021"}, "soon"},
      {{"--days", "2020", "2021", "--output"}, "--output"},
  };
  for (const auto& c : cases) {
    const fs::path folder = ScratchFolder("ics_bad");
    for (const bool toFile : {false, true}) {
      SCOPED_TRACE(std::string{c.named} + (toFile ? ", to a file" : ""));
      std::vector<std::string> arguments = c.arguments;
      if (toFile) {
        arguments.insert(arguments.begin(),
                         {"--output", (folder / "lunar.ics").string()});
      }
      const Outcome run = Ics(arguments);
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
      EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
      EXPECT_TRUE(fs::is_empty(folder));
    }
    fs::remove_all(folder);
  }
}

// 休 and 班 of the notice of 2025 (国办发明电〔2024〕12号): 元旦 1 January;
// 春节 28 January to 4 February, 26 January and 8 February worked; 清明节 4
// to 6 April; 劳动节 1 to 5 May, 27 April worked; 端午节 31 May to 2 June;
// 国庆节、中秋节 1 to 8 October, 28 September and 11 October worked.
TEST(IcsFile, HolidaysOfANotice) {
  const Outcome run = Ics({"--holidays", "2025", "2025"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<Event> events = Events(run.out);
  struct Span {
    std::string start, end, summary;
  };
  std::vector<Span> spans;
  for (const Event& event : events) {
    spans.push_back(
        {event.at("DTSTART"), event.at("DTEND"), event.at("SUMMARY")});
  }
  const std::vector<std::vector<std::string>> expected{
      {"20250101", "20250102", "元旦 休 1天"},
      {"20250126", "20250127", "春节调休 上班"},
      {"20250128", "20250205", "春节 休 8天"},
      {"20250208", "20250209", "春节调休 上班"},
      {"20250404", "20250407", "清明节 休 3天"},
      {"20250427", "20250428", "劳动节调休 上班"},
      {"20250501", "20250506", "劳动节 休 5天"},
      {"20250531", "20250603", "端午节 休 3天"},
      {"20250928", "20250929", "国庆节、中秋节调休 上班"},
      {"20251001", "20251009", "国庆节、中秋节 休 8天"},
      {"20251011", "20251012", "国庆节、中秋节调休 上班"},
  };
  ASSERT_EQ(spans.size(), expected.size());
  for (std::size_t i = 0; i < spans.size(); ++i) {
    EXPECT_EQ(std::vector<std::string>(
                  {spans[i].start, spans[i].end, spans[i].summary}),
              expected[i]);
  }
  // The statutory days of a span and its days worked, in its description:
  // from 2025 除夕 to 初三 of 春节, and 中秋节 on 6 October.
  const auto described = [&](const std::string& start) {
    for (const Event& event : events) {
      if (event.at("DTSTART") == start) return event.at("DESCRIPTION");
    }
    return std::string{};
  };
  EXPECT_EQ(described("20250128"),
            "法定假日：1月28日、1月29日、1月30日、1月31日\n"
            "调休上班：1月26日、2月8日");
  EXPECT_EQ(described("20251001"),
            "法定假日：10月1日、10月2日、10月3日、10月6日\n"
            "调休上班：9月28日、10月11日");
  // Every UID once, and the same in a file of more years.
  std::set<std::string> uids;
  for (const Event& event : events) uids.insert(event.at("UID"));
  EXPECT_EQ(uids.size(), events.size());
  std::set<std::string> wider;
  for (const Event& event :
       Events(Ics({"--holidays", "--festivals", "2024", "2026"}).out)) {
    wider.insert(event.at("UID"));
  }
  EXPECT_TRUE(
      std::includes(wider.begin(), wider.end(), uids.begin(), uids.end()));
  // Years no notice covers: no events, and a word where nothing is written.
  const Outcome none = Ics({"--holidays", "1990", "2000"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(Events(none.out).size(), 0u);
  EXPECT_NE(none.err.find("no notice of 1990..2000"), std::string::npos);
}

TEST(IcsOutput, BadSourceDateEpochIsBadInput) {
  for (const char* epoch : {"soon", "-5", "1e9", ""}) {
    const Outcome run = Ics({"--days", "2020", "2020"},
                            {.sourceDateEpoch = std::string{epoch}});
    EXPECT_EQ(run.status, 2) << epoch;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("SOURCE_DATE_EPOCH"), std::string::npos);
  }
}

TEST(IcsOutput, FileIsWrittenWholeAndReplacedWhole) {
  const fs::path folder = ScratchFolder("ics_out");
  const std::string file = (folder / "lunar.ics").string();
  const Outcome toStdout = Ics({"--festivals", "--terms", "2024", "2025"});
  ASSERT_EQ(toStdout.status, 0);
  {
    std::ofstream old{file};
    old << "an older file";
  }
  const Outcome run =
      Ics({"--festivals", "--terms", "--output", file, "2024", "2025"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadFile(file), toStdout.out);
  // Read by others, as a file the user created: nothing of the private
  // temporary file's mode stays.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
  // Bad input leaves the file as it was.
  EXPECT_EQ(Ics({"--festivals", "--output", file, "2024", "1999"}).status, 2);
  EXPECT_EQ(ReadFile(file), toStdout.out);
  EXPECT_EQ(
      std::distance(fs::directory_iterator{folder}, fs::directory_iterator{}),
      1);
  fs::remove_all(folder);
}

TEST(IcsOutput, AFailedWriteIsStatusOneAndLeavesNothing) {
  const fs::path folder = ScratchFolder("ics_fail");
  fs::create_directories(folder / "a folder");
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"a folder that does not exist", (folder / "none" / "x.ics").string()},
      {"a folder where the file should go", (folder / "a folder").string()},
  };
  for (const Case& c : cases) {
    const Outcome run = Ics({"--terms", "--output", c.file, "2024", "2024"});
    EXPECT_EQ(run.status, 1) << c.what;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(c.file), std::string::npos) << run.err;
  }
  // Nothing left behind, the folder untouched.
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator{folder}) {
    left.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(left, std::vector<std::string>{"a folder"});
  EXPECT_TRUE(fs::is_empty(folder / "a folder"));
  const Outcome full =
      Ics({"--terms", "2024", "2024"}, {.output = Sink::kFullDevice});
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("standard output"), std::string::npos) << full.err;
  fs::remove_all(folder);
}

}  // namespace
