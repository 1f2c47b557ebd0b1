// JSON Lines for scripts: one object a day or a solar term, on one line.
// Keys only ever get added; texts are UTF-8 as they stand, unescaped. The
// writer is the few lines in json_lines.cpp rather than a JSON library's
// document tree, which took six times as long over the whole range (0.30 s
// of CPU against 0.05 s), for output that is never read back here.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "lunar/cn_calendar.h"
#include "lunar/official_days.h"

namespace quillet::lunar_cli {

// {"gregorian": "2024-02-10", "weekday": 6, "lunar": {"year": 2024,
//  "month": 1, "day": 1, "leap": false, "month_days": 29}, "text": "正月初一",
//  "ganzhi": {"year": "甲辰", "month": "丙寅", "day": "甲辰"}, "zodiac": "龙",
//  "term": null, "note": "", "festivals": ["春节"]} and a newline. weekday is
// ISO 8601's (1 Monday .. 7 Sunday); term, where the day has one, is
// {"name": "立春", "instant": "2024-02-04T16:27:07+08:00"}. Last, from the
// table of 休 and 班: "official", null on an ordinary day, else {"kind":
// "rest" or "work", "holiday": "国庆节", "statutory": true or false,
// "source": "notice" or "rules"}; and "workday", true, false, or null where
// no notice in the table covers the day's year. Then the seasons and the
// almanac: "dog_days" ("初伏第3天", "出伏" or null), "nines" ("三九第5天" or
// null), "plum_rain" ("入梅", "出梅" or null), "moon_phase" (null, or {"name":
// "望", "instant": "2025-10-07T11:47:00+08:00"}), "pentad" ({"name":
// "东风解冻", "index": 6}: 0..71 from 小寒's first) and "almanac"
// ({"officer": "建", "mansion": "角木蛟", "nayin": "海中金", "clash": "马",
// "sha": "南", "pengzu": [the stem's line, the branch's]}).
std::string DayJson(const CnCalendar& calendar,
                    std::chrono::year_month_day date, Script script,
                    const OfficialDays& official);

// {"name": "春分", "date": "2024-03-20", "instant":
// "2024-03-20T11:06:23+08:00"} and a newline: term `index` (0 小寒) of
// SolarTerms.
std::string TermJson(const SolarTerm& term, int index, Script script);

// `value` as a JSON string: quotes and backslashes escaped, control
// characters as \u00XX, everything else (UTF-8) as it stands.
void AppendJsonString(std::string& text, std::string_view value);

// ISO 8601 in China Standard Time: "2024-02-04T16:27:07+08:00".
std::string InstantText(std::chrono::sys_seconds utc);

}  // namespace quillet::lunar_cli
