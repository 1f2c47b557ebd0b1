#include "lunar/cn_calendar.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "lunar/lunar_tables.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using lunar_tables::kLunarYearCount;
using lunar_tables::kLunarYears;
using lunar_tables::kSolarTermNames;
using lunar_tables::kSolarTerms;

constexpr std::array<std::string_view, 10> kHeavenlyStems = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kEarthlyBranches = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
// In the order of the branches; 4 CE (and so 1984, 2044) was a year of 鼠.
constexpr std::array<std::string_view, 12> kZodiacAnimals = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 12> kZodiacAnimalsTraditional = {
    "鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"};
constexpr int kRatYear = 4;
// The solar terms in the traditional script, in the order of kSolarTermNames.
constexpr std::array<std::string_view, 24> kSolarTermNamesTraditional = {
    "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨",
    "立夏", "小滿", "芒種", "夏至", "小暑", "大暑", "立秋", "處暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
constexpr std::string_view kNewYearsEve = "除夕";
// The first days of the first month are the Spring Festival's own; a solar
// term falling on them gets no note.
constexpr int kSpringFestivalDays = 3;

constexpr chr::sys_days kFirstDay{kFirstServedDay};
constexpr chr::sys_days kLastDay{kLastServedDay};
constexpr std::size_t kServedDays =
    static_cast<std::size_t>((kLastDay - kFirstDay).count()) + 1;
constexpr std::size_t kMaxMonths = kLunarYearCount * 13;
constexpr chr::hours kChinaStandardTimeOffset{8};

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

std::string Text(chr::year_month_day date) {
  char text[16];
  std::snprintf(
      text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
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
      int number = 0;
      for (std::size_t i = 0; i < row.monthLengths.size(); ++i) {
        const bool isLeap =
            row.leapAfter != 0 && i == static_cast<std::size_t>(row.leapAfter);
        if (!isLeap) ++number;
        const char letter = row.monthLengths[i];
        const bool uncertain = letter == 's' || letter == 'l';
        months_[count] = {static_cast<std::int16_t>(row.year),
                          static_cast<std::int8_t>(number), isLeap, uncertain};
        monthStart_[count] = start;
        start += chr::days{letter == 'L' || letter == 'l' ? 30 : 29};
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

// The index of the solar term on a day (UTC+8), if any.
std::optional<std::size_t> SolarTermOn(chr::sys_days day) {
  const chr::year_month_day date{day};
  const auto& row = SolarTermRowOf(static_cast<int>(date.year()));
  const auto first =
      2 * (static_cast<std::size_t>(static_cast<unsigned>(date.month())) - 1);
  const auto dayOfMonth = static_cast<int>(static_cast<unsigned>(date.day()));
  for (std::size_t k = first; k < first + 2; ++k) {
    if (lunar_tables::DecodeTermTime(row.dayTime[k]).day == dayOfMonth) {
      return k;
    }
  }
  return std::nullopt;
}

}  // namespace

LunarDate CnCalendar::GregorianToLunar(int year, int month, int day) const {
  constexpr const char* kOperation = "GregorianToLunar";
  CheckRange(kOperation, "year", year, static_cast<int>(kFirstServedDay.year()),
             static_cast<int>(kLastServedDay.year()));
  CheckRange(kOperation, "month", month, 1, 12);
  CheckRange(kOperation, "day", day, 1, 31);
  const chr::year_month_day date{chr::year{year},
                                 chr::month{static_cast<unsigned>(month)},
                                 chr::day{static_cast<unsigned>(day)}};
  if (!date.ok()) {
    const auto last = chr::year_month_day_last{
        date.year(), chr::month_day_last{date.month()}};
    ThrowOutOfRange(kOperation, "day", day, 1,
                    static_cast<int>(static_cast<unsigned>(last.day())));
  }
  const chr::sys_days served{date};
  if (served < kFirstDay) {
    throw std::out_of_range(std::string{kOperation} + ": date " + Text(date) +
                            " is outside " + Text(kFirstServedDay) + ".." +
                            Text(kLastServedDay));
  }
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
  const std::optional<std::size_t> term = SolarTermOn(date);
  if (!term) return {};
  return SolarTermName(static_cast<int>(*term), script);
}

// Zodiac animals and stem-branch names follow the lunar year, which begins
// on the lunar new year (not at 立春, as some almanacs count).
std::string CnCalendar::ZodiacAnimal(int year, Script script) const {
  CheckRange("ZodiacAnimal", "year", year, kFirstLunarYear, kLastLunarYear);
  const auto branch = static_cast<std::size_t>((year - kRatYear) % 12);
  return std::string{script == Script::kTraditional
                         ? kZodiacAnimalsTraditional[branch]
                         : kZodiacAnimals[branch]};
}

std::array<SolarTerm, 24> CnCalendar::SolarTerms(int gregorianYear) const {
  CheckRange("SolarTerms", "gregorianYear", gregorianYear, kFirstSolarTermYear,
             kLastSolarTermYear);
  const auto& row = SolarTermRowOf(gregorianYear);
  std::array<SolarTerm, 24> terms;
  for (std::size_t k = 0; k < terms.size(); ++k) {
    const lunar_tables::TermTime time =
        lunar_tables::DecodeTermTime(row.dayTime[k]);
    const chr::sys_days day{chr::year{gregorianYear} /
                            chr::month{static_cast<unsigned>(k / 2 + 1)} /
                            chr::day{static_cast<unsigned>(time.day)}};
    const chr::sys_seconds utc8 = day + chr::hours{time.hours} +
                                  chr::minutes{time.minutes} +
                                  chr::seconds{time.seconds};
    terms[k] = {std::string{kSolarTermNames[k]},
                utc8 - kChinaStandardTimeOffset};
  }
  return terms;
}

std::string CnCalendar::SolarTermName(int term, Script script) const {
  CheckRange("SolarTermName", "term", term, 0, 23);
  const auto k = static_cast<std::size_t>(term);
  return std::string{script == Script::kTraditional
                         ? kSolarTermNamesTraditional[k]
                         : kSolarTermNames[k]};
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
  const auto position = static_cast<std::size_t>(index - 1);
  return std::string{kHeavenlyStems[position % 10]} +
         std::string{kEarthlyBranches[position % 12]};
}

}  // namespace quillet
