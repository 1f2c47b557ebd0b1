#include "cli/hours.h"

#include <vector>

#include "cli/json_lines.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;

// One double hour of the day: hours from the day's midnight (the 子 hour by
// the rat hour starts at -1, the evening before), and its stem and branch.
struct DoubleHour {
  int from;
  int to;
  HourPillar pillar;
};

std::vector<DoubleHour> HoursOf(chr::year_month_day date,
                                DayBoundary boundary) {
  const int y = static_cast<int>(date.year());
  const int m = static_cast<int>(unsigned{date.month()});
  const int d = static_cast<int>(unsigned{date.day()});
  std::vector<DoubleHour> hours;
  // 00:00 .. 01:00 is the second half of the 子 hour that began at 23:00.
  hours.push_back({boundary == DayBoundary::kRatHour ? -1 : 0, 1,
                   HourPillarAt(y, m, d, 0, boundary)});
  for (int start = 1; start < 23; start += 2) {
    hours.push_back({start, start + 2, HourPillarAt(y, m, d, start, boundary)});
  }
  if (boundary == DayBoundary::kMidnight) {
    hours.push_back({23, 24, HourPillarAt(y, m, d, 23, boundary)});
  }
  return hours;
}

// 早子 and 晚子 by midnight, which split the 子 hour; else "子时".
std::string NameOf(const DoubleHour& hour, DayBoundary boundary,
                   Script script) {
  if (boundary == DayBoundary::kMidnight && hour.pillar.branch == 0) {
    return hour.from == 0 ? "早子" : "晚子";
  }
  return std::string{names::Branch(hour.pillar.branch)} +
         (script == Script::kTraditional ? "時" : "时");
}

// "23:00" for an hour of the day, -1 being 23:00 the evening before.
std::string ClockText(int hour) {
  const int shown = hour < 0 ? hour + 24 : hour;
  return std::string{static_cast<char>('0' + shown / 10),
                     static_cast<char>('0' + shown % 10)} +
         ":00";
}

}  // namespace

std::string HoursText(chr::year_month_day day, DayBoundary boundary,
                      Script script) {
  std::string text;
  for (const DoubleHour& hour : HoursOf(day, boundary)) {
    text += ClockText(hour.from) + "-" + ClockText(hour.to) + " " +
            NameOf(hour, boundary, script) + " " +
            names::Sexagenary(hour.pillar.hour) + "\n";
  }
  return text;
}

std::string HoursJson(chr::year_month_day day, DayBoundary boundary,
                      Script script) {
  const chr::sys_days midnight{day};
  const auto instant = [&](int hour) {
    return InstantText(chr::sys_seconds{midnight + chr::hours{hour}} -
                       kChinaStandardTimeOffset);
  };
  std::string text;
  for (const DoubleHour& hour : HoursOf(day, boundary)) {
    text += R"({"gregorian": )";
    AppendJsonString(text, DateText(day));
    text += R"(, "name": )";
    AppendJsonString(text, NameOf(hour, boundary, script));
    text += R"(, "branch": )";
    AppendJsonString(text, names::Branch(hour.pillar.branch));
    text += R"(, "from": )";
    AppendJsonString(text, instant(hour.from));
    text += R"(, "to": )";
    AppendJsonString(text, instant(hour.to));
    text += R"(, "ganzhi": )";
    AppendJsonString(text, names::Sexagenary(hour.pillar.hour));
    text += R"(, "day_ganzhi": )";
    AppendJsonString(text, names::Sexagenary(hour.pillar.day));
    text += "}\n";
  }
  return text;
}

}  // namespace quillet::lunar_cli
