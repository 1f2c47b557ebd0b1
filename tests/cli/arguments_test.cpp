// The command line's grammar: what each argument means, and every way of
// getting it wrong named in one line.
#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;

// A fixed "today", so that nothing here depends on the clock.
constexpr chr::year_month_day kToday = 2026y / 12 / 9;

Request Parse(const std::vector<std::string_view>& args,
              chr::year_month_day today = kToday) {
  return ParseArguments(args, today);
}

// `parse` must throw a UsageError whose message holds `message`.
template <typename Parsing>
void ExpectRefused(Parsing parse, const char* message) {
  try {
    parse();
    ADD_FAILURE() << "accepted: " << message;
  } catch (const UsageError& e) {
    EXPECT_NE(std::string{e.what()}.find(message), std::string::npos)
        << e.what();
  }
}

TEST(ArgumentsTest, FormsAndTheirValues) {
  const struct {
    std::vector<std::string_view> args;
    Form form;
    chr::year_month_day from, to;
    bool json, traditional;
  } rows[] = {
      {{}, Form::kDay, kToday, {}, false, false},
      {{"--traditional"}, Form::kDay, kToday, {}, false, true},
      {{"--json"}, Form::kDay, kToday, {}, true, false},
      {{"2024-03-01"}, Form::kDay, 2024y / 3 / 1, {}, false, false},
      {{"--", "2024-03-01"}, Form::kDay, 2024y / 3 / 1, {}, false, false},
      {{"-"}, Form::kDateList, {}, {}, false, false},
      {{"--json", "--traditional", "-"}, Form::kDateList, {}, {}, true, true},
      {{"--tsv", "2024-02-08", "2024-02-11"},
       Form::kRange,
       2024y / 2 / 8,
       2024y / 2 / 11,
       false,
       false},
      {{"2024-02-08", "--json", "--tsv", "2024-02-08"},
       Form::kRange,
       2024y / 2 / 8,
       2024y / 2 / 8,
       true,
       false},
      {{"-h"}, Form::kHelp, {}, {}, false, false},
      {{"--help", "2024-03-01"}, Form::kHelp, {}, {}, false, false},
      {{"--version"}, Form::kVersion, {}, {}, false, false},
  };
  for (const auto& row : rows) {
    const Request request = Parse(row.args);
    const std::string named{row.args.empty() ? "()" : row.args[0]};
    EXPECT_EQ(request.form, row.form) << named;
    if (row.form == Form::kDay || row.form == Form::kRange) {
      EXPECT_EQ(request.from, row.from) << named;
    }
    if (row.form == Form::kRange) {
      EXPECT_EQ(request.to, row.to) << named;
    }
    EXPECT_EQ(request.json, row.json) << named;
    EXPECT_EQ(request.script == Script::kTraditional, row.traditional) << named;
  }
  const Request lunar = Parse({"--leap", "--to-gregorian", "2023", "2", "1"});
  EXPECT_EQ(lunar.form, Form::kToGregorian);
  EXPECT_EQ(lunar.year * 10000 + lunar.month * 100 + lunar.day, 20230201);
  EXPECT_TRUE(lunar.leap);
  EXPECT_EQ(Parse({"--terms", "2100"}).year, 2100);
}

// Each message names the argument that is wrong.
TEST(ArgumentsTest, ErrorsNameTheArgument) {
  const struct {
    std::vector<std::string_view> args;
    const char* message;
  } rows[] = {
      {{"--leap", "--leap"}, "option '--leap' is given twice"},
      {{"--json", "--json", "2024-03-01"}, "option '--json' is given twice"},
      {{"-h", "--help"}, "option '--help' is given twice"},
      {{"--traditional", "--traditional"}, "'--traditional' is given twice"},
      {{"--tsv", "--tsv"}, "option '--tsv' is given twice"},
      {{"--terms", "2024", "--tsv"}, "'--tsv' does not go with '--terms'"},
      {{"2024-03-01", "x"}, "unexpected argument 'x'"},
      {{"-", "-"}, "unexpected argument '-'"},
      {{"--", "--json"}, "bad date '--json': expected YYYY-MM-DD"},
      {{"--frob"}, "unknown option '--frob'"},
      {{"-x\x1b[2J"}, "unknown option '-x\\x1b[2J'"},
      {{"--json", "--to-gregorian", "2024", "1", "1"}, "--json does not go"},
      {{"--leap", "-"}, "--leap goes only with --to-gregorian"},
      {{"2024-02-30"}, "bad date '2024-02-30': no such day"},
      {{"2024-2-3"}, "bad date '2024-2-3': expected YYYY-MM-DD"},
      {{"--terms", "1900"}, "year 1900 is outside 1901..2100"},
      {{"--to-gregorian", "2024", "13", "1"}, "month 13 is outside 1..12"},
  };
  for (const auto& row : rows) {
    ExpectRefused([&] { Parse(row.args); }, row.message);
  }
  // Today itself outside the range served.
  EXPECT_THROW(Parse({}, 2101y / 1 / 1), UsageError);
}

TEST(ArgumentsTest, CalRequests) {
  const struct {
    std::vector<std::string_view> args;
    int year, month;
    bool neighbours, monday;
    ColorChoice color;
  } rows[] = {
      {{}, 2026, 12, false, false, ColorChoice::kAuto},
      {{"-3"}, 2026, 12, true, false, ColorChoice::kAuto},
      {{"2026"}, 2026, 0, false, false, ColorChoice::kAuto},
      {{"--monday", "2024", "2"}, 2024, 2, false, true, ColorChoice::kAuto},
      {{"2024", "2", "-3"}, 2024, 2, true, false, ColorChoice::kAuto},
      {{"--color=never", "1901", "3"},
       1901,
       3,
       false,
       false,
       ColorChoice::kNever},
      {{"--color=always"}, 2026, 12, false, false, ColorChoice::kAlways},
      {{"--color", "2100", "12"}, 2100, 12, false, false, ColorChoice::kAlways},
  };
  for (const auto& row : rows) {
    const CalRequest request = ParseCalArguments(row.args, kToday);
    EXPECT_EQ(request.year, row.year);
    EXPECT_EQ(request.month, row.month);
    EXPECT_EQ(request.withNeighbours, row.neighbours);
    EXPECT_EQ(request.mondayFirst, row.monday);
    EXPECT_EQ(request.color, row.color);
  }
  const struct {
    std::vector<std::string_view> args;
    const char* message;
  } errors[] = {
      {{"-3", "-3"}, "option '-3' is given twice"},
      {{"--color=red"}, "bad '--color=red'"},
      {{"--color=never", "--color=always"}, "'--color' is given twice"},
      {{"2024", "13"}, "month 13 is outside 1..12"},
      {{"1900"}, "year 1900 is outside 1901..2100"},
      {{"1901", "2"}, "month 1901-02 is outside the months shown"},
      {{"2024", "1", "1"}, "unexpected argument '1'"},
      {{"-3", "2024"}, "-3 goes with a month"},
      {{"--tsv"}, "unknown option '--tsv'"},
  };
  for (const auto& row : errors) {
    ExpectRefused([&] { ParseCalArguments(row.args, kToday); }, row.message);
  }
}

}  // namespace
}  // namespace quillet::lunar_cli
