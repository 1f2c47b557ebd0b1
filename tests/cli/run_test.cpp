// Whole runs without a process: arguments, an injected date and standard
// input in; standard output, standard error and the status out.
#include "cli/run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunWith(const std::vector<std::string_view>& args,
                chr::year_month_day today, const std::string& input = "") {
  std::istringstream in{input};
  StringOutput out, errors;
  const Context context{.today = today, .input = &in};
  const int status = Run(args, context, out, errors);
  return {status, out.Text(), errors.Text()};
}

TEST(RunTest, TodayByDefault) {
  const struct {
    chr::year_month_day today;
    std::vector<std::string_view> args;
    const char* out;
  } rows[] = {
      {2024y / 2 / 10, {}, "2024-02-10 甲辰年 正月初一\n"},
      {2024y / 2 / 9, {"--traditional"}, "2024-02-09 癸卯年 臘月三十 除夕\n"},
      {2025y / 1 / 29, {"--"}, "2025-01-29 乙巳年 正月初一\n"},
  };
  for (const auto& row : rows) {
    const Outcome run = RunWith(row.args, row.today);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, "");
  }
  const Outcome late = RunWith({}, 2101y / 1 / 1);
  EXPECT_EQ(late.status, 2);
  EXPECT_EQ(late.out, "");
  EXPECT_EQ(late.err,
            "quillet-lunar: today 2101-01-01 is outside the range served, "
            "1901-02-19..2100-12-31\n");
}

TEST(RunTest, HelpAndVersion) {
  const Outcome help = RunWith({"-h"}, 2024y / 1 / 1);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("quillet-lunar cal [-3]"), std::string::npos);
  EXPECT_EQ(RunWith({"--help"}, 2024y / 1 / 1).out, help.out);
  const Outcome version = RunWith({"--version"}, 2024y / 1 / 1);
  EXPECT_EQ(version.out,
            "quillet-lunar " QUILLET_TEST_VERSION
            "\n休/班: the notices of 2006–2026 (the latest built in dated "
            "2025-11-04)\n");
}

// One bad line among good ones: its message names its number, the others
// are still converted, and the status says that one was bad.
TEST(RunTest, DatesFromStandardInput) {
  const struct {
    const char* input;
    int status;
    const char* out;
    const char* err;
  } rows[] = {
      {"2024-02-10\n2024-02-09\r\n", 0,
       "2024-02-10 甲辰年 正月初一\n2024-02-09 癸卯年 腊月三十 除夕\n", ""},
      {"2024-02-10\n2024-02-30\n1900-01-01\n2024-02-09", 2,
       "2024-02-10 甲辰年 正月初一\n2024-02-09 癸卯年 腊月三十 除夕\n",
       "quillet-lunar: bad line 2: '2024-02-30': no such day\n"
       "quillet-lunar: line 3: 1900-01-01 is outside the range served, "
       "1901-02-19..2100-12-31\n"},
      {"\n", 2, "", "quillet-lunar: bad line 1: '': expected YYYY-MM-DD\n"},
      {"", 0, "", ""},
  };
  for (const auto& row : rows) {
    const Outcome run = RunWith({"-"}, 2024y / 1 / 1, row.input);
    EXPECT_EQ(run.status, row.status) << row.input;
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, row.err);
  }
}

// What a list's lines give is held back while more lines are at hand, and
// passed on once they are used up.
TEST(RunTest, DateListFlushesWhenInputRunsDry) {
  class FlushCounting final : public Output {
   public:
    void Write(std::string_view text) override { written += text; }
    void Flush() override { flushedAt.push_back(written.size()); }
    std::string written;
    std::vector<std::size_t> flushedAt;
  };
  std::istringstream in{"2024-02-10\n2024-02-09\n2024-02-08\n"};
  FlushCounting out;
  StringOutput errors;
  const Context context{.today = 2024y / 1 / 1, .input = &in};
  const std::vector<std::string_view> args{"-"};
  EXPECT_EQ(lunar_cli::Run(args, context, out, errors), 0);
  EXPECT_EQ(out.flushedAt, std::vector<std::size_t>{out.written.size()});
}

// --color=auto colours only a terminal, and not when NO_COLOR is set;
// always and never mean what they say.
// A day's hours by 五鼠遁 ("甲己还加甲，乙庚丙作初，丙辛从戊起"): the 子 hour
// of a 甲 day is 甲子, of a 庚 day 丙子, of a 辛 day 戊子, and the hours run on
// through the cycle. 2024-02-10 is a 甲辰 day (春节), 2024-07-15 庚辰 and
// 2024-07-16 辛巳 (counted from 1949-10-01, 甲子). 23:30 on 2024-07-15 is the
// 晚子 of the 15th by midnight, and by the rat hour the first hour of the
// 16th: 戊子 both ways, the day differing.
TEST(RunTest, HoursOfTheDay) {
  const struct {
    std::vector<std::string_view> args;
    const char* out;
  } rows[] = {
      {{"--hours", "2024-07-15"},
       "00:00-01:00 早子 丙子\n01:00-03:00 丑时 丁丑\n03:00-05:00 寅时 戊寅\n"
       "05:00-07:00 卯时 己卯\n07:00-09:00 辰时 庚辰\n09:00-11:00 巳时 辛巳\n"
       "11:00-13:00 午时 壬午\n13:00-15:00 未时 癸未\n15:00-17:00 申时 甲申\n"
       "17:00-19:00 酉时 乙酉\n19:00-21:00 戌时 丙戌\n21:00-23:00 亥时 丁亥\n"
       "23:00-24:00 晚子 戊子\n"},
      {{"--hours", "2024-07-16", "--rat-hour", "--traditional"},
       "23:00-01:00 子時 戊子\n01:00-03:00 丑時 己丑\n03:00-05:00 寅時 庚寅\n"
       "05:00-07:00 卯時 辛卯\n07:00-09:00 辰時 壬辰\n09:00-11:00 巳時 癸巳\n"
       "11:00-13:00 午時 甲午\n13:00-15:00 未時 乙未\n15:00-17:00 申時 丙申\n"
       "17:00-19:00 酉時 丁酉\n19:00-21:00 戌時 戊戌\n21:00-23:00 亥時 己亥\n"},
  };
  for (const auto& row : rows) {
    const Outcome run = RunWith(row.args, 2024y / 1 / 1);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, "");
  }
  const struct {
    std::vector<std::string_view> args;
    std::size_t line;  // from 0
    const char* json;
  } hours[] = {
      {{"--json", "--hours", "2024-02-10"},
       0,
       R"({"gregorian": "2024-02-10", "name": "早子", "branch": "子", )"
       R"("from": "2024-02-10T00:00:00+08:00", )"
       R"("to": "2024-02-10T01:00:00+08:00", "ganzhi": "甲子", )"
       R"("day_ganzhi": "甲辰"})"},
      {{"--json", "--hours", "2024-07-15"},
       12,
       R"({"gregorian": "2024-07-15", "name": "晚子", "branch": "子", )"
       R"("from": "2024-07-15T23:00:00+08:00", )"
       R"("to": "2024-07-16T00:00:00+08:00", "ganzhi": "戊子", )"
       R"("day_ganzhi": "庚辰"})"},
      {{"--json", "--rat-hour", "--hours", "2024-07-16"},
       0,
       R"({"gregorian": "2024-07-16", "name": "子时", "branch": "子", )"
       R"("from": "2024-07-15T23:00:00+08:00", )"
       R"("to": "2024-07-16T01:00:00+08:00", "ganzhi": "戊子", )"
       R"("day_ganzhi": "辛巳"})"},
  };
  for (const auto& row : hours) {
    const Outcome run = RunWith(row.args, 2024y / 1 / 1);
    EXPECT_EQ(run.status, 0);
    std::istringstream lines{run.out};
    std::string line;
    for (std::size_t i = 0; i <= row.line; ++i) std::getline(lines, line);
    EXPECT_EQ(line, row.json);
  }
  for (const std::vector<std::string_view>& args :
       std::vector<std::vector<std::string_view>>{{"--rat-hour", "2024-07-16"},
                                                  {"--hours"},
                                                  {"--hours", "1901-02-18"}}) {
    const Outcome run = RunWith(args, 2024y / 1 / 1);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
  }
}

// The DTSTART and SUMMARY of each event of a calendar, "20240715 初伏".
std::vector<std::string> DaysAndSummaries(const std::string& calendar) {
  std::vector<std::string> events;
  std::istringstream lines{calendar};
  std::string line, day;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("DTSTART;VALUE=DATE:")) day = line.substr(19);
    if (line.starts_with("SUMMARY:"))
      events.push_back(day + " " + line.substr(8));
  }
  return events;
}

// The seasons of 2024, worked out by hand: the nines of 冬至 2023 (12月22日)
// from 三九, 2024-01-09, to 九九, 2024-03-03, and the 一九 and 二九 of 冬至
// 2024 (12月21日): every nine whose first day falls in the year, nine of
// them; 入梅 and 出梅 (the first 丙 day from 芒种, 6月5日, and the first 未
// day from 小暑, 7月6日, itself a 未 day); the dog days as published, 初伏
// 7月15日, 中伏 7月25日 (20 days: 立秋 8月7日 has its first 庚 day on the
// 14th), 末伏 8月14日, 出伏 8月24日. Fifteen events.
TEST(RunTest, IcsSeasonsAndMoon) {
  const Outcome seasons =
      RunWith({"ics", "--seasons", "2024", "2024"}, 2024y / 1 / 1);
  EXPECT_EQ(seasons.status, 0);
  EXPECT_EQ(
      DaysAndSummaries(seasons.out),
      (std::vector<std::string>{
          "20240109 三九", "20240118 四九", "20240127 五九", "20240205 六九",
          "20240214 七九", "20240223 八九", "20240303 九九", "20240611 入梅",
          "20240706 出梅", "20240715 初伏", "20240725 中伏", "20240814 末伏",
          "20240824 出伏", "20241221 一九", "20241230 二九"}));
  EXPECT_NE(seasons.out.find("UID:20240725-season-dog-middle@quillet\r\n"),
            std::string::npos);
  EXPECT_NE(seasons.out.find("DESCRIPTION:中伏 20天\r\n"), std::string::npos);
  // 2025 has twelve full moons; that of 7 October at 03:47 UT.
  const Outcome moon =
      RunWith({"ics", "--moon", "2025", "2025"}, 2024y / 1 / 1);
  EXPECT_EQ(moon.status, 0);
  const std::vector<std::string> phases = DaysAndSummaries(moon.out);
  EXPECT_EQ(std::count_if(phases.begin(), phases.end(),
                          [](const std::string& event) {
                            return event.ends_with(" 望");
                          }),
            12);
  EXPECT_NE(moon.out.find("UID:20251007-moon-full@quillet\r\n"
                          "DTSTAMP:19700101T000000Z\r\n"
                          "DTSTART;VALUE=DATE:20251007\r\n"
                          "DTEND;VALUE=DATE:20251008\r\n"
                          "SUMMARY:望\r\n"
                          "DESCRIPTION:望 2025-10-07 11:47 (UTC+8)\r\n"),
            std::string::npos);
}

TEST(RunTest, CalColourOnlyWhereAskedFor) {
  const struct {
    std::vector<std::string_view> args;
    bool terminal, noColor, colored;
  } rows[] = {
      {{"cal"}, false, false, false},
      {{"cal"}, true, false, true},
      {{"cal"}, true, true, false},
      {{"cal", "--color=auto"}, true, false, true},
      {{"cal", "--color=never"}, true, false, false},
      {{"cal", "--color=always"}, false, false, true},
      {{"cal", "--color=always"}, true, true, true},
  };
  for (const auto& row : rows) {
    std::istringstream in;
    StringOutput out, errors;
    const Context context{.today = 2024y / 10 / 9,
                          .input = &in,
                          .outputIsTerminal = row.terminal,
                          .noColor = row.noColor};
    EXPECT_EQ(lunar_cli::Run(row.args, context, out, errors), 0);
    EXPECT_NE(out.Text().find("2024年10月 甲辰年 龙"), std::string::npos);
    EXPECT_EQ(out.Text().find("\x1b[7m 9\x1b[0m") != std::string::npos,
              row.colored)
        << row.terminal << row.noColor;
    EXPECT_EQ(errors.Text(), "");
  }
  const Outcome bad = RunWith({"cal", "2024", "13"}, 2024y / 1 / 1);
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "quillet-lunar: month 13 is outside 1..12\n");
}

// A later year as a file of notices would bring it: a year made up for the
// tests, whose every statutory day lies in a span of its holiday.
constexpr std::string_view kYear2027 =
    "# 2027, made up for the tests\n"
    "2027\t元旦\trest\t2027-01-01\t2027-01-03\n"
    "2027\t春节\trest\t2027-02-05\t2027-02-12\n"
    "2027\t春节\twork\t2027-02-20\t2027-02-20\n"
    "2027\t清明节\trest\t2027-04-03\t2027-04-05\n"
    "2027\t劳动节\trest\t2027-05-01\t2027-05-05\n"
    "2027\t端午节\trest\t2027-06-09\t2027-06-09\n"
    "\n"
    "2027\t中秋节\trest\t2027-09-15\t2027-09-15\n"
    "2027\t国庆节\trest\t2027-10-01\t2027-10-07\n"
    "2027\t国庆节\twork\t2027-10-09\t2027-10-09\n";

OfficialDays With2027() {
  auto table = OfficialDays::WithFurtherYears(kYear2027);
  if (!std::holds_alternative<OfficialDays>(table)) {
    throw std::logic_error("the 2027 of the tests is refused: " +
                           std::get<OfficialDaysFault>(table).message);
  }
  return std::get<OfficialDays>(std::move(table));
}

// The statuses of `workday` against the notices of 2025 (国务院办公厅
// 国办发明电〔2024〕12号) and the statutory days of a year without a notice.
TEST(RunTest, WorkdayStatuses) {
  const OfficialDays with2027 = With2027();
  const struct {
    std::vector<std::string_view> args;
    chr::year_month_day today;
    const OfficialDays* table;  // the built-in one where null
    int status;
    const char* out;
    const char* err;  // where not empty, the start of standard error
  } rows[] = {
      {{"workday", "2025-10-01"}, 2025y / 1 / 1, nullptr, 1, "", ""},
      {{"workday", "2025-10-04"}, 2025y / 1 / 1, nullptr, 1, "", ""},
      {{"workday", "2025-09-28"}, 2025y / 1 / 1, nullptr, 0, "", ""},
      {{"workday", "2025-10-11"}, 2025y / 1 / 1, nullptr, 0, "", ""},
      {{"workday", "2025-10-09"}, 2025y / 1 / 1, nullptr, 0, "", ""},
      {{"workday", "2025-10-12"}, 2025y / 1 / 1, nullptr, 1, "", ""},
      {{"workday", "2026-02-23"}, 2025y / 1 / 1, nullptr, 1, "", ""},
      {{"workday"}, 2025y / 10 / 8, nullptr, 1, "", ""},
      {{"workday"}, 2025y / 10 / 10, nullptr, 0, "", ""},
      // A later year: its statutory days are days off, the rest not known.
      {{"workday", "2027-02-05"}, 2025y / 1 / 1, nullptr, 1, "", ""},
      {{"workday", "2027-02-04"},
       2025y / 1 / 1,
       nullptr,
       3,
       "",
       "quillet-lunar: 2027年调休安排尚未收录: Quillet's data covers the "
       "notices of 2006..2026\n"},
      {{"workday", "-v", "1999-10-08"},
       2025y / 1 / 1,
       nullptr,
       3,
       "",
       "quillet-lunar: 1999年调休安排未收录"},
      // A file's year answers like a built-in one.
      {{"workday", "2027-02-04"}, 2025y / 1 / 1, &with2027, 0, "", ""},
      {{"workday", "2027-02-10"}, 2025y / 1 / 1, &with2027, 1, "", ""},
      {{"workday", "2027-02-20"}, 2025y / 1 / 1, &with2027, 0, "", ""},
      {{"workday", "2027-02-21"}, 2025y / 1 / 1, &with2027, 1, "", ""},
      {{"workday", "2028-01-03"},
       2025y / 1 / 1,
       &with2027,
       3,
       "",
       "quillet-lunar: 2028年调休安排尚未收录: Quillet's data covers the "
       "notices of 2006..2027\n"},
      // -v's lines.
      {{"workday", "-v", "2025-10-01"},
       2025y / 1 / 1,
       nullptr,
       1,
       "2025-10-01 休 国庆节、中秋节 法定假日\n",
       ""},
      {{"workday", "2025-10-04", "-v"},
       2025y / 1 / 1,
       nullptr,
       1,
       "2025-10-04 休 国庆节、中秋节\n",
       ""},
      {{"workday", "-v", "2025-09-28"},
       2025y / 1 / 1,
       nullptr,
       0,
       "2025-09-28 班 国庆节、中秋节调休\n",
       ""},
      {{"workday", "-v", "2025-10-09"},
       2025y / 1 / 1,
       nullptr,
       0,
       "2025-10-09 工作日\n",
       ""},
      {{"workday", "-v", "2025-10-12"},
       2025y / 1 / 1,
       nullptr,
       1,
       "2025-10-12 休息日\n",
       ""},
      {{"workday", "-v", "2027-02-05"},
       2025y / 1 / 1,
       nullptr,
       1,
       "2027-02-05 休 春节 法定假日 (2027年调休安排尚未收录)\n",
       ""},
      // Bad input: one line on standard error, nothing else.
      {{"workday", "2025-02-29"},
       2025y / 1 / 1,
       nullptr,
       2,
       "",
       "quillet-lunar: bad date '2025-02-29': no such day\n"},
      {{"workday", "1901-02-18"},
       2025y / 1 / 1,
       nullptr,
       2,
       "",
       "quillet-lunar: date 1901-02-18 is outside"},
      {{"workday"},
       2101y / 1 / 1,
       nullptr,
       2,
       "",
       "quillet-lunar: today 2101-01-01 is outside"},
      {{"workday", "2025-10-01", "2025-10-02"},
       2025y / 1 / 1,
       nullptr,
       2,
       "",
       "quillet-lunar: unexpected argument '2025-10-02'\n"},
      {{"workday", "-v", "-v"},
       2025y / 1 / 1,
       nullptr,
       2,
       "",
       "quillet-lunar: option '-v' is given twice\n"},
      {{"workday", "--json"},
       2025y / 1 / 1,
       nullptr,
       2,
       "",
       "quillet-lunar: unknown option '--json'"},
      {{"workday", "--check"},
       2025y / 1 / 1,
       nullptr,
       2,
       "",
       "quillet-lunar: --check needs FILE\n"},
      {{"workday", "-v", "--check", "a.tsv"},
       2025y / 1 / 1,
       nullptr,
       2,
       "",
       "quillet-lunar: -v does not go with --check\n"},
  };
  for (const auto& row : rows) {
    std::istringstream in;
    StringOutput out, errors;
    const Context context{
        .today = row.today, .input = &in, .officialDays = row.table};
    const std::string what{row.args.back()};
    EXPECT_EQ(lunar_cli::Run(row.args, context, out, errors), row.status)
        << what;
    EXPECT_EQ(out.Text(), row.out) << what;
    const std::string_view err = row.err;
    EXPECT_EQ(errors.Text().substr(0, err.size()), err) << what;
    EXPECT_EQ(errors.Text().empty(), err.empty()) << what;
    EXPECT_LE(std::count(errors.Text().begin(), errors.Text().end(), '\n'), 1)
        << what;
  }
}

// -v's line that cannot be written: status 4, not the 1 of a day off; a
// reader gone leaves the answer as it is.
TEST(RunTest, WorkdayLineNotWritten) {
  struct Failing final : Output {
    explicit Failing(bool gone) : gone(gone) {}
    void Write(std::string_view) override {
      if (gone) throw ReaderGone{};
      throw WriteError{"cannot write standard output: No space left on device"};
    }
    bool gone;
  };
  const Context context{.today = 2025y / 1 / 1};
  for (const bool gone : {false, true}) {
    for (const auto& [day, answer] : std::map<std::string_view, int>{
             {"2025-10-01", 1}, {"2025-10-09", 0}}) {
      Failing out{gone};
      StringOutput errors;
      const std::vector<std::string_view> args{"workday", "-v", day};
      EXPECT_EQ(lunar_cli::Run(args, context, out, errors), gone ? answer : 4)
          << day;
      EXPECT_EQ(errors.Text(),
                gone ? ""
                     : "quillet-lunar: cannot write standard output: No space "
                       "left on device\n");
    }
  }
}

// `workday --check FILE`: what a file would add, or the line it is refused
// on; the files come through the context, never from the disk.
TEST(RunTest, WorkdayCheck) {
  const std::map<std::string, std::string> files{
      {"2027.tsv", std::string{kYear2027}},
      {"empty.tsv", "# nothing yet\n"},
      {"overlap.tsv", "2026\t元旦\trest\t2026-01-01\t2026-01-03\n"},
      {"friday.tsv", std::string{kYear2027}.replace(
                         std::string{kYear2027}.find("2027-02-20\t2027-02-20"),
                         21, "2027-02-19\t2027-02-19")},
  };
  const auto read = [&](const std::string& path) -> std::optional<std::string> {
    if (path == "locked.tsv") throw std::runtime_error("cannot be read");
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  };
  const struct {
    std::string_view file;
    int status;
    const char* out;
    const char* err;  // the start of standard error
  } rows[] = {
      {"2027.tsv", 0, "2027.tsv: adds 2027 (9 rows)\n", ""},
      {"empty.tsv", 0, "empty.tsv: adds no year (no rows)\n", ""},
      {"overlap.tsv", 2, "", "quillet-lunar: overlap.tsv:1: "},
      {"friday.tsv", 2, "", "quillet-lunar: friday.tsv:4: "},
      {"missing.tsv", 2, "", "quillet-lunar: missing.tsv: no such file\n"},
      {"locked.tsv", 2, "", "quillet-lunar: locked.tsv: cannot be read\n"},
  };
  for (const auto& row : rows) {
    std::istringstream in;
    StringOutput out, errors;
    // A refused file of the user's own is not this form's business.
    const Context context{.today = 2025y / 1 / 1,
                          .input = &in,
                          .officialDaysRefusal = "/home/u/x.tsv:1: bad",
                          .readFile = read};
    const std::vector<std::string_view> args{"workday", "--check", row.file};
    EXPECT_EQ(lunar_cli::Run(args, context, out, errors), row.status)
        << row.file;
    EXPECT_EQ(out.Text(), row.out) << row.file;
    const std::string_view err = row.err;
    EXPECT_EQ(errors.Text().substr(0, err.size()), err) << row.file;
    EXPECT_EQ(std::count(errors.Text().begin(), errors.Text().end(), '\n'),
              err.empty() ? 0 : 1)
        << row.file;
  }
}

// A refused file of later notices: one line, once, from each form that
// answers from the table, and the built-in notices answer.
TEST(RunTest, RefusedFileNamedOnce) {
  const struct {
    std::vector<std::string_view> args;
    bool named;
  } rows[] = {
      {{"workday", "2025-10-01"}, true},
      {{"--json", "2025-10-01"}, true},
      {{"--tsv", "2025-10-01", "2025-10-02"}, true},
      {{"cal", "2025", "10"}, true},
      {{"ics", "--holidays", "2025", "2025"}, true},
      {{"2025-10-01"}, false},
      {{"ics", "--terms", "2025", "2025"}, false},
  };
  for (const auto& row : rows) {
    std::istringstream in;
    StringOutput out, errors;
    const Context context{.today = 2025y / 1 / 1,
                          .input = &in,
                          .officialDaysRefusal =
                              "/home/u/.local/share/quillet/official-days.tsv:"
                              "3: 2026 is built in"};
    EXPECT_EQ(lunar_cli::Run(row.args, context, out, errors),
              row.args[0] == "workday" ? 1 : 0);
    EXPECT_EQ(errors.Text(),
              row.named ? "quillet-lunar: /home/u/.local/share/quillet/"
                          "official-days.tsv:3: 2026 is built in\n"
                        : "")
        << row.args[0];
  }
}

// --version names the years of the notices, a file's among them.
TEST(RunTest, VersionNamesTheNotices) {
  const OfficialDays with2027 = With2027();
  std::istringstream in;
  StringOutput out, errors;
  const Context context{
      .today = 2025y / 1 / 1, .input = &in, .officialDays = &with2027};
  const std::vector<std::string_view> args{"--version"};
  EXPECT_EQ(lunar_cli::Run(args, context, out, errors), 0);
  EXPECT_EQ(out.Text(),
            "quillet-lunar " QUILLET_TEST_VERSION
            "\n休/班: the notices of 2006–2027 (the latest built in dated "
            "2025-11-04; 2027 from a file)\n");
}

}  // namespace
}  // namespace quillet::lunar_cli
