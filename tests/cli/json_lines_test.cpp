// JSON Lines, called directly: the escaping of strings and the instants.
// The whole range is read back by Python's JSON parser in check_output.py.
#include "cli/json_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;
using namespace std::chrono_literals;

TEST(JsonLinesTest, StringsEscapedAsJsonWants) {
  const struct {
    std::string_view value;
    const char* json;
  } rows[] = {
      {"春节", R"("春节")"},
      {"", R"("")"},
      {"a\"b", R"("a\"b")"},
      {"a\\b", R"("a\\b")"},
      {"line\nnext\ttab", R"("line\u000anext\u0009tab")"},
      {std::string_view{"\x00\x1f", 2}, R"("\u0000\u001f")"},
      {"/\x7f", "\"/\x7f\""},  // neither needs escaping
  };
  for (const auto& row : rows) {
    std::string text;
    AppendJsonString(text, row.value);
    EXPECT_EQ(text, row.json);
  }
}

// UTC instants as ISO 8601 in UTC+8, across the day and year boundary.
TEST(JsonLinesTest, InstantsInChinaStandardTime) {
  const struct {
    chr::sys_seconds utc;
    const char* text;
  } rows[] = {
      {chr::sys_days{2024y / 2 / 4} + 8h + 27min + 7s,
       "2024-02-04T16:27:07+08:00"},
      {chr::sys_days{2021y / 12 / 21} + 15h + 59min + 14s,
       "2021-12-21T23:59:14+08:00"},
      {chr::sys_days{2024y / 12 / 31} + 16h, "2025-01-01T00:00:00+08:00"},
  };
  for (const auto& row : rows) EXPECT_EQ(InstantText(row.utc), row.text);
}

// The terms of 2024: the vernal equinox on 20 March, 11:06 UTC+8 (the US
// Naval Observatory's 03:06 UT).
TEST(JsonLinesTest, TermObject) {
  const CnCalendar calendar;
  const auto terms = calendar.SolarTerms(2024);
  const std::string json = TermJson(terms[5], 5, Script::kSimplified);
  const std::string start =
      R"({"name": "春分", "date": "2024-03-20", "instant": "2024-03-20T11:0)";
  EXPECT_EQ(json.substr(0, start.size()), start);
  EXPECT_EQ(json.back(), '\n');
  const std::string traditional = R"({"name": "驚蟄", )";
  EXPECT_EQ(
      TermJson(terms[4], 4, Script::kTraditional).substr(0, traditional.size()),
      traditional);
}

// The two keys that end a day's object, on days of the 2025 notice (国办发
// 明电〔2024〕12号), and of 2027, which no notice here covers: 春节 2027
// falls on 6 February, and from 2025 除夕 to 初三 are statutory.
TEST(JsonLinesTest, OfficialDaysEndTheObject) {
  const CnCalendar calendar;
  const struct {
    chr::year_month_day day;
    const char* end;
  } rows[] = {
      {2025y / 10 / 1,
       R"("official": {"kind": "rest", "holiday": "国庆节、中秋节", )"
       R"("statutory": true, "source": "notice"}, "workday": false})"},
      {2025y / 10 / 4,
       R"("official": {"kind": "rest", "holiday": "国庆节、中秋节", )"
       R"("statutory": false, "source": "notice"}, "workday": false})"},
      {2025y / 9 / 28,
       R"("official": {"kind": "work", "holiday": "国庆节、中秋节", )"
       R"("statutory": false, "source": "notice"}, "workday": true})"},
      {2025y / 10 / 9, R"("official": null, "workday": true})"},
      {2025y / 10 / 12, R"("official": null, "workday": false})"},
      {2027y / 2 / 5,
       R"("official": {"kind": "rest", "holiday": "春节", )"
       R"("statutory": true, "source": "rules"}, "workday": false})"},
      {2027y / 2 / 4, R"("official": null, "workday": null})"},
      {1999y / 10 / 1, R"("official": null, "workday": null})"},
  };
  for (const auto& row : rows) {
    const std::string json = DayJson(calendar, row.day, Script::kSimplified,
                                     OfficialDays::BuiltIn());
    const std::string end = std::string{row.end} + "\n";
    ASSERT_GE(json.size(), end.size());
    EXPECT_EQ(json.substr(json.size() - end.size()), end);
    // The keys before them are as they were.
    EXPECT_NE(json.find(R"(, "festivals": [)"), std::string::npos);
  }
}

}  // namespace
}  // namespace quillet::lunar_cli
