#include "cli/ics.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <span>

#include "cli/arguments.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "lunar/moon_phases.h"
#include "lunar/seasons.h"
#include "monthview/festivals.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;
using ical::AllDayEvent;

// Texts the file writes beside the calendar's own names, in both scripts.
struct Wording {
  std::string_view simplified;
  std::string_view traditional;
  std::string_view In(Script script) const {
    return script == Script::kTraditional ? traditional : simplified;
  }
};

// CATEGORIES of the festivals, in FestivalCategory's order.
constexpr Wording kFestivalCategories[] = {
    {"法定假日", "法定假日"}, {"纪念日", "紀念日"}, {"传统节日", "傳統節日"}};
constexpr Wording kTermCategory{"节气", "節氣"};
constexpr Wording kDayCategory{"农历", "農曆"};
constexpr Wording kAnniversaryCategory{"农历纪念日", "農曆紀念日"};
constexpr Wording kHolidayCategory{"节假日安排", "節假日安排"};
constexpr Wording kSeasonsCategory{"时令", "時令"};
constexpr std::string_view kMoonCategory = "月相";
// Identifiers of the phases, in MoonPhase's order.
constexpr std::string_view kPhaseKinds[] = {"new", "first-quarter", "full",
                                            "last-quarter"};
// The make-up workday of a holiday: "国庆节调休 上班".
constexpr Wording kMakeUp{"调休", "調休"};
constexpr Wording kMakeUpDays{"调休上班", "調休上班"};
constexpr std::string_view kStatutoryDays = "法定假日";
// "the lunar calendar", before a lunar date written in full.
constexpr Wording kLunar{"农历", "農曆"};
// The last day of the lunar year, which the festival table does not hold.
using quillet::names::kNewYearsEve;

constexpr std::string_view kProductId = "-//Quillet//quillet-lunar ics//ZH";
constexpr std::string_view kUidDomain = "@quillet";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int ParseYear(std::string_view what, std::string_view text) {
  const int year = ParseNumber(what, text);
  if (year < kFirstSolarTermYear || year > kLastSolarTermYear) {
    throw UsageError(std::string{what} + " " + std::string{text} +
                     " is outside " + std::to_string(kFirstSolarTermYear) +
                     ".." + std::to_string(kLastSolarTermYear));
  }
  return year;
}

// A name goes into the file as TEXT: UTF-8 without control characters,
// which TEXT cannot carry (a line break would be read back as one, but a
// name has none).
void CheckName(std::string_view name) {
  const auto refuse = [&](std::string_view why) {
    throw UsageError("bad anniversary name: " + std::string{why});
  };
  if (name.empty()) refuse("it is empty");
  std::size_t i = 0;
  while (i < name.size()) {
    const auto lead = static_cast<unsigned char>(name[i]);
    if (lead < 0x20 || lead == 0x7F) refuse("it holds a control character");
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    if (length == 0 || i + length > name.size()) refuse("it is not UTF-8");
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<unsigned char>(name[i + k]);
      if ((byte & 0xC0) != 0x80) refuse("it is not UTF-8");
      code = (code << 6) | (byte & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      refuse("it is not UTF-8");
    }
    if (code >= 0x80 && code < 0xA0) refuse("it holds a control character");
    i += length;
  }
}

template <typename Choice>
Choice ParseChoice(
    std::string_view option, std::string_view text,
    std::initializer_list<std::pair<std::string_view, Choice>> choices) {
  std::string known;
  for (const auto& [word, choice] : choices) {
    if (word == text) return choice;
    known += (known.empty() ? "" : ", ") + std::string{word};
  }
  throw UsageError("unknown " + std::string{option} + " " + Quoted(text) +
                   ": expected one of " + known);
}

// The day an instant falls on in China Standard Time.
chr::year_month_day DayInChina(chr::sys_seconds instant) {
  return chr::year_month_day{
      chr::floor<chr::days>(instant + kChinaStandardTimeOffset)};
}

// Stable identifiers: what an event is, never how it is worded, so that a
// file written in the other script, with other reminders or for other years
// updates the same events on import.
std::string DayUid(chr::year_month_day day, std::string_view kind) {
  return ical::DateValue(day) + "-" + std::string{kind} +
         std::string{kUidDomain};
}

class EventList {
 public:
  EventList(const CnCalendar& calendar, const IcsRequest& request,
            const OfficialDays& official)
      : calendar_(calendar),
        request_(request),
        official_(official),
        first_(std::max(chr::year_month_day{chr::year{request.fromYear},
                                            chr::January, chr::day{1}},
                        kFirstServedDay)),
        last_(chr::year{request.toYear}, chr::December, chr::day{31}) {
    // One event a day, a festival on about one day in six, 24 terms and
    // one anniversary a year.
    const auto days = static_cast<std::size_t>(
        (chr::sys_days{last_} - chr::sys_days{first_}).count() + 1);
    const auto years =
        static_cast<std::size_t>(request.toYear - request.fromYear + 1);
    events_.reserve(
        (request.days ? days : 0) + (request.festivals ? days / 5 : 0) +
        (request.terms ? 24 * years : 0) + (request.seasons ? 15 * years : 0) +
        (request.moon ? 50 * years : 0) + request.anniversaries.size() * years);
  }

  std::vector<AllDayEvent> Take() {
    if (request_.festivals) AddFestivals();
    if (request_.terms) AddTerms();
    if (request_.days) AddDays();
    if (request_.holidays) AddHolidays();
    if (request_.seasons) AddSeasons();
    if (request_.moon) AddMoonPhases();
    for (std::size_t i = 0; i < request_.anniversaries.size(); ++i) {
      const auto begin = request_.anniversaries.begin();
      // The same anniversary asked for twice is written once.
      if (std::find(begin, begin + i, request_.anniversaries[i]) == begin + i) {
        AddAnniversary(request_.anniversaries[i]);
      }
    }
    std::stable_sort(events_.begin(), events_.end(),
                     [](const AllDayEvent& a, const AllDayEvent& b) {
                       return a.date < b.date;
                     });
    return std::move(events_);
  }

 private:
  std::string_view In(const Wording& wording) const {
    return wording.In(request_.script);
  }

  bool InRange(chr::year_month_day day) const {
    return day >= first_ && day <= last_;
  }

  void Add(std::string uid, chr::year_month_day day, std::string summary,
           std::string description, std::string_view category, int days = 1) {
    events_.push_back({std::move(uid),
                       day,
                       std::move(summary),
                       std::move(description),
                       {std::string{category}},
                       request_.remindDaysBefore,
                       days});
  }

  LunarDate LunarOf(chr::year_month_day day) const {
    return calendar_.GregorianToLunar(static_cast<int>(day.year()),
                                      static_cast<int>(unsigned{day.month()}),
                                      static_cast<int>(unsigned{day.day()}));
  }

  std::string FullLunarDate(chr::year_month_day day,
                            const LunarDate& lunar) const {
    const int cycle = calendar_.SexagenaryYear(
        static_cast<int>(day.year()), static_cast<int>(unsigned{day.month()}),
        static_cast<int>(unsigned{day.day()}));
    return std::string{In(kLunar)} + names::Sexagenary(cycle) + "年" +
           names::LunarMonthDay(lunar, request_.script);
  }

  void AddFestivals() {
    for (chr::sys_days day{first_}; day <= chr::sys_days{last_}; ++day) {
      const chr::year_month_day date{day};
      for (const Festival& festival :
           FestivalsOn(static_cast<int>(date.year()),
                       static_cast<int>(unsigned{date.month()}),
                       static_cast<int>(unsigned{date.day()}))) {
        const auto category = static_cast<std::size_t>(festival.category);
        Add(DayUid(date, "festival-" + ical::KeyToken(festival.name)), date,
            festival.name, "", In(kFestivalCategories[category]));
      }
    }
    // 除夕, the day before each 正月初一: the new year falls between 21
    // January and 20 February, so its eve in the same Gregorian year.
    for (int year = request_.fromYear; year <= request_.toYear; ++year) {
      const chr::year_month_day eve{
          chr::sys_days{calendar_.LunarToGregorian(year, 1, 1, false)} -
          chr::days{1}};
      if (!InRange(eve)) continue;
      Add(DayUid(eve, "festival-" + ical::KeyToken(kNewYearsEve)), eve,
          std::string{kNewYearsEve}, "",
          In(kFestivalCategories[static_cast<std::size_t>(
              FestivalCategory::kLunarFestival)]));
    }
  }

  void AddTerms() {
    for (int year = request_.fromYear; year <= request_.toYear; ++year) {
      int index = 0;
      for (const SolarTerm& term : calendar_.SolarTerms(year)) {
        const std::string name{names::SolarTermName(index, request_.script)};
        char uid[32];
        std::snprintf(uid, sizeof uid, "%04d-term-%02d", year, index);
        Add(uid + std::string{kUidDomain}, DayInChina(term.instant), name,
            name + " " + DateTimeText(term.instant + kChinaStandardTimeOffset) +
                " (UTC+8)",
            In(kTermCategory));
        ++index;
      }
    }
  }

  void AddDays() {
    for (chr::sys_days day{first_}; day <= chr::sys_days{last_}; ++day) {
      const chr::year_month_day date{day};
      const LunarDate lunar = LunarOf(date);
      // The first of a month is named by its month, as a calendar page does.
      std::string summary =
          lunar.day == 1
              ? names::LunarMonth(lunar.month, lunar.isLeapMonth,
                                  names::MonthStyle::kFull, request_.script)
              : std::string{names::LunarDay(lunar.day)};
      Add(DayUid(date, "day"), date, std::move(summary),
          FullLunarDate(date, lunar), In(kDayCategory));
    }
  }

  void AddAnniversary(const KeptDate& anniversary) {
    const LunarDate kept = LunarOf(anniversary.date);
    const std::string description =
        std::string{In(kLunar)} + names::LunarMonthDay(kept, request_.script) +
        "（" + DateText(anniversary.date) + "）";
    const std::string token =
        ical::KeyToken(anniversary.name + "\n" + DateText(anniversary.date));
    // Lunar year L runs from its new year in Gregorian year L into L + 1, so
    // the years asked for meet lunar years FROM - 1 .. TO.
    const int firstYear =
        std::max({kept.year, request_.fromYear - 1, kFirstLunarYear});
    const int lastYear = std::min(request_.toYear, kLastLunarYear);
    for (int year = firstYear; year <= lastYear; ++year) {
      const std::optional<chr::year_month_day> day = calendar_.Anniversary(
          kept, year, request_.leapRule, request_.missingDay);
      if (!day || !InRange(*day) || *day < anniversary.date) continue;
      Add(std::to_string(year) + "-anniversary-" + token +
              std::string{kUidDomain},
          *day, anniversary.name, description, In(kAnniversaryCategory));
    }
  }

  // "10月1日".
  static std::string MonthDay(chr::sys_days day) {
    const chr::year_month_day date{day};
    return std::to_string(unsigned{date.month()}) + "月" +
           std::to_string(unsigned{date.day()}) + "日";
  }

  // The rows of the notices of the years asked for: each span of days off
  // as one event over its days, each make-up workday as one.
  void AddHolidays() {
    const std::span<const OfficialSpan> rows = official_.Rows();
    for (const OfficialSpan& row : rows) {
      if (row.noticeYear < request_.fromYear ||
          row.noticeYear > request_.toYear) {
        continue;
      }
      const chr::year_month_day first{row.first};
      if (row.kind == OfficialDayKind::kWork) {
        Add(DayUid(first, "work"), first,
            row.holiday + std::string{In(kMakeUp)} + " 上班", "",
            In(kHolidayCategory));
        continue;
      }
      std::string statutory;
      for (chr::sys_days day = row.first; day <= row.last; ++day) {
        const std::optional<OfficialDay> arranged = official_.On(day);
        if (arranged && arranged->statutory) {
          statutory += (statutory.empty() ? "" : "、") + MonthDay(day);
        }
      }
      std::string workdays;
      for (const OfficialSpan& other : rows) {
        if (other.kind == OfficialDayKind::kWork &&
            other.noticeYear == row.noticeYear &&
            other.holiday == row.holiday) {
          workdays += (workdays.empty() ? "" : "、") + MonthDay(other.first);
        }
      }
      std::string description;
      if (!statutory.empty()) {
        description = std::string{kStatutoryDays} + "：" + statutory;
      }
      if (!workdays.empty()) {
        description += (description.empty() ? "" : "\n") +
                       std::string{In(kMakeUpDays)} + "：" + workdays;
      }
      const int days = static_cast<int>((row.last - row.first).count()) + 1;
      Add(DayUid(first,
                 "rest-" + ical::DateValue(chr::year_month_day{row.last})),
          first, row.holiday + " 休 " + std::to_string(days) + "天",
          std::move(description), In(kHolidayCategory), days);
    }
  }

  void AddSeasons() {
    const std::string_view category = In(kSeasonsCategory);
    const auto add = [&](chr::sys_days day, std::string_view kind,
                         std::string_view name, std::string description) {
      const chr::year_month_day date{day};
      if (!InRange(date)) return;
      Add(DayUid(date, "season-" + std::string{kind}), date, std::string{name},
          std::move(description), category);
    };
    // A period of the dog days with its length: "中伏 20天".
    const auto period = [](int index, chr::sys_days from, chr::sys_days to) {
      return std::string{names::DogDaysPeriodName(index)} + " " +
             std::to_string((to - from).count()) + "天";
    };
    for (int year = request_.fromYear; year <= request_.toYear; ++year) {
      const DogDaysOfYear dog = DogDaysOf(year);
      add(dog.firstBegins, "dog-first", names::DogDaysPeriodName(0),
          period(0, dog.firstBegins, dog.middleBegins));
      add(dog.middleBegins, "dog-middle", names::DogDaysPeriodName(1),
          period(1, dog.middleBegins, dog.lastBegins));
      add(dog.lastBegins, "dog-last", names::DogDaysPeriodName(2),
          period(2, dog.lastBegins, dog.end));
      add(dog.end, "dog-end", names::kDogDaysEnd, "");
      const PlumRainOfYear plum = PlumRainOf(year);
      add(plum.begins, "plum-begins", names::kPlumRainBegins, "");
      add(plum.ends, "plum-ends", names::kPlumRainEnds, "");
    }
    // The nines that begin in the years asked for: those of the winter
    // solstice before FROM run into it.
    for (int year = request_.fromYear - 1; year <= request_.toYear; ++year) {
      const chr::sys_days first = NinesBegin(year);
      for (int nine = 1; nine <= 9; ++nine) {
        add(first + chr::days{9 * (nine - 1)}, "nine-" + std::to_string(nine),
            names::NineName(nine), "");
      }
    }
  }

  void AddMoonPhases() {
    for (int year = request_.fromYear; year <= request_.toYear; ++year) {
      for (const MoonPhaseInstant& phase : MoonPhases(year)) {
        const chr::year_month_day date = DayInChina(phase.instant);
        if (!InRange(date)) continue;
        const std::string name{MoonPhaseName(phase.phase, request_.script)};
        // To the minute, as the table holds it: "望 2025-10-07 11:47".
        const std::string time =
            DateTimeText(phase.instant + kChinaStandardTimeOffset)
                .substr(0, 16);
        Add(DayUid(date,
                   "moon-" +
                       std::string{
                           kPhaseKinds[static_cast<std::size_t>(phase.phase)]}),
            date, name, name + " " + time + " (UTC+8)", kMoonCategory);
      }
    }
  }

  const CnCalendar& calendar_;
  const IcsRequest& request_;
  const OfficialDays& official_;
  const chr::year_month_day first_;
  const chr::year_month_day last_;
  std::vector<AllDayEvent> events_;
};

}  // namespace

IcsRequest ParseIcsArguments(std::span<const std::string_view> arguments) {
  IcsRequest request;
  std::vector<std::string_view> years;
  // Each option once, but --anniversary as often as there are dates.
  std::vector<std::string_view> given;
  const auto once = [&](std::string_view option) {
    if (std::find(given.begin(), given.end(), option) != given.end()) {
      throw UsageError("option " + Quoted(option) + " is given twice");
    }
    given.push_back(option);
  };
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (optionsEnded || !IsOption(argument)) {
      years.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument != "--anniversary") once(argument);
    const auto value = [&](std::size_t count, std::string_view what) {
      if (i + count >= arguments.size()) {
        throw UsageError(std::string{argument} + " needs " + std::string{what});
      }
      i += count;
      return arguments.subspan(i + 1 - count, count);
    };
    if (argument == "--festivals") {
      request.festivals = true;
    } else if (argument == "--terms") {
      request.terms = true;
    } else if (argument == "--days") {
      request.days = true;
    } else if (argument == "--holidays") {
      request.holidays = true;
    } else if (argument == "--seasons") {
      request.seasons = true;
    } else if (argument == "--moon") {
      request.moon = true;
    } else if (argument == "--traditional") {
      request.script = Script::kTraditional;
    } else if (argument == "--anniversary") {
      const auto pair = value(2, "NAME and YYYY-MM-DD");
      CheckName(pair[0]);
      request.anniversaries.push_back(
          {std::string{pair[0]}, ParseServedDate("anniversary date", pair[1])});
    } else if (argument == "--leap-rule") {
      request.leapRule = ParseChoice<LeapMonthRule>(
          argument, value(1, "a rule")[0],
          {{"when-present", LeapMonthRule::kLeapWhenPresent},
           {"ordinary", LeapMonthRule::kOrdinaryMonth},
           {"leap-only", LeapMonthRule::kLeapOnly}});
    } else if (argument == "--missing-day") {
      request.missingDay =
          ParseChoice<MissingDayRule>(argument, value(1, "a rule")[0],
                                      {{"last", MissingDayRule::kLastDay},
                                       {"skip", MissingDayRule::kSkip}});
    } else if (argument == "--remind") {
      const std::string_view text = value(1, "DAYS")[0];
      const int days = ParseNumber("--remind DAYS", text);
      if (days < 0 || days > kMaxRemindDays) {
        throw UsageError("--remind " + std::string{text} + " is outside 0.." +
                         std::to_string(kMaxRemindDays) + " days");
      }
      request.remindDaysBefore = days;
    } else if (argument == "--output") {
      const std::string_view file = value(1, "FILE")[0];
      if (file.empty()) throw UsageError("--output needs a file name");
      request.outputFile = std::string{file};
    } else {
      throw UsageError("unknown option " + Quoted(argument) +
                       " for ics (see quillet-lunar --help)");
    }
  }
  if (years.size() < 2) {
    throw UsageError("ics needs FROM and TO, Gregorian years " +
                     std::to_string(kFirstSolarTermYear) + ".." +
                     std::to_string(kLastSolarTermYear));
  }
  if (years.size() > 2) {
    throw UsageError("unexpected argument " + Quoted(years[2]));
  }
  request.fromYear = ParseYear("FROM", years[0]);
  request.toYear = ParseYear("TO", years[1]);
  if (request.fromYear > request.toYear) {
    throw UsageError("FROM " + std::string{years[0]} + " is after TO " +
                     std::string{years[1]});
  }
  if (!request.festivals && !request.terms && !request.days &&
      !request.holidays && !request.seasons && !request.moon &&
      request.anniversaries.empty()) {
    throw UsageError(
        "ics has nothing to write: give --festivals, --terms, --days, "
        "--holidays, --seasons, --moon or --anniversary");
  }
  return request;
}

chr::sys_seconds IcsStamp(const char* sourceDateEpoch, chr::sys_seconds now) {
  if (sourceDateEpoch == nullptr) return now;
  const std::string_view text = sourceDateEpoch;
  long long seconds = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seconds);
  // Years up to 9999, which a DATE-TIME can write.
  constexpr long long kLast = 253402300799;
  if (text.empty() || !IsDigit(text[0]) || error != std::errc{} ||
      stop != end || seconds > kLast) {
    throw UsageError("bad SOURCE_DATE_EPOCH " + Quoted(text) +
                     ": expected seconds since 1970-01-01 00:00:00 UTC");
  }
  return chr::sys_seconds{chr::seconds{seconds}};
}

std::vector<AllDayEvent> IcsEvents(const CnCalendar& calendar,
                                   const IcsRequest& request,
                                   const OfficialDays& official) {
  return EventList(calendar, request, official).Take();
}

std::string IcsText(const CnCalendar& calendar, const IcsRequest& request,
                    chr::sys_seconds stamp, const OfficialDays& official) {
  std::string name{kLunar.In(request.script)};
  name += " " + std::to_string(request.fromYear);
  if (request.toYear != request.fromYear) {
    name += "–" + std::to_string(request.toYear);
  }
  const std::vector<AllDayEvent> events =
      IcsEvents(calendar, request, official);
  ical::CalendarWriter writer({std::string{kProductId}, name}, stamp);
  writer.Reserve(events.size());
  for (const AllDayEvent& event : events) writer.Add(event);
  return writer.Finish();
}

int RunIcs(std::span<const std::string_view> args, const Context& context,
           Output& out, Output& errors) {
  const IcsRequest request = ParseIcsArguments(args);
  const chr::sys_seconds stamp = IcsStamp(context.sourceDateEpoch, context.now);
  if (request.outputFile && !context.writeWholeFile) {
    throw UsageError("--output cannot write files here");
  }
  const OfficialDays& official = OfficialDaysOf(context);
  if (request.holidays) {
    NoteRefusal(context, errors);
    // Years no notice covers get no events: said only where the file would
    // otherwise be empty without a word.
    const bool onlyHolidays = !request.festivals && !request.terms &&
                              !request.days && !request.seasons &&
                              !request.moon && request.anniversaries.empty();
    if (onlyHolidays && (request.toYear < official.firstYear() ||
                         request.fromYear > official.lastYear())) {
      errors.Write("quillet-lunar: ics --holidays: no notice of " +
                   std::to_string(request.fromYear) + ".." +
                   std::to_string(request.toYear) +
                   " in Quillet's data, which covers the notices of " +
                   std::to_string(official.firstYear()) + ".." +
                   std::to_string(official.lastYear()) + "\n");
    }
  }
  const std::string text = IcsText(CnCalendar{}, request, stamp, official);
  if (!request.outputFile) {
    out.Write(text);
    return 0;
  }
  if (const auto error = context.writeWholeFile(*request.outputFile, text)) {
    errors.Write("quillet-lunar: " + *error + "\n");
    return 1;
  }
  return 0;
}

}  // namespace quillet::lunar_cli
