#include "cli/json_lines.h"

#include <charconv>
#include <optional>

#include "lunar/almanac.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "lunar/moon_phases.h"
#include "lunar/seasons.h"
#include "monthview/festivals.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;

// Appends one object's members, keys in the order written (the order of the
// documentation), ", " and ": " between them as the documentation shows.
class ObjectWriter {
 public:
  explicit ObjectWriter(std::string& text) : text_(text) { text_ += '{'; }
  ~ObjectWriter() { text_ += '}'; }
  ObjectWriter(const ObjectWriter&) = delete;
  ObjectWriter& operator=(const ObjectWriter&) = delete;

  // The key; the caller appends the value.
  std::string& Key(std::string_view key) {
    if (!first_) text_ += ", ";
    first_ = false;
    AppendJsonString(text_, key);
    text_ += ": ";
    return text_;
  }
  void String(std::string_view key, std::string_view value) {
    AppendJsonString(Key(key), value);
  }
  void Number(std::string_view key, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Key(key).append(digits, end);
  }
  void Bool(std::string_view key, bool value) {
    Key(key) += value ? "true" : "false";
  }
  void Null(std::string_view key) { Key(key) += "null"; }
  // A string, or null where there is none.
  void StringOrNull(std::string_view key, std::string_view value) {
    if (value.empty()) {
      Null(key);
    } else {
      String(key, value);
    }
  }

 private:
  std::string& text_;
  bool first_ = true;
};

// The keys that follow "workday": the seasons of the day, its phase of the
// Moon, its pentad and its almanac.
void AppendSeasonsAndAlmanac(ObjectWriter& object, int y, int m, int d,
                             Script script) {
  const SeasonsDay seasons = SeasonsOn(y, m, d);
  object.StringOrNull("dog_days", seasons.dogDay ? DogDayText(*seasons.dogDay)
                                  : seasons.dogDaysEnd
                                      ? std::string{names::kDogDaysEnd}
                                      : std::string{});
  object.StringOrNull("nines", seasons.nine ? NineDayText(*seasons.nine) : "");
  object.StringOrNull("plum_rain", seasons.plumRain == PlumRainDay::kBegins
                                       ? names::kPlumRainBegins
                                   : seasons.plumRain == PlumRainDay::kEnds
                                       ? names::kPlumRainEnds
                                       : std::string_view{});
  if (const std::optional<MoonPhaseInstant> phase = MoonPhaseOn(y, m, d)) {
    ObjectWriter moon{object.Key("moon_phase")};
    moon.String("name", MoonPhaseName(phase->phase, script));
    moon.String("instant", InstantText(phase->instant));
  } else {
    object.Null("moon_phase");
  }
  {
    ObjectWriter pentad{object.Key("pentad")};
    pentad.String("name", names::Pentad(seasons.pentad.index, script));
    pentad.Number("index", seasons.pentad.index);
  }
  const AlmanacDay almanac = AlmanacOn(y, m, d);
  ObjectWriter entry{object.Key("almanac")};
  entry.String("officer", names::Officer(almanac.officer, script));
  entry.String("mansion", names::MansionFull(almanac.mansion, script));
  entry.String("nayin", names::Nayin(almanac.day, script));
  entry.String("clash", names::Zodiac(almanac.clash, script));
  entry.String("sha", names::DirectionName(almanac.sha, script));
  std::string& pengzu = entry.Key("pengzu");
  pengzu += '[';
  AppendJsonString(pengzu, names::PengzuStem((almanac.day - 1) % 10, script));
  pengzu += ", ";
  AppendJsonString(pengzu, names::PengzuBranch((almanac.day - 1) % 12, script));
  pengzu += ']';
}

}  // namespace

void AppendJsonString(std::string& text, std::string_view value) {
  text += '"';
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text += '\\';
      text += c;
    } else if (byte < 0x20) {
      constexpr char kHex[] = "0123456789abcdef";
      text += "\\u00";
      text += kHex[byte >> 4];
      text += kHex[byte & 0xF];
    } else {
      text += c;  // UTF-8 as it stands, which JSON allows
    }
  }
  text += '"';
}

std::string InstantText(chr::sys_seconds utc) {
  std::string text = DateTimeText(utc + kChinaStandardTimeOffset);
  text[10] = 'T';  // "2024-02-04 16:27:07" -> "2024-02-04T16:27:07"
  return text + "+08:00";
}

std::string DayJson(const CnCalendar& calendar, chr::year_month_day date,
                    Script script, const OfficialDays& official) {
  const int y = static_cast<int>(date.year());
  const int m = static_cast<int>(unsigned{date.month()});
  const int d = static_cast<int>(unsigned{date.day()});
  const LunarDate lunar = calendar.GregorianToLunar(y, m, d);

  std::string text;
  {
    ObjectWriter object{text};
    object.String("gregorian", DateText(date));
    object.Number("weekday",
                  static_cast<int>(chr::weekday{date}.iso_encoding()));
    {
      ObjectWriter day{object.Key("lunar")};
      day.Number("year", lunar.year);
      day.Number("month", lunar.month);
      day.Number("day", lunar.day);
      day.Bool("leap", lunar.isLeapMonth);
      day.Number("month_days", calendar.LunarMonthDays(lunar.year, lunar.month,
                                                       lunar.isLeapMonth));
    }
    object.String("text", names::LunarMonthDay(lunar, script));
    {
      ObjectWriter ganzhi{object.Key("ganzhi")};
      ganzhi.String("year",
                    names::Sexagenary(calendar.SexagenaryYear(y, m, d)));
      ganzhi.String("month",
                    names::Sexagenary(calendar.SexagenaryMonth(y, m, d)));
      ganzhi.String("day", names::Sexagenary(calendar.SexagenaryDay(y, m, d)));
    }
    object.String("zodiac", calendar.ZodiacAnimal(lunar.year, script));
    if (const auto onDay = calendar.SolarTermOn(y, m, d)) {
      ObjectWriter term{object.Key("term")};
      term.String("name", names::SolarTermName(onDay->index, script));
      term.String("instant", InstantText(onDay->term.instant));
    } else {
      object.Key("term") += "null";
    }
    object.String("note",
                  calendar.LunarDateNote(lunar.year, lunar.month, lunar.day,
                                         lunar.isLeapMonth, script));
    std::string& festivals = object.Key("festivals");
    festivals += '[';
    bool first = true;
    for (const Festival& festival : FestivalsOn(y, m, d)) {
      if (!first) festivals += ", ";
      first = false;
      AppendJsonString(festivals, festival.name);
    }
    festivals += ']';
    const chr::sys_days day{date};
    if (const std::optional<OfficialDay> arranged = official.On(day)) {
      ObjectWriter entry{object.Key("official")};
      entry.String("kind",
                   arranged->kind == OfficialDayKind::kRest ? "rest" : "work");
      entry.String("holiday", arranged->holiday);
      entry.Bool("statutory", arranged->statutory);
      entry.String("source", arranged->source == OfficialDaySource::kNotice
                                 ? "notice"
                                 : "rules");
    } else {
      object.Key("official") += "null";
    }
    const std::optional<bool> workday = official.IsWorkday(day);
    object.Key("workday") += !workday ? "null" : *workday ? "true" : "false";
    AppendSeasonsAndAlmanac(object, y, m, d, script);
  }
  return text + "\n";
}

std::string TermJson(const SolarTerm& term, int index, Script script) {
  const chr::sys_days day =
      chr::floor<chr::days>(term.instant + kChinaStandardTimeOffset);
  std::string text;
  {
    ObjectWriter object{text};
    object.String("name", names::SolarTermName(index, script));
    object.String("date", DateText(chr::year_month_day{day}));
    object.String("instant", InstantText(term.instant));
  }
  return text + "\n";
}

}  // namespace quillet::lunar_cli
