// quillet-lunar as a user runs it: the built program, its standard output,
// standard error and exit status. Expected dates are published facts.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tests/cli/run_program.h"

namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;
using quillet::tests::Lines;
using quillet::tests::Outcome;
using quillet::tests::Sink;

// Runs the program with these arguments, its output into scratch files.
Outcome RunProgram(std::vector<std::string> arguments, Sink sink = Sink::kFile,
                   std::string input = "") {
  arguments.insert(arguments.begin(), QUILLET_LUNAR_PROGRAM);
  return quillet::tests::Run(std::move(arguments),
                             {.output = sink, .input = std::move(input)});
}

// A run that succeeds with `line` as all it writes.
void ExpectAnswer(const std::vector<std::string>& args, const char* line) {
  SCOPED_TRACE(line);
  const Outcome run = RunProgram(args);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string{line} + "\n");
  EXPECT_EQ(run.err, "");
}

TEST(QuilletLunarCliTest, OneLineForAPerson) {
  const struct {
    std::vector<std::string> args;
    const char* line;
  } rows[] = {
      {{"2024-03-01"}, "2024-03-01 甲辰年 正月廿一"},
      {{"2024-02-09"}, "2024-02-09 癸卯年 腊月三十 除夕"},
      {{"--traditional", "2024-02-09"}, "2024-02-09 癸卯年 臘月三十 除夕"},
      {{"2023-03-22"}, "2023-03-22 癸卯年 闰二月初一"},
      {{"--traditional", "2023-03-22"}, "2023-03-22 癸卯年 閏二月初一"},
      {{"2034-01-01"}, "2034-01-01 癸丑年 闰冬月十一"},
      {{"2024-03-05"}, "2024-03-05 甲辰年 正月廿五 惊蛰"},
      {{"--traditional", "2024-03-05"}, "2024-03-05 甲辰年 正月廿五 驚蟄"},
      {{"2024-02-20"}, "2024-02-20 甲辰年 正月十一"},
      {{"1901-02-19"}, "1901-02-19 辛丑年 正月初一"},
      {{"2100-02-09"}, "2100-02-09 庚申年 正月初一"},
  };
  for (const auto& row : rows) ExpectAnswer(row.args, row.line);
}

// The eve and the new year of 2024 as rows, in both scripts.
TEST(QuilletLunarCliTest, TsvRowsEveryDay) {
  const Outcome run = RunProgram({"--tsv", "2024-02-08", "2024-02-11"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string header =
      "gregorian\tlunar_year\tlunar_month\tis_leap\tlunar_day\tnote\t"
      "official\tholiday\tworkday\n";
  // 春节 2024: 10 to 17 February off.
  EXPECT_EQ(run.out, header +
                         "2024-02-08\t2023\t12\t0\t29\t\t\t\t1\n"
                         "2024-02-09\t2023\t12\t0\t30\t除夕\t\t\t1\n"
                         "2024-02-10\t2024\t1\t0\t1\t\trest\t春节\t0\n"
                         "2024-02-11\t2024\t1\t0\t2\t\trest\t春节\t0\n");
  const Outcome leap =
      RunProgram({"--traditional", "--tsv", "2023-03-21", "2023-03-22"});
  EXPECT_EQ(leap.out, header +
                          "2023-03-21\t2023\t2\t0\t30\t春分\t\t\t1\n"
                          "2023-03-22\t2023\t2\t1\t1\t\t\t\t1\n");
  // The whole range: a header and one row for each of its 73,000 days.
  const Outcome all = RunProgram({"--tsv", "1901-02-19", "2100-12-31"});
  EXPECT_EQ(all.status, 0);
  const std::vector<std::string> lines = Lines(all.out);
  ASSERT_EQ(lines.size(), 73'001u);
  EXPECT_EQ(lines[1], "1901-02-19\t1901\t1\t0\t1\t\t\t\t");
  EXPECT_EQ(lines.back().substr(0, 16), "2100-12-31\t2100\t");
}

TEST(QuilletLunarCliTest, ToGregorian) {
  const struct {
    std::vector<std::string> args;
    const char* date;
  } rows[] = {
      {{"--to-gregorian", "2024", "1", "1"}, "2024-02-10"},
      {{"--to-gregorian", "2023", "2", "1", "--leap"}, "2023-03-22"},
      {{"--to-gregorian", "--leap", "2023", "2", "29"}, "2023-04-19"},
      {{"--to-gregorian", "2023", "12", "30"}, "2024-02-09"},
      {{"--to-gregorian", "1901", "1", "1"}, "1901-02-19"},
      {{"--to-gregorian", "2099", "1", "1"}, "2099-01-21"},
  };
  for (const auto& row : rows) ExpectAnswer(row.args, row.date);
}

// 2024's terms: 24 rows in order, the equinoxes and solstices within a
// minute and a half of the US Naval Observatory's published times (UT + 8 h).
TEST(QuilletLunarCliTest, TermsOfAYear) {
  const Outcome run = RunProgram({"--terms", "2024"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], "date\tname\tinstant_utc8");
  const struct {
    std::size_t row;
    const char* name;
    chr::sys_seconds published;  // UTC+8
  } rows[] = {
      {6, "春分", chr::sys_days{2024y / 3 / 20} + 11h + 6min},
      {12, "夏至", chr::sys_days{2024y / 6 / 21} + 4h + 51min},
      {18, "秋分", chr::sys_days{2024y / 9 / 22} + 20h + 44min},
      {24, "冬至", chr::sys_days{2024y / 12 / 21} + 17h + 20min},
  };
  for (const auto& row : rows) {
    const std::string& line = lines[row.row];
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    const std::string expectedStart =
        line.substr(0, 10) + "\t" + row.name + "\t" + line.substr(0, 10) + " ";
    EXPECT_EQ(line.substr(0, expectedStart.size()), expectedStart) << line;
    ASSERT_EQ(std::sscanf(line.c_str() + expectedStart.size() - 11,
                          "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s),
              6)
        << line;
    const chr::sys_seconds instant = chr::sys_days{chr::year{y} / mo / d} +
                                     chr::hours{h} + chr::minutes{mi} +
                                     chr::seconds{s};
    EXPECT_LE(chr::abs(instant - row.published), 90s) << line;
  }
  for (std::size_t i = 2; i < lines.size(); ++i) {
    EXPECT_LT(lines[i - 1].substr(lines[i - 1].rfind('\t')),
              lines[i].substr(lines[i].rfind('\t')));
  }
  const Outcome traditional = RunProgram({"--traditional", "--terms", "2024"});
  EXPECT_NE(traditional.out.find("\t驚蟄\t"), std::string::npos);
  EXPECT_NE(traditional.out.find("\t穀雨\t"), std::string::npos);
  EXPECT_EQ(traditional.out.find("惊蛰"), std::string::npos);
}

// The forms added for people and scripts, each once as the program runs.
TEST(QuilletLunarCliTest, FormsForPeopleAndScripts) {
  const struct {
    std::vector<std::string> args;
    std::string input;
    int status;
    const char* out;  // the start of standard output
    const char* err;  // all of standard error
  } rows[] = {
      {{"--version"}, "", 0, "quillet-lunar " QUILLET_TEST_VERSION "\n", ""},
      {{"-", "--traditional"},
       "2024-02-09\n2024-13-01\n2024-02-10\n",
       2,
       "2024-02-09 癸卯年 臘月三十 除夕\n2024-02-10 甲辰年 正月初一\n",
       "quillet-lunar: bad line 2: '2024-13-01': no such day\n"},
      {{"--json", "2024-02-10"},
       "",
       0,
       "{\"gregorian\": \"2024-02-10\", \"weekday\": 6, \"lunar\": ",
       ""},
      {{"--json", "--terms", "2024"}, "", 0, "{\"name\": \"小寒\", ", ""},
      {{"cal", "2024", "2"},
       "",
       0,
       "        2024年2月 癸卯年 兔        \n",
       ""},
      {{"cal", "--color=always", "2024", "2"},
       "",
       0,
       "        2024年2月 癸卯年 兔        \n",
       ""},
      {{"cal", "2101"},
       "",
       2,
       "",
       "quillet-lunar: year 2101 is outside 1901..2100\n"},
  };
  for (const auto& row : rows) {
    const Outcome run = RunProgram(row.args, Sink::kFile, row.input);
    EXPECT_EQ(run.status, row.status) << row.args[0];
    EXPECT_EQ(run.out.substr(0, std::string_view{row.out}.size()), row.out);
    EXPECT_EQ(run.err, row.err);
    // Piped, only --color=always writes an escape.
    EXPECT_EQ(run.out.find('\x1b') != std::string::npos,
              row.args.size() > 1 && row.args[1] == "--color=always")
        << row.args[0];
  }
}

// Dates typed one at a time: each answer comes before the next line is
// written, not when standard input ends.
TEST(QuilletLunarCliTest, AnswersEachLineAsItComes) {
  int toProgram[2], fromProgram[2];
  ASSERT_EQ(::pipe(toProgram), 0);
  ASSERT_EQ(::pipe(fromProgram), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(toProgram[0], 0);
    ::dup2(fromProgram[1], 1);
    ::close(toProgram[1]);
    ::close(fromProgram[0]);
    ::execl(QUILLET_LUNAR_PROGRAM, QUILLET_LUNAR_PROGRAM, "-",
            static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  ::close(toProgram[0]);
  ::close(fromProgram[1]);
  const struct {
    const char* line;
    const char* answer;
  } rows[] = {
      {"2024-02-10\n", "2024-02-10 甲辰年 正月初一\n"},
      {"2024-02-09\n", "2024-02-09 癸卯年 腊月三十 除夕\n"},
  };
  for (const auto& row : rows) {
    const std::string_view line = row.line;
    ASSERT_EQ(::write(toProgram[1], line.data(), line.size()),
              static_cast<ssize_t>(line.size()));
    std::string answer;
    while (answer.find('\n') == std::string::npos) {
      pollfd ready{fromProgram[0], POLLIN, 0};
      ASSERT_EQ(::poll(&ready, 1, 10'000), 1) << "no answer to " << row.line;
      char buffer[256];
      const ssize_t got = ::read(fromProgram[0], buffer, sizeof buffer);
      ASSERT_GT(got, 0);
      answer.append(buffer, static_cast<std::size_t>(got));
    }
    EXPECT_EQ(answer, row.answer);
  }
  ::close(toProgram[1]);
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ::close(fromProgram[0]);
}

TEST(QuilletLunarCliTest, HelpGoesToStandardOutput) {
  const Outcome run = RunProgram({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(
      run.out.find("quillet-lunar [--traditional] [--json] --tsv FROM TO"),
      std::string::npos);
  EXPECT_EQ(run.err, "");
}

// Every kind of bad input: status 2, nothing on standard output, one line
// on standard error that names what is wrong.
TEST(QuilletLunarCliTest, BadInputFailsWithOneLine) {
  const struct {
    std::vector<std::string> args;
    const char* named;
  } rows[] = {
      {{"2024-3-1"}, "YYYY-MM-DD"},
      {{"abcd-ef-gh"}, "YYYY-MM-DD"},
      {{"2023-02-29"}, "no such day"},
      {{"1901-02-18"}, "1901-02-19..2100-12-31"},
      {{"1900-06-01"}, "1901-02-19..2100-12-31"},
      {{"2101-01-01"}, "1901-02-19..2100-12-31"},
      {{"2024-03-01", "2024-03-02"}, "unexpected argument '2024-03-02'"},
      {{"--tsv", "2024-03-02", "2024-03-01"}, "after"},
      {{"--tsv", "2024-03-01"}, "--tsv needs FROM and TO"},
      {{"--tsv"}, "--tsv needs FROM and TO"},
      {{"--tsv", "1901-02-18", "1901-03-01"}, "1901-02-19..2100-12-31"},
      {{"--tsv", "2100-12-01", "2101-01-01"}, "1901-02-19..2100-12-31"},
      {{"--tsv", "2024-01-01", "2024/01/02"}, "YYYY-MM-DD"},
      {{"--to-gregorian", "2024", "13", "1"}, "month 13"},
      {{"--to-gregorian", "2024", "0", "1"}, "month 0"},
      {{"--to-gregorian", "2024", "12", "30"}, "day 30"},
      {{"--to-gregorian", "2024", "1", "0"}, "day 0"},
      {{"--to-gregorian", "2024", "5", "1", "--leap"}, "no leap month 5"},
      {{"--to-gregorian", "1900", "1", "1"}, "year 1900"},
      {{"--to-gregorian", "2101", "1", "1"}, "year 2101"},
      {{"--to-gregorian", "2024", "x", "1"}, "month 'x'"},
      {{"--to-gregorian", "2024", "1"}, "YEAR MONTH DAY"},
      {{"--to-gregorian", "2024", "1", "1", "5"}, "unexpected argument '5'"},
      {{"--traditional", "--to-gregorian", "2024", "1", "1"}, "--traditional"},
      {{"--leap", "2024-03-01"}, "--leap"},
      {{"--terms", "1900"}, "year 1900"},
      {{"--terms", "2101"}, "year 2101"},
      {{"--terms", "20x4"}, "year '20x4'"},
      {{"--terms"}, "--terms needs YEAR"},
      {{"--frobnicate", "2024-03-01"}, "--frobnicate"},
      {{"-x"}, "'-x'"},
      {{"--tsv", "--terms", "2024"}, "choose one"},
  };
  for (const auto& row : rows) {
    const Outcome run = RunProgram(row.args);
    EXPECT_EQ(run.status, 2) << row.named;
    EXPECT_EQ(run.out, "") << row.named;
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_EQ(run.err.back(), '\n') << run.err;
    EXPECT_NE(run.err.find(row.named), std::string::npos) << run.err;
  }
}

// Output that cannot be written is a failure the caller hears of: status 1
// and one line on standard error. A reader that has gone away (`| head`) is
// not: the program stops without a word, and successfully.
TEST(QuilletLunarCliTest, OutputThatCannotBeWritten) {
  const struct {
    std::vector<std::string> args;
    Sink sink;
    int status;
    const char* named;  // in the one line on standard error; "" for none
  } rows[] = {
      {{"--tsv", "1901-02-19", "2100-12-31"},
       Sink::kFullDevice,
       1,
       "No space left on device"},
      {{"2024-03-01"}, Sink::kFullDevice, 1, "cannot write standard output"},
      {{"--help"}, Sink::kFullDevice, 1, "cannot write standard output"},
      {{"--terms", "2024"}, Sink::kClosed, 1, "Bad file descriptor"},
      {{"--tsv", "1901-02-19", "2100-12-31"}, Sink::kClosedPipe, 0, ""},
      {{"2024-03-01"}, Sink::kClosedPipe, 0, ""},
  };
  for (const auto& row : rows) {
    const Outcome run = RunProgram(row.args, row.sink);
    EXPECT_EQ(run.status, row.status) << row.args[0] << " " << row.named;
    if (*row.named == '\0') {
      EXPECT_EQ(run.err, "");
    } else {
      EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
      EXPECT_NE(run.err.find(row.named), std::string::npos) << run.err;
    }
  }
}

}  // namespace
