// Whole runs without a process: arguments, an injected date and standard
// input in; standard output, standard error and the status out.
#include "cli/run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
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
  EXPECT_EQ(version.out, "quillet-lunar " QUILLET_TEST_VERSION "\n");
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

}  // namespace
}  // namespace quillet::lunar_cli
