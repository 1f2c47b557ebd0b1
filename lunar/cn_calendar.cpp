#include "lunar/cn_calendar.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "lunar/lunar_tables.h"
#include "lunar/served_day.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using lunar_tables::kLunarYearCount;
using lunar_tables::kLunarYears;
using lunar_tables::kSolarTerms;

// 4 CE, and so 1984 and 2044, began a cycle of years (甲子).
constexpr int kCycleStartYear = 4;
using names::kNewYearsEve;
// The first days of the first month are the Spring Festival's own; a solar
// term falling on them gets no note.
constexpr int kSpringFestivalDays = 3;

constexpr chr::sys_days kFirstDay{kFirstServedDay};
constexpr chr::sys_days kLastDay{kLastServedDay};
constexpr std::size_t kServedDays =
    static_cast<std::size_t>((kLastDay - kFirstDay).count()) + 1;
constexpr std::size_t kMaxMonths = kLunarYearCount * 13;
// A 甲子 day, and a 甲子 month (the month of 大雪 in 2008), from which the
// cycles of days and months are counted.
constexpr chr::sys_days kCycleDay{chr::year{1949} / 10 / 1};
constexpr int kCycleMonth =
    2008 * 12 + 11;  // months counted as year × 12 + (month − 1)

static_assert(kLunarYearCount == kLastLunarYear - kFirstLunarYear + 1);
static_assert(lunar_tables::kSolarTermYearCount ==
              kLastLunarYear - kFirstLunarYear + 2);
static_assert(kFirstSolarTermYear == lunar_tables::kFirstTableYear);

[[noreturn]] void ThrowOutOfRange(const char* operation, const char* argument,
                                  int value, int low, int high) {
  throw std::out_of_range(std::string{operation} + ": " + argument + " " +
                          std::to_string(value) + " is outside " +
                          std::to_string(low) + ".." + std::to_string(high));
}

void CheckRange(const char* operation, const char* argument, int value, int low,
                int high) {
  if (value < low || value > high) {
    ThrowOutOfRange(operation, argument, value, low, high);
  }
}

using lunar_detail::FloorMod;

// A served Gregorian day, checked: anything else throws, naming the
// operation and the argument.
chr::sys_days ServedDay(const char* operation, int year, int month, int day) {
  CheckRange(operation, "year", year, static_cast<int>(kFirstServedDay.year()),
             static_cast<int>(kLastServedDay.year()));
  CheckRange(operation, "month", month, 1, 12);
  CheckRange(operation, "day", day, 1, 31);
  const chr::year_month_day date{chr::year{year},
                                 chr::month{static_cast<unsigned>(month)},
                                 chr::day{static_cast<unsigned>(day)}};
  if (!date.ok()) {
    const auto last = chr::year_month_day_last{
        date.year(), chr::month_day_last{date.month()}};
    ThrowOutOfRange(operation, "day", day, 1,
                    static_cast<int>(static_cast<unsigned>(last.day())));
  }
  const chr::sys_days served{date};
  if (served < kFirstDay) {
    throw std::out_of_range(
        std::string{operation} + ": date " + DateText(date) + " is outside " +
        DateText(kFirstServedDay) + ".." + DateText(kLastServedDay));
  }
  return served;
}

// The tables unrolled for direct lookups, built once on first use: every
// lunar month of 1901 .. 2100 in order, and for every served Gregorian day
// the index of its month (two bytes a day).
class CalendarIndex {
 public:
  struct Month {
    std::int16_t year;
    std::int8_t number;  // 1 .. 12
    bool isLeap;
    bool startUncertain;
  };

  CalendarIndex() {
    std::size_t count = 0;
    chr::sys_days start{};
    for (std::size_t y = 0; y < kLunarYearCount; ++y) {
      const lunar_tables::LunarYearRow& row = kLunarYears[y];
      firstMonthOfYear_[y] = static_cast<std::uint16_t>(count);
      start = chr::year{row.newYear.year} /
              chr::month{static_cast<unsigned>(row.newYear.month)} /
              chr::day{static_cast<unsigned>(row.newYear.day)};
      for (std::size_t i = 0; i < row.monthLengths.size(); ++i) {
        const lunar_tables::MonthCode month =
            lunar_tables::DecodeMonth(row.monthLengths, row.leapAfter, i);
        months_[count] = {static_cast<std::int16_t>(row.year),
                          static_cast<std::int8_t>(month.number), month.isLeap,
                          month.startUncertain};
        monthStart_[count] = start;
        start += chr::days{month.length};
        ++count;
      }
    }
    firstMonthOfYear_[kLunarYearCount] = static_cast<std::uint16_t>(count);
    monthStart_[count] = start;  // the new year after the last
    for (std::size_t m = 0; m < count; ++m) {
      for (chr::sys_days d = monthStart_[m]; d < monthStart_[m + 1]; ++d) {
        if (d < kFirstDay || d > kLastDay) continue;
        monthOfDay_[static_cast<std::size_t>((d - kFirstDay).count())] =
            static_cast<std::uint16_t>(m);
      }
    }
  }

  const Month& MonthAt(std::size_t m) const { return months_[m]; }
  // The index of the month holding a served day.
  std::size_t MonthOf(chr::sys_days d) const {
    return monthOfDay_[static_cast<std::size_t>((d - kFirstDay).count())];
  }
  chr::sys_days MonthStart(std::size_t m) const { return monthStart_[m]; }
  int MonthLength(std::size_t m) const {
    return (monthStart_[m + 1] - monthStart_[m]).count();
  }
  // The day before the next lunar year's new year.
  chr::sys_days LastDayOfYear(int lunarYear) const {
    const auto next = static_cast<std::size_t>(lunarYear - kFirstLunarYear + 1);
    return monthStart_[firstMonthOfYear_[next]] - chr::days{1};
  }

  // Validates a lunar month and finds its index.
  std::size_t FindMonth(const char* operation, int year, int month,
                        bool isLeapMonth) const {
    CheckRange(operation, "year", year, kFirstLunarYear, kLastLunarYear);
    CheckRange(operation, "month", month, 1, 12);
    const auto y = static_cast<std::size_t>(year - kFirstLunarYear);
    const int leapAfter = kLunarYears[y].leapAfter;
    if (isLeapMonth && leapAfter != month) {
      throw std::invalid_argument(
          std::string{operation} + ": isLeapMonth: lunar year " +
          std::to_string(year) + " has no leap month " + std::to_string(month));
    }
    const bool afterLeap = leapAfter != 0 && (month > leapAfter || isLeapMonth);
    return firstMonthOfYear_[y] + static_cast<std::size_t>(month - 1) +
           (afterLeap ? 1 : 0);
  }

 private:
  std::array<Month, kMaxMonths> months_{};
  std::array<chr::sys_days, kMaxMonths + 1> monthStart_{};
  std::array<std::uint16_t, kLunarYearCount + 1> firstMonthOfYear_{};
  std::array<std::uint16_t, kServedDays> monthOfDay_{};
};
static_assert(kMaxMonths <= 0xFFFF, "month indices fit in two bytes");

const CalendarIndex& Index() {
  static const CalendarIndex index;
  return index;
}

const lunar_tables::SolarTermRow& SolarTermRowOf(int year) {
  return kSolarTerms[static_cast<std::size_t>(year -
                                              lunar_tables::kFirstTableYear)];
}

// The instant of solar term k of a Gregorian year, in UTC+8.
chr::sys_seconds TermUtc8(int year, std::size_t k) {
  const lunar_tables::TermTime time =
      lunar_tables::DecodeTermTime(SolarTermRowOf(year).dayTime[k]);
  const chr::sys_days day{chr::year{year} /
                          chr::month{static_cast<unsigned>(k / 2 + 1)} /
                          chr::day{static_cast<unsigned>(time.day)}};
  return day + chr::hours{time.hours} + chr::minutes{time.minutes} +
         chr::seconds{time.seconds};
}

// The day of the month (UTC+8) of solar term k of a Gregorian year.
int TermDay(int year, std::size_t k) {
  return lunar_tables::DecodeTermTime(SolarTermRowOf(year).dayTime[k]).day;
}

// The index of the solar term on a day (UTC+8), if any. Each Gregorian month
// holds two: its 节 (term 2 × (month − 1)) and its 中气.
std::optional<std::size_t> SolarTermIndexOn(chr::year_month_day date) {
  const int year = static_cast<int>(date.year());
  const auto first =
      2 * (static_cast<std::size_t>(static_cast<unsigned>(date.month())) - 1);
  const auto dayOfMonth = static_cast<int>(static_cast<unsigned>(date.day()));
  for (std::size_t k = first; k < first + 2; ++k) {
    if (TermDay(year, k) == dayOfMonth) return k;
  }
  return std::nullopt;
}

// The place 1..60 of the stem-branch month that the 节 of Gregorian month
// `month` of `year` begins (小寒 in January begins a 丑 month, 立春 in
// February a 寅 month … 大雪 in December a 子 month).
int CycleMonthOf(int year, int month) {
  return FloorMod(year * 12 + (month - 1) - kCycleMonth, 60) + 1;
}

// The month before `month` of `year`, as year × 12 + (month − 1) counts.
std::pair<int, int> MonthBefore(int year, int month) {
  return month == 1 ? std::pair{year - 1, 12} : std::pair{year, month - 1};
}

}  // namespace

chr::sys_days lunar_detail::ServedDay(const char* operation, int year,
                                      int month, int day) {
  return quillet::ServedDay(operation, year, month, day);
}

int lunar_detail::CycleMonth(int year, int month, int day) {
  // Before this month's 节 the day still belongs to the month the previous
  // 节 began. The served days start after 立春 1901, so that 节 is in the
  // tables.
  if (day >= TermDay(year, 2 * static_cast<std::size_t>(month - 1))) {
    return CycleMonthOf(year, month);
  }
  const auto [y, m] = MonthBefore(year, month);
  return CycleMonthOf(y, m);
}

int lunar_detail::CycleYear(chr::sys_days served, int year, int month, int day,
                            YearStart start) {
  int cycleYear = year;
  if (start == YearStart::kLunarNewYear) {
    const CalendarIndex& index = Index();
    cycleYear = index.MonthAt(index.MonthOf(served)).year;
  } else {
    // 立春 is term 2, in February.
    constexpr std::size_t kSpringBegins = 2;
    const bool beforeSpring =
        month == 1 || (month == 2 && day < TermDay(year, kSpringBegins));
    if (beforeSpring) --cycleYear;
  }
  return FloorMod(cycleYear - kCycleStartYear, 60) + 1;
}

chr::sys_days lunar_detail::SolarTermDay(int year, int term) {
  const auto k = static_cast<std::size_t>(term);
  return chr::year{year} / chr::month{static_cast<unsigned>(k / 2 + 1)} /
         chr::day{static_cast<unsigned>(TermDay(year, k))};
}

LunarDate CnCalendar::GregorianToLunar(int year, int month, int day) const {
  const chr::sys_days served = ServedDay("GregorianToLunar", year, month, day);
  const CalendarIndex& index = Index();
  const std::size_t m = index.MonthOf(served);
  const CalendarIndex::Month& lunarMonth = index.MonthAt(m);
  return {lunarMonth.year, lunarMonth.number,
          static_cast<int>((served - index.MonthStart(m)).count()) + 1,
          lunarMonth.isLeap};
}

chr::year_month_day CnCalendar::LunarToGregorian(int year, int month, int day,
                                                 bool isLeapMonth) const {
  constexpr const char* kOperation = "LunarToGregorian";
  const CalendarIndex& index = Index();
  const std::size_t m = index.FindMonth(kOperation, year, month, isLeapMonth);
  CheckRange(kOperation, "day", day, 1, index.MonthLength(m));
  return chr::year_month_day{index.MonthStart(m) + chr::days{day - 1}};
}

int CnCalendar::LunarMonthDays(int year, int month, bool isLeapMonth) const {
  const CalendarIndex& index = Index();
  return index.MonthLength(
      index.FindMonth("LunarMonthDays", year, month, isLeapMonth));
}

std::string CnCalendar::LunarDateNote(int year, int month, int day,
                                      bool isLeapMonth, Script script) const {
  constexpr const char* kOperation = "LunarDateNote";
  const CalendarIndex& index = Index();
  const std::size_t m = index.FindMonth(kOperation, year, month, isLeapMonth);
  CheckRange(kOperation, "day", day, 1, index.MonthLength(m));
  const chr::sys_days date = index.MonthStart(m) + chr::days{day - 1};
  if (date == index.LastDayOfYear(year)) return std::string{kNewYearsEve};
  if (month == 1 && !isLeapMonth && day <= kSpringFestivalDays) return {};
  const std::optional<std::size_t> term =
      SolarTermIndexOn(chr::year_month_day{date});
  if (!term) return {};
  return SolarTermName(static_cast<int>(*term), script);
}

// The zodiac animal of a lunar year, which begins on the lunar new year (not
// at 立春, as some almanacs count).
std::string CnCalendar::ZodiacAnimal(int year, Script script) const {
  CheckRange("ZodiacAnimal", "year", year, kFirstLunarYear, kLastLunarYear);
  return std::string{names::Zodiac((year - kCycleStartYear) % 12, script)};
}

std::array<SolarTerm, 24> CnCalendar::SolarTerms(int gregorianYear) const {
  CheckRange("SolarTerms", "gregorianYear", gregorianYear, kFirstSolarTermYear,
             kLastSolarTermYear);
  std::array<SolarTerm, 24> terms;
  for (std::size_t k = 0; k < terms.size(); ++k) {
    terms[k] = {std::string{names::SolarTermName(static_cast<int>(k))},
                TermUtc8(gregorianYear, k) - kChinaStandardTimeOffset};
  }
  return terms;
}

std::string CnCalendar::SolarTermName(int term, Script script) const {
  CheckRange("SolarTermName", "term", term, 0, 23);
  return std::string{names::SolarTermName(term, script)};
}

bool CnCalendar::MonthStartUncertain(int year, int month,
                                     bool isLeapMonth) const {
  const CalendarIndex& index = Index();
  return index
      .MonthAt(index.FindMonth("MonthStartUncertain", year, month, isLeapMonth))
      .startUncertain;
}

std::string CnCalendar::SexagenaryName(int index) const {
  CheckRange("SexagenaryName", "index", index, 1, 60);
  return names::Sexagenary(index);
}

int lunar_detail::CycleDay(chr::sys_days day) {
  return FloorMod((day - kCycleDay).count(), 60) + 1;
}

int CnCalendar::SexagenaryDay(int year, int month, int day) const {
  return lunar_detail::CycleDay(ServedDay("SexagenaryDay", year, month, day));
}

int CnCalendar::SexagenaryMonth(int year, int month, int day) const {
  ServedDay("SexagenaryMonth", year, month, day);
  return lunar_detail::CycleMonth(year, month, day);
}

int CnCalendar::SexagenaryMonth(chr::sys_seconds instant) const {
  const chr::sys_seconds utc8 = instant + kChinaStandardTimeOffset;
  const chr::year_month_day date{chr::floor<chr::days>(utc8)};
  const int year = static_cast<int>(date.year());
  const int month = static_cast<int>(static_cast<unsigned>(date.month()));
  ServedDay("SexagenaryMonth", year, month,
            static_cast<int>(static_cast<unsigned>(date.day())));
  if (utc8 >= TermUtc8(year, 2 * static_cast<std::size_t>(month - 1))) {
    return CycleMonthOf(year, month);
  }
  const auto [y, m] = MonthBefore(year, month);
  return CycleMonthOf(y, m);
}

int CnCalendar::SexagenaryYear(int year, int month, int day,
                               YearStart start) const {
  const chr::sys_days served = ServedDay("SexagenaryYear", year, month, day);
  return lunar_detail::CycleYear(served, year, month, day, start);
}

std::optional<SolarTermOnDay> CnCalendar::SolarTermOn(int year, int month,
                                                      int day) const {
  ServedDay("SolarTermOn", year, month, day);
  const chr::year_month_day date{chr::year{year},
                                 chr::month{static_cast<unsigned>(month)},
                                 chr::day{static_cast<unsigned>(day)}};
  const std::optional<std::size_t> k = SolarTermIndexOn(date);
  if (!k) return std::nullopt;
  return SolarTermOnDay{
      static_cast<int>(*k),
      {std::string{names::SolarTermName(static_cast<int>(*k))},
       TermUtc8(year, *k) - kChinaStandardTimeOffset}};
}

std::optional<chr::year_month_day> CnCalendar::Anniversary(
    const LunarDate& date, int lunarYear, LeapMonthRule leap,
    MissingDayRule missing) const {
  constexpr const char* kOperation = "Anniversary";
  CheckRange(kOperation, "lunarYear", lunarYear, kFirstLunarYear,
             kLastLunarYear);
  CheckRange(kOperation, "month", date.month, 1, 12);
  CheckRange(kOperation, "day", date.day, 1, 30);
  const int leapAfter =
      kLunarYears[static_cast<std::size_t>(lunarYear - kFirstLunarYear)]
          .leapAfter;
  bool isLeap = false;
  if (date.isLeapMonth) {
    const bool present = leapAfter == date.month;
    if (leap == LeapMonthRule::kLeapOnly && !present) return std::nullopt;
    isLeap = present && leap != LeapMonthRule::kOrdinaryMonth;
  }
  const CalendarIndex& index = Index();
  const std::size_t m =
      index.FindMonth(kOperation, lunarYear, date.month, isLeap);
  int day = date.day;
  if (day > index.MonthLength(m)) {
    if (missing == MissingDayRule::kSkip) return std::nullopt;
    day = index.MonthLength(m);
  }
  return chr::year_month_day{index.MonthStart(m) + chr::days{day - 1}};
}

}  // namespace quillet
