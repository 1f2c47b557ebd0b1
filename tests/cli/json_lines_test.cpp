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

// The two keys after the festivals, before the seasons, on days of the 2025
// notice (国办发 明电〔2024〕12号), and of 2027, which no notice here covers:
// 春节 2027 falls on 6 February, and from 2025 除夕 to 初三 are statutory.
TEST(JsonLinesTest, OfficialDaysFollowFestivals) {
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
    // Up to the object's closing brace, which the seasons' keys now follow.
    const std::string keys = std::string{row.end};
    const std::string expected =
        keys.substr(0, keys.size() - 1) + R"(, "dog_days": )";
    EXPECT_NE(json.find(expected), std::string::npos) << json;
    // The keys before them are as they were.
    EXPECT_NE(json.find(R"(, "festivals": [)"), std::string::npos);
  }
}

// The keys after "workday", worked out by hand. The days' stems and branches
// count from 1949-10-01, a 甲子 day; the officer from the month's branch (the
// 节 of the month as published: 芒种 2024-06-05, 小暑 2024-07-06, 立秋
// 2024-08-07, 白露 2025-09-07, 小寒 2025-01-05); the mansion from the 甲子
// Sunday 2000-09-03, 虚. 2024's dog days as the weather services published
// them: 入伏 7月15日, 出伏 8月24日. 入梅 2024: the first 丙 day from 芒种
// (庚子): 6月11日, 丙午. The full moon of 2025-10-07, 03:47 UT. 冬至 2024 is
// 12月21日, so 2025-01-12 is the fifth day of 三九.
TEST(JsonLinesTest, SeasonsAndAlmanacFollowWorkday) {
  const CnCalendar calendar;
  const struct {
    chr::year_month_day day;
    Script script;
    const char* end;
  } rows[] = {
      {2024y / 7 / 15, Script::kSimplified,
       R"("dog_days": "初伏第1天", "nines": null, "plum_rain": null, )"
       R"("moon_phase": null, "pentad": {"name": "蟋蟀居壁", "index": 37}, )"
       R"("almanac": {"officer": "收", "mansion": "毕月乌", "nayin": "白蜡金", )"
       R"("clash": "狗", "sha": "南", )"
       R"("pengzu": ["庚不经络织机虚张", "辰不哭泣必主重丧"]}})"},
      {2024y / 6 / 11, Script::kSimplified,
       R"("dog_days": null, "nines": null, "plum_rain": "入梅", )"
       R"("moon_phase": null, "pentad": {"name": "鵙始鸣", "index": 31}, )"
       R"("almanac": {"officer": "建", "mansion": "室火猪", "nayin": "天河水", )"
       R"("clash": "鼠", "sha": "北", )"
       R"("pengzu": ["丙不修灶必见灾殃", "午不苫盖屋主更张"]}})"},
      {2025y / 10 / 7, Script::kSimplified,
       R"("dog_days": null, "nines": null, "plum_rain": null, )"
       R"("moon_phase": {"name": "望", "instant": "2025-10-07T11:47:00+08:00"}, )"
       R"("pentad": {"name": "水始涸", "index": 53}, )"
       R"("almanac": {"officer": "建", "mansion": "觜火猴", "nayin": "大驿土", )"
       R"("clash": "兔", "sha": "东", )"
       R"("pengzu": ["己不破券二比并亡", "酉不会客醉坐颠狂"]}})"},
      {2025y / 1 / 12, Script::kSimplified,
       R"("dog_days": null, "nines": "三九第5天", "plum_rain": null, )"
       R"("moon_phase": null, "pentad": {"name": "鹊始巢", "index": 1}, )"
       R"("almanac": {"officer": "定", "mansion": "房日兔", "nayin": "白蜡金", )"
       R"("clash": "猪", "sha": "东", )"
       R"("pengzu": ["辛不合酱主人不尝", "巳不远行财物伏藏"]}})"},
      {2024y / 8 / 24, Script::kTraditional,
       R"("dog_days": "出伏", "nines": null, "plum_rain": null, )"
       R"("moon_phase": null, "pentad": {"name": "鷹乃祭鳥", "index": 45}, )"
       R"("almanac": {"officer": "建", "mansion": "氐土貉", "nayin": "石榴木", )"
       R"("clash": "虎", "sha": "南", )"
       R"("pengzu": ["庚不經絡織機虛張", "申不安床鬼祟入房"]}})"},
  };
  for (const auto& row : rows) {
    const std::string json =
        DayJson(calendar, row.day, row.script, OfficialDays::BuiltIn());
    const std::string end = std::string{row.end} + "\n";
    const std::size_t at = json.find(R"(, "dog_days": )");
    ASSERT_NE(at, std::string::npos) << json;
    EXPECT_EQ(json.substr(at + 2), end);
    EXPECT_NE(json.find(R"("workday": )"), std::string::npos);
  }
}

}  // namespace
}  // namespace quillet::lunar_cli
